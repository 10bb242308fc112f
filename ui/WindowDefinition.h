#pragma once

#include "ControlSurface.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zolinar {

// Positions and sizes are in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch. Qt lays out in device-independent pixels and scales them
// for high-DPI screens itself, so dividing by 15 is the whole conversion.
inline constexpr int twipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return twips / twipsPerPixel; }

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind : std::uint8_t { Label, ListBox, PushButton, TextBox };

// Which catalogue column fills a list box.
enum class ListItems : std::uint8_t { None, Objects, Professions };

struct ControlDefinition {
    Element element;
    ControlKind kind;
    TwipsRect rect;
    bool shown;
    int tabPosition;
    std::string_view text;       // caption of a label or button, initial text of a text box
    ListItems items;             // list boxes only
    std::optional<Colour> face;  // an opaque background of its own (label, graphical button)
    std::string_view accessibleName;        // empty: the caption serves
    std::string_view accessibleDescription;
};

struct FontDefinition {
    std::string_view family;
    int points;
    int weight; // 400 is regular
    bool italic;
    bool underline;
    bool strikeOut;
};

// Everything the window is made of, as data: the Qt side builds the widgets
// from this and nothing else, so a test can compare the built window with it.
struct WindowDefinition {
    std::string_view name;
    std::string_view caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    Colour background;
    FontDefinition font;
    std::array<ControlDefinition, 6> controls;
};

const WindowDefinition& mainWindowDefinition();

} // namespace zolinar
