#include "WebPage.h"

#include <QFont>
#include <QFontDatabase>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace zolinar {

void WebPage::installFonts()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), families.first());
}

namespace {

// Scales the page on a phone or a tablet so that a window of size, with a
// margin, fits the screen both ways. The browser's own scale of the
// viewport is the means: Qt works in the page's CSS pixels, which the
// scale leaves as they are, so every tap lands where it is aimed (a CSS
// transform of the canvas would shrink the picture but not what Qt takes
// a touch's place to be). Desktop browsers ignore the viewport; there the
// page's own zoom does the same.
void fitViewport(QSize size)
{
    constexpr int margin = 8;
    const emscripten::val document = emscripten::val::global("document");
    emscripten::val viewport = document.call<emscripten::val>("querySelector", std::string("meta[name=viewport]"));
    const emscripten::val visible = emscripten::val::global("visualViewport");
    if (viewport.isNull() || visible.isUndefined())
        return;
    // The screen's size in CSS pixels at the scale of 1, whatever the
    // scale is now.
    const double scale = visible["scale"].as<double>();
    const double width = visible["width"].as<double>() * scale;
    const double height = visible["height"].as<double>() * scale;
    const double fits = std::min({ 1.0, width / (size.width() + 2 * margin), height / (size.height() + 2 * margin) });
    const std::string content = fits < 1.0
        ? "width=" + std::to_string(static_cast<int>(std::ceil(width / fits)))
        : std::string("width=device-width, initial-scale=1");
    if (viewport.call<std::string>("getAttribute", std::string("content")) != content)
        viewport.call<void>("setAttribute", std::string("content"), content);
}

} // namespace

void WebPage::present(QWidget& window)
{
    const auto fit = [&window] {
        QScreen* const page = window.screen();
        if (!page)
            return;
        fitViewport(window.frameGeometry().size());
        QRect placed = window.frameGeometry();
        placed.moveCenter(page->availableGeometry().center());
        window.move(placed.topLeft());
    };
    fit();
    // Again once shown, when the window's frame, and so its whole size, is known.
    QTimer::singleShot(0, &window, fit);
    // The page is the screen: when the browser's window changes size, or a
    // phone is turned, the window fits it again and goes back to the middle.
    if (const QScreen* page = window.screen())
        QObject::connect(page, &QScreen::availableGeometryChanged, &window, fit);
    emscripten::val::global("document").set("title", window.windowTitle().toStdString());
}

void WebPage::end(int status)
{
    // The runtime is left as it is, with the callbacks Qt has given the
    // browser still valid; the page covers the program, so no input reaches
    // it any more. A program ends once: after a failed Load, the report's
    // closing is also the last window's.
    static bool ended = false;
    if (std::exchange(ended, true))
        return;
    const emscripten::val onExit = emscripten::val::module_property("onExit");
    if (!onExit.isUndefined())
        onExit(status);
}

} // namespace zolinar
