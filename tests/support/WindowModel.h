#pragma once

#include "Catalogue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zolinar::testing {

// What a person can do to the window, as the random session test drives it.
enum class UserAction : std::uint8_t {
    ClickRow,       // a mouse click on a visible row of the object list
    ClickClear,     // a mouse click on Clear
    ClickDisplay,   // a mouse click into the display box
    KeyUp, KeyDown, KeyHome, KeyEnd, KeyPageUp, KeyPageDown,
    KeySpace, KeyEnter, KeyLetter,
    Tab, BackTab,
    Wheel,          // a wheel turn over the list or the display box
    TypeText,       // typing into the display box
    PasteText,      // Ctrl+V into the display box
};

enum class Focus : std::uint8_t { DisplayBox, ObjectList, ClearButton };

std::string_view actionName(UserAction action);
std::string_view focusName(Focus focus);

// The window's observable state as the program is meant to keep it, worked
// out from first principles rather than from the program's code: Ready or
// Chosen, the selected row, the display box text and where the keyboard
// focus is. Keys go to the control with the focus, as they do on screen.
class WindowModel {
public:
    WindowModel();

    bool listEnabled() const { return m_listEnabled; }
    Row selectedRow() const { return m_selected; }
    const std::string& displayText() const { return m_display; }
    Focus focus() const { return m_focus; }

    // row: the clicked row (ClickRow). letter: the typed letter (KeyLetter),
    // UTF-8, one character.
    void apply(UserAction action, Row row = noRow, std::string_view letter = {});

    static std::string report(Row row);
    static constexpr std::string_view resetText = "Направете своя нов избор!";
    // The first row whose object starts with the letter, ignoring case.
    static std::optional<Row> firstRowStartingWith(std::string_view letter);

private:
    void pick(Row row);
    void clear();
    void key(UserAction action, std::string_view letter);

    bool m_listEnabled = true;
    Row m_selected = noRow;
    std::string m_display;
    Focus m_focus = Focus::DisplayBox;
};

} // namespace zolinar::testing
