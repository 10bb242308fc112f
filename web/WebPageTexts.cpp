#include "PageTexts.h"

#include <cstdio>
#include <string>
#include <string_view>

// Writes the web page's own texts, from the program's content, as the script
// texts.js that the page loads. The page shows them when the browser cannot
// run the program, so they cannot come from the program itself.

namespace {

// A JavaScript string literal of UTF-8 text.
std::string quoted(std::string_view text)
{
    std::string literal = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\')
            literal += '\\';
        if (static_cast<unsigned char>(c) >= 0x20)
            literal += c;
    }
    return literal + "'";
}

} // namespace

int main()
{
    std::printf("'use strict';\n// The page's own texts, made by the build from the program's content.\n"
                "const pageTexts = {\n  cannotRunTitle: %s,\n  cannotRunText: %s,\n};\n",
        quoted(zolinar::cannotRunTitle).c_str(), quoted(zolinar::cannotRunText).c_str());
}
