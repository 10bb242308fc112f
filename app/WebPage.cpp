#include "WebPage.h"

#include <QFont>
#include <QFontDatabase>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <emscripten/val.h>

#include <utility>

namespace zolinar {

void WebPage::installFonts()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), families.first());
}

void WebPage::present(QWidget& window)
{
    const auto centre = [&window] {
        if (const QScreen* page = window.screen()) {
            QRect placed = window.frameGeometry();
            placed.moveCenter(page->availableGeometry().center());
            window.move(placed.topLeft());
        }
    };
    centre();
    // The page is the screen: when the browser's window changes size, the
    // window goes back to the middle rather than staying where it was.
    if (const QScreen* page = window.screen())
        QObject::connect(page, &QScreen::availableGeometryChanged, &window, centre);
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
