#include "WindowModel.h"

#include "Texts.h"

#include <array>

namespace zolinar::testing {

namespace {

// Lower-case of the Cyrillic and Latin capitals the objects may start with;
// enough for the letters the test types.
std::string lowerFirstLetter(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const auto first = static_cast<unsigned char>(utf8[0]);
    if (first < 0x80)
        return std::string(1, static_cast<char>(first >= 'A' && first <= 'Z' ? first + 32 : first));
    if (utf8.size() < 2)
        return {};
    unsigned codePoint = ((first & 0x1FU) << 6) | (static_cast<unsigned char>(utf8[1]) & 0x3FU);
    if (codePoint >= 0x410 && codePoint <= 0x42F)
        codePoint += 0x20;
    std::string lower;
    lower += static_cast<char>(0xC0U | (codePoint >> 6));
    lower += static_cast<char>(0x80U | (codePoint & 0x3FU));
    return lower;
}

} // namespace

WindowModel::WindowModel()
    : m_display(guideText)
{
}

std::string_view actionName(UserAction action)
{
    switch (action) {
    case UserAction::ClickRow: return "click row";
    case UserAction::ClickClear: return "click Clear";
    case UserAction::ClickDisplay: return "click display box";
    case UserAction::KeyUp: return "Up";
    case UserAction::KeyDown: return "Down";
    case UserAction::KeyHome: return "Home";
    case UserAction::KeyEnd: return "End";
    case UserAction::KeyPageUp: return "Page Up";
    case UserAction::KeyPageDown: return "Page Down";
    case UserAction::KeySpace: return "Space";
    case UserAction::KeyEnter: return "Enter";
    case UserAction::KeyLetter: return "letter";
    case UserAction::Tab: return "Tab";
    case UserAction::BackTab: return "Shift+Tab";
    case UserAction::Wheel: return "wheel";
    case UserAction::TypeText: return "type into display box";
    case UserAction::PasteText: return "paste into display box";
    }
    return "?";
}

std::string_view focusName(Focus focus)
{
    switch (focus) {
    case Focus::DisplayBox: return "display box";
    case Focus::ObjectList: return "object list";
    case Focus::ClearButton: return "Clear";
    }
    return "?";
}

std::string WindowModel::report(Row row)
{
    const auto& entry = catalogue[static_cast<std::size_t>(row)];
    return "Детето е излязло от кръга с: \r\nИзбран предмет: " + std::string(entry.object)
        + "\r\nПредполагаема професия: " + std::string(entry.profession) + "\r\n";
}

std::optional<Row> WindowModel::firstRowStartingWith(std::string_view letter)
{
    const std::string wanted = lowerFirstLetter(letter);
    for (Row row = 0; row < catalogueRowCount; ++row) {
        if (lowerFirstLetter(catalogue[static_cast<std::size_t>(row)].object) == wanted)
            return row;
    }
    return std::nullopt;
}

void WindowModel::pick(Row row)
{
    m_selected = row;
    m_display = report(row);
    m_listEnabled = false;
    // The list had the focus for the pick; locked, it hands the focus on to
    // the next control in the tab order.
    m_focus = Focus::ClearButton;
}

void WindowModel::clear()
{
    m_selected = noRow;
    m_listEnabled = true;
    m_display = resetText;
}

void WindowModel::apply(UserAction action, Row row, std::string_view letter)
{
    switch (action) {
    case UserAction::ClickRow:
        if (m_listEnabled)
            pick(row);
        return;
    case UserAction::ClickClear:
        m_focus = Focus::ClearButton;
        clear();
        return;
    case UserAction::ClickDisplay:
    case UserAction::TypeText:
    case UserAction::PasteText:
        // The box is read-only: typing and pasting change nothing.
        m_focus = Focus::DisplayBox;
        return;
    case UserAction::Wheel:
        return;
    case UserAction::Tab:
        switch (m_focus) {
        case Focus::DisplayBox: m_focus = m_listEnabled ? Focus::ObjectList : Focus::ClearButton; return;
        case Focus::ObjectList: m_focus = Focus::ClearButton; return;
        case Focus::ClearButton: m_focus = Focus::DisplayBox; return;
        }
        return;
    case UserAction::BackTab:
        switch (m_focus) {
        case Focus::DisplayBox: m_focus = Focus::ClearButton; return;
        case Focus::ObjectList: m_focus = Focus::DisplayBox; return;
        case Focus::ClearButton: m_focus = m_listEnabled ? Focus::ObjectList : Focus::DisplayBox; return;
        }
        return;
    case UserAction::KeyUp:
    case UserAction::KeyDown:
    case UserAction::KeyHome:
    case UserAction::KeyEnd:
    case UserAction::KeyPageUp:
    case UserAction::KeyPageDown:
    case UserAction::KeySpace:
    case UserAction::KeyEnter:
    case UserAction::KeyLetter:
        key(action, letter);
        return;
    }
}

void WindowModel::key(UserAction action, std::string_view letter)
{
    switch (m_focus) {
    case Focus::DisplayBox:
        return;
    case Focus::ClearButton:
        // A push button passes the focus on with the arrow keys.
        if (action == UserAction::KeyUp)
            apply(UserAction::BackTab);
        else if (action == UserAction::KeyDown)
            apply(UserAction::Tab);
        else if (action == UserAction::KeySpace || action == UserAction::KeyEnter)
            clear();
        return;
    case Focus::ObjectList:
        // The list has the focus only while Ready, with no row selected and
        // the first row under the focus frame.
        switch (action) {
        case UserAction::KeyEnd:
            pick(catalogueRowCount - 1);
            return;
        case UserAction::KeyLetter:
            if (const auto row = firstRowStartingWith(letter))
                pick(*row);
            return;
        case UserAction::KeyEnter:
            return;
        default:
            pick(0);
            return;
        }
    }
}

} // namespace zolinar::testing
