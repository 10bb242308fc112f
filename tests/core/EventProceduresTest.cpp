#include "EventProcedures.h"
#include "InstrumentedSurface.h"
#include "MemoryControlSurface.h"
#include "RuntimeError.h"
#include "Texts.h"
#include "WindowModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace zolinar;
using zolinar::testing::InstrumentedSurface;
using zolinar::testing::MemoryControlSurface;
using zolinar::testing::WindowModel;
using Call = InstrumentedSurface::Call;
using ClickOnWrite = MemoryControlSurface::ClickOnWrite;

namespace {

// The model wired as the window wires the real controls: the list's Click
// runs List1_Click, through the same surface the procedures use.
struct Window {
    MemoryControlSurface controls;
    InstrumentedSurface surface { controls };
    EventProcedures procedures { surface };

    explicit Window(ClickOnWrite mode = ClickOnWrite::WhenChanged)
    {
        controls.setClickOnWrite(mode);
        controls.onListClick([this](std::int16_t index) { procedures.List1_Click(index); });
    }

    bool ready() const
    {
        return controls.list(0).enabled && controls.list(0).selected == noRow;
    }
    const std::string& display() const { return controls.textBox(0).text; }
};

std::string expectedReport(std::string_view object, std::string_view profession)
{
    return "Детето е излязло от кръга с: \r\nИзбран предмет: " + std::string(object)
        + "\r\nПредполагаема професия: " + std::string(profession) + "\r\n";
}

} // namespace

// --- A pick from Ready gives the report of that row and locks the list. ---

class ChoiceOfEveryRow : public ::testing::TestWithParam<Row> { };

TEST_P(ChoiceOfEveryRow, showsTheThreeLineReportAndLocksTheList)
{
    const Row row = GetParam();
    Window window;
    window.procedures.Form_Load();
    window.controls.pick(row);

    const auto& entry = catalogue[static_cast<std::size_t>(row)];
    EXPECT_EQ(window.display(), expectedReport(entry.object, entry.profession));
    EXPECT_FALSE(window.controls.list(0).enabled);
    EXPECT_EQ(window.controls.list(0).selected, row) << "the chosen row stays selected";
}

INSTANTIATE_TEST_SUITE_P(Rows, ChoiceOfEveryRow, ::testing::Range<Row>(0, catalogueRowCount),
    [](const auto& test) { return "row" + std::to_string(test.param); });

TEST(Choice, reportsOfNotableRowsCharacterForCharacter)
{
    struct Case {
        Row row;
        std::string_view report;
    };
    const Case cases[] {
        { 2, "Детето е излязло от кръга с: \r\nИзбран предмет: книга\r\nПредполагаема професия: писател по вида тема\r\n" },
        { 7, "Детето е излязло от кръга с: \r\nИзбран предмет: апарат за кръвно\r\nПредполагаема професия: лекар, аптекар   \r\n" },
        { 17, "Детето е излязло от кръга с: \r\nИзбран предмет: дизайнер\r\nПредполагаема професия: флумастер\r\n" },
    };
    for (const auto& c : cases) {
        Window window;
        window.procedures.Form_Load();
        window.controls.pick(c.row);
        EXPECT_EQ(window.display(), c.report) << "row " << c.row;
    }
}

// The control operations of a pick, in their order; the failure cases
// below fail each of them in turn.
const std::vector<Call> pickSteps {
    { objectList, Property::ListIndex, Operation::Read },
    { displayBox, Property::Text, Operation::Write },
    { displayBox, Property::Text, Operation::Read },
    { objectList, Property::List, Operation::Read },
    { displayBox, Property::Text, Operation::Write },
    { displayBox, Property::Text, Operation::Read },
    { professionList, Property::List, Operation::Read },
    { displayBox, Property::Text, Operation::Write },
    { objectList, Property::Enabled, Operation::Write },
};

TEST(Choice, readsTheRowOnceAndTouchesTheControlsInOrder)
{
    Window window;
    window.procedures.Form_Load();
    window.surface.clearCalls();
    window.controls.pick(2);
    EXPECT_EQ(window.surface.calls(), pickSteps);
}

// --- Form_Load, Clear, and events of other elements. ---

struct ResetCase {
    const char* name;
    ClickOnWrite clickOnWrite;
    std::function<void(Window&)> act;
    std::optional<std::string_view> display; // nullopt: the guide text
};

void PrintTo(const ResetCase& test, std::ostream* out) { *out << test.name; }

class Reset : public ::testing::TestWithParam<ResetCase> { };

