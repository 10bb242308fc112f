#pragma once

#include <string_view>

namespace zolinar {

// What the web page says by itself, before the program runs or where it
// cannot: while the program downloads and starts, and, written for a
// visitor with what to do instead, each way the start can fail. In the
// amounts, %1 and %2 stand for megabytes.

inline constexpr std::string_view loadingText = "Програмата се изтегля…";
inline constexpr std::string_view loadedOfText = "%1 от %2 МБ";
inline constexpr std::string_view loadedText = "%1 МБ";
inline constexpr std::string_view startingText = "Програмата се стартира…";

// The browser has no WebAssembly or WebGL, or they are switched off.
inline constexpr std::string_view cannotRunTitle = "Програмата не може да работи в този браузър";
inline constexpr std::string_view cannotRunText =
    "Браузърът не поддържа WebAssembly или WebGL, или те са изключени в настройките му. "
    "Отворете страницата в друг, по-нов браузър, например Firefox, Chrome или Safari, "
    "или изтеглете програмата за Windows или за Linux.";

// The host did not send the program, or the connection dropped on the way.
inline constexpr std::string_view downloadFailedTitle = "Програмата не можа да се изтегли";
inline constexpr std::string_view downloadFailedText =
    "Връзката със сайта прекъсна или сайтът не изпрати програмата. "
    "Проверете връзката си с интернет и опитайте отново. "
    "Ако това се повтаря, сайтът е непълен: съобщете на собственика му.";

// The program arrived whole, and the browser stopped it before its window
// came up, for instance for want of memory.
inline constexpr std::string_view stoppedTitle = "Програмата спря, докато се стартираше";
inline constexpr std::string_view stoppedText =
    "Браузърът не можа да я стартира, най-често поради липса на памет. "
    "Затворете други раздели и програми и опитайте отново, "
    "или изтеглете програмата за Windows или за Linux.";

inline constexpr std::string_view tryAgainText = "Опитай отново";

// Once the program has ended, the page offers to start it again.
inline constexpr std::string_view startAgainText = "Стартирай програмата отново";

} // namespace zolinar
