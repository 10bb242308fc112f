#pragma once

class QWidget;

namespace zolinar {

// What the program needs from the web page it runs in, when it is built for
// the browser. A page lends no fonts, has no window manager and no process:
// the font the window asks for comes with the program, the window is placed
// here and its caption given to the page, and the end of the program is
// handed to the page, which shows that it has ended. Drawing and input are
// Qt's; what the page shows before and after is the page's own.
class WebPage {
public:
    // Makes the embedded serif font stand in for the window's "Times New
    // Roman", as Liberation Serif does on a Linux desktop.
    static void installFonts();

    // Places the window in the middle of the page, as a desktop's window
    // manager would place it, scaled down to fit a page smaller than it (a
    // phone, a small browser window), and gives the browser's tab its
    // caption.
    static void present(QWidget& window);

    // Ends the program with status: the page is told, and covers it.
    static void end(int status);
};

} // namespace zolinar
