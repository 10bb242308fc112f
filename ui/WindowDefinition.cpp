#include "WindowDefinition.h"

#include "Texts.h"
#include "WindowTexts.h"

namespace zolinar {

namespace {

constexpr Element label0 { ControlArray::Label1, 0 };
constexpr Element command0 { ControlArray::Command1, 0 };
constexpr Element quoteBox { ControlArray::Text1, 1 };

// The two hidden controls overlap the visible ones and the quote box reaches
// past the right edge; neither is ever shown, so that is never seen.
constexpr WindowDefinition definition {
    .name = "IT_Zolinar",
    .caption = windowCaption,
    .clientWidth = 6915,
    .clientHeight = 5175,
    .background = { 192, 192, 255 },
    .font = { "Times New Roman", 12, 400, false, false, false },
    .controls = { {
        { label0, ControlKind::Label, { 480, 0, 5775, 375 }, true, 2, titleCaption, ListItems::None,
            Colour { 255, 192, 128 }, {}, {} },
        { objectList, ControlKind::ListBox, { 480, 720, 3135, 1770 }, true, 3, {}, ListItems::Objects,
            std::nullopt, objectListName, objectListDescription },
        { professionList, ControlKind::ListBox, { 1440, 1080, 3135, 1770 }, false, 4, {}, ListItems::Professions,
            std::nullopt, professionListName, {} },
        { command0, ControlKind::PushButton, { 4680, 1440, 1815, 375 }, true, 5, clearCaption, ListItems::None,
            Colour { 255, 0, 0 }, {}, clearButtonDescription },
        { displayBox, ControlKind::TextBox, { 120, 2880, 6735, 1815 }, true, 0, guideText, ListItems::None,
            std::nullopt, displayBoxName, displayBoxDescription },
        { quoteBox, ControlKind::TextBox, { 600, 3240, 6735, 1815 }, false, 1, quoteText, ListItems::None,
            std::nullopt, quoteBoxName, {} },
    } },
};

} // namespace

const WindowDefinition& mainWindowDefinition()
{
    return definition;
}

} // namespace zolinar
