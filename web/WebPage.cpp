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

// Scales the page's screen down so that a window of size, with a margin,
// fits the page both ways (a phone, a small browser window), and shows it
// at its own size where it fits. The page lays the screen out larger by as
// much as it draws it smaller (its --fit), so Qt still works in pixels of
// its own: the window keeps its layout, and a click or a tap lands where it
// is aimed. The browser's viewport cannot do this on a desktop, which
// ignores it, and Qt's own scale factor draws the window clipped in 6.4.
void fitPage(QSize size)
{
    constexpr int margin = 8;
    const emscripten::val page = emscripten::val::global("window");
    const double fits = std::min({ 1.0, page["innerWidth"].as<double>() / (size.width() + 2 * margin),
        page["innerHeight"].as<double>() / (size.height() + 2 * margin) });
    emscripten::val style = emscripten::val::global("document")["documentElement"]["style"];
    const std::string value = std::to_string(fits);
    if (style.call<std::string>("getPropertyValue", std::string("--fit")) != value)
        style.call<void>("setProperty", std::string("--fit"), value);
}

} // namespace

void WebPage::present(QWidget& window)
{
    const auto fit = [&window] {
        QScreen* const page = window.screen();
        if (!page)
            return;
        fitPage(window.frameGeometry().size());
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
