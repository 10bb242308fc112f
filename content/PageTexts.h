#pragma once

#include <string_view>

namespace zolinar {

// What the web page says by itself, when the browser cannot run the program:
// it has no WebAssembly or WebGL, or they are switched off, or the program
// failed while loading. Written for a visitor, with what to do instead.
inline constexpr std::string_view cannotRunTitle = "Програмата не може да работи в този браузър";
inline constexpr std::string_view cannotRunText =
    "Браузърът не поддържа WebAssembly или WebGL, или те са изключени в настройките му. "
    "Отворете страницата в друг, по-нов браузър, например Firefox, Chrome или Safari, "
    "или изтеглете програмата за Windows или за Linux.";

} // namespace zolinar
