#include "PageTexts.h"

#include <cstdio>
#include <string>
#include <string_view>

// Writes the web page's own texts, from the program's content, as the script
// texts.js that the page loads first. The page shows them while the program
// downloads and where it cannot run, so they cannot come from the program.

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

struct PageText {
    const char* name;
    std::string_view text;
};

} // namespace

int main()
{
    using namespace zolinar;
    constexpr PageText texts[] = {
        { "loading", loadingText },
        { "loadedOf", loadedOfText },
        { "loaded", loadedText },
        { "starting", startingText },
        { "cannotRunTitle", cannotRunTitle },
        { "cannotRunText", cannotRunText },
        { "downloadFailedTitle", downloadFailedTitle },
        { "downloadFailedText", downloadFailedText },
        { "stoppedTitle", stoppedTitle },
        { "stoppedText", stoppedText },
        { "tryAgain", tryAgainText },
        { "startAgain", startAgainText },
    };
    std::printf("'use strict';\n// The page's own texts, made by the build from the program's content.\nconst pageTexts = {\n");
    for (const PageText& entry : texts)
        std::printf("  %s: %s,\n", entry.name, quoted(entry.text).c_str());
    std::printf("};\n");
}
