#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zolinar::testing {

// Characters (Unicode code points) in a UTF-8 text, as a person counts them.
inline std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(),
        [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}

// Splits at every CR LF; a text that ends with CR LF gives an empty last part.
inline std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n")) {
        lines.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 2);
    }
    lines.emplace_back(text);
    return lines;
}

} // namespace zolinar::testing