TEST_P(Reset, leavesTheWindowReady)
{
    const auto& param = GetParam();
    Window window(param.clickOnWrite);
    window.procedures.Form_Load();
    param.act(window);

    EXPECT_TRUE(window.ready());
    EXPECT_FALSE(window.controls.list(1).visible) << "the profession list stays hidden";
    EXPECT_EQ(window.display(), param.display.value_or(guideText));
}

const auto clear = [](Window& w) { w.procedures.Command1_Click(0); };
const auto pickThenClear = [](Window& w) { w.controls.pick(7); w.procedures.Command1_Click(0); };

INSTANTIATE_TEST_SUITE_P(Procedures, Reset,
    ::testing::Values(
        ResetCase { "loadShowsTheGuide", ClickOnWrite::WhenChanged, [](Window&) {}, std::nullopt },
        ResetCase { "loadShowsTheGuideWhenItsWriteRaisesClick", ClickOnWrite::Always, [](Window&) {}, std::nullopt },
        ResetCase { "clearFromReady", ClickOnWrite::WhenChanged, clear, WindowModel::resetText },
        ResetCase { "clearFromChosen", ClickOnWrite::WhenChanged, pickThenClear, WindowModel::resetText },
        ResetCase { "clearTwiceFromChosen", ClickOnWrite::WhenChanged,
            [](Window& w) { pickThenClear(w); clear(w); }, WindowModel::resetText },
        ResetCase { "clearFromChosenWhenItsWriteRaisesClick", ClickOnWrite::Always, pickThenClear, WindowModel::resetText },
        ResetCase { "clearFromReadyWhenItsWriteRaisesClick", ClickOnWrite::Always, clear, WindowModel::resetText },
        ResetCase { "clearWithoutAnyClickRaised", ClickOnWrite::Never, pickThenClear, WindowModel::resetText },
        ResetCase { "listClickOfAnotherElement", ClickOnWrite::WhenChanged,
            [](Window& w) { w.procedures.List1_Click(1); w.procedures.List1_Click(-1); }, std::nullopt },
        ResetCase { "clickOfAnotherButton", ClickOnWrite::WhenChanged,
            [](Window& w) { w.procedures.Command1_Click(1); w.procedures.Command1_Click(32767); }, std::nullopt },
        ResetCase { "listClickWithNoRowSelected", ClickOnWrite::WhenChanged,
            [](Window& w) { w.procedures.List1_Click(0); }, std::nullopt }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(OtherElements, anEventOfAnotherElementTouchesNoControl)
{
    Window window;
    window.procedures.Form_Load();
    window.controls.pick(3);
    window.surface.clearCalls();
    window.procedures.Command1_Click(1);
    window.procedures.List1_Click(1);
    window.procedures.Command1_Click(-32768);
    EXPECT_TRUE(window.surface.calls().empty());
    EXPECT_FALSE(window.controls.list(0).enabled) << "still Chosen";
}

// --- A failed control operation stops the procedure at that step. ---

struct FaultCase {
    const char* name;
    std::function<void(Window&)> prepare;
    std::function<void(Window&)> run;
    std::size_t failingStep; // 1 is the procedure's first control operation
    Call failingCall;
    std::function<void(const Window&)> earlierStepsDone;
};

void PrintTo(const FaultCase& test, std::ostream* out) { *out << test.name; }

class FailureAtEveryStep : public ::testing::TestWithParam<FaultCase> { };

TEST_P(FailureAtEveryStep, stopsThereWithTheEarlierStepsDone)
{
    const auto& param = GetParam();
    Window window(ClickOnWrite::Never);
    param.prepare(window);
    window.surface.clearCalls();
    window.surface.failAt(param.failingStep);

    try {
        param.run(window);
        FAIL() << "the failure did not leave the procedure";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.status(), Status::ControlFailed);
        EXPECT_EQ(error.element(), param.failingCall.element);
        EXPECT_EQ(error.property(), param.failingCall.property);
        EXPECT_EQ(error.operation(), param.failingCall.operation);
    }
    EXPECT_EQ(window.surface.calls().size(), param.failingStep) << "no step ran after the failing one";
    EXPECT_EQ(window.surface.calls().back(), param.failingCall);
    param.earlierStepsDone(window);
}

namespace {

void loadAndSelect(Window& w)
{
    w.procedures.Form_Load();
    w.controls.setClickOnWrite(ClickOnWrite::Never);
    ASSERT_EQ(w.controls.writeListIndex(objectList, 2), Status::Ok);
}
void loadAndChoose(Window& w)
{
    w.procedures.Form_Load();
    w.controls.pick(2);
}
void runLoad(Window& w) { w.procedures.Form_Load(); }
void runClick(Window& w) { w.procedures.List1_Click(0); }
void runClear(Window& w) { w.procedures.Command1_Click(0); }

const std::string firstLine = "Детето е излязло от кръга с: \r\n";
const std::string objectLines = firstLine + "Избран предмет: книга\r\n";

} // namespace

INSTANTIATE_TEST_SUITE_P(Procedures, FailureAtEveryStep,
    ::testing::Values(
        FaultCase { "loadClearingTheSelection", [](Window&) {}, runLoad, 1,
            { objectList, Property::ListIndex, Operation::Write },
            [](const Window& w) { EXPECT_TRUE(w.controls.list(1).visible); } },
        FaultCase { "loadHidingTheProfessions", [](Window&) {}, runLoad, 2,
            { professionList, Property::Visible, Operation::Write },
            [](const Window& w) { EXPECT_TRUE(w.controls.list(1).visible); EXPECT_EQ(w.display(), guideText); } },
        FaultCase { "clickReadingTheRow", loadAndSelect, runClick, 1, pickSteps[0],
            [](const Window& w) { EXPECT_EQ(w.display(), guideText); } },
        FaultCase { "clickWritingTheFirstLine", loadAndSelect, runClick, 2, pickSteps[1],
            [](const Window& w) { EXPECT_EQ(w.display(), guideText); } },
        FaultCase { "clickReadingBackTheFirstLine", loadAndSelect, runClick, 3, pickSteps[2],
            [](const Window& w) { EXPECT_EQ(w.display(), firstLine); } },
        FaultCase { "clickReadingTheObject", loadAndSelect, runClick, 4, pickSteps[3],
            [](const Window& w) { EXPECT_EQ(w.display(), firstLine); } },
        FaultCase { "clickWritingTheObjectLine", loadAndSelect, runClick, 5, pickSteps[4],
            [](const Window& w) { EXPECT_EQ(w.display(), firstLine); } },
        FaultCase { "clickReadingBackTheObjectLine", loadAndSelect, runClick, 6, pickSteps[5],
            [](const Window& w) { EXPECT_EQ(w.display(), objectLines); } },
        FaultCase { "clickReadingTheProfession", loadAndSelect, runClick, 7, pickSteps[6],
            [](const Window& w) { EXPECT_EQ(w.display(), objectLines); } },
        FaultCase { "clickWritingTheProfessionLine", loadAndSelect, runClick, 8, pickSteps[7],
            [](const Window& w) { EXPECT_EQ(w.display(), objectLines); EXPECT_TRUE(w.controls.list(0).enabled); } },
        FaultCase { "clickLockingTheList", loadAndSelect, runClick, 9, pickSteps[8],
            [](const Window& w) {
                EXPECT_EQ(w.display(), expectedReport("книга", "писател по вида тема"));
                EXPECT_TRUE(w.controls.list(0).enabled);
            } },
        FaultCase { "clearClearingTheSelection", loadAndChoose, runClear, 1,
            { objectList, Property::ListIndex, Operation::Write },
            [](const Window& w) { EXPECT_EQ(w.controls.list(0).selected, 2); EXPECT_FALSE(w.controls.list(0).enabled); } },
        FaultCase { "clearUnlockingTheList", loadAndChoose, runClear, 2,
            { objectList, Property::Enabled, Operation::Write },
            [](const Window& w) { EXPECT_EQ(w.controls.list(0).selected, noRow); EXPECT_FALSE(w.controls.list(0).enabled); } },
        FaultCase { "clearWritingTheMessage", loadAndChoose, runClear, 3,
            { displayBox, Property::Text, Operation::Write },
            [](const Window& w) {
                EXPECT_TRUE(w.ready());
                EXPECT_EQ(w.display(), expectedReport("книга", "писател по вида тема"));
            } }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RuntimeErrors, failedStatusReachesTheCallerUnchanged)
{
    Window window;
    window.surface.failAt(1, Status::RowOutOfRange);
    try {
        window.procedures.Command1_Click(0);
        FAIL();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.status(), Status::RowOutOfRange);
        EXPECT_STREQ(error.what(), "Грешка при изпълнение: -3 (редът е извън списъка).\nЕлемент: List1(0)\n"
                                   "Операция: запис на свойството ListIndex");
    }
}
