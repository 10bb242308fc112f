#pragma once

#include <QObject>
#include <QEvent>
#include <QPointer>
#include <QString>

#include <emscripten/val.h>

#include <memory>
#include <vector>

class QAccessibleInterface;
class QWidget;

namespace zolinar {

// The program's windows as the browser's assistive technology sees them, in
// a page. Qt draws every window into one canvas and, for WebAssembly, gives
// the browser no accessibility tree of its own; so this mirrors each window
// that is shown (the roles, names, states and actions that its widgets and
// ui/'s accessible interfaces report) as DOM elements in the page's element
// "accessible-window", which the page keeps out of sight but not out of the
// tree: the main window as a listbox of options, a button, a read-only text
// box and the texts; a message box as a modal alert dialog, named by its
// title, described by its text, with its buttons. A polite live region
// reads out the display box's new text, an assertive one a message box as
// it appears.
//
// The canvas, which has the keyboard focus, becomes an application that
// owns the mirror and names the control the window's focus is on as its
// active descendant, so a screen reader follows Tab and clicks without the
// keys leaving the canvas. A click on a mirrored option or button runs the
// control's own action, so it goes where a desktop screen reader's would: a
// locked list, which offers no action, refuses it, and so does a window
// that a modal window blocks, which the mirror also makes inert. Qt's own
// word on what a modal window blocks (the events it sends a blocked window)
// decides that, as it decides it for the mouse and the keys. What the
// controls do is left to the windows and the procedures; how the mirror
// looks, and what the page shows once the program has ended, to the page.
//
// Qt's own accessibility events would be the natural signal of a change,
// but without a platform bridge (none in Qt 6.4 for WebAssembly) Qt counts
// accessibility as inactive and drops them before any handler. Every change
// a user can see makes a window repaint, though, so a window's mirror is
// brought up to date whenever Qt asks it to repaint, and writes only what
// changed.
class WebAccessibility final : public QObject {
public:
    // Mirrors every window the program shows from now on. Does nothing if
    // the page has no such element.
    static void start();

    ~WebAccessibility() override;

    // The page's click on a mirrored element: runs its control's action.
    static void act(emscripten::val event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Node {
        QAccessibleInterface* control;
        emscripten::val element;
        int id;
        QString state; // what was last written
        QString value; // the text it was last seen with
    };
    struct Window {
        QPointer<QWidget> widget;
        emscripten::val element = emscripten::val::null();
        std::vector<Node> nodes;
        bool blocked = false;
    };

    explicit WebAccessibility(const emscripten::val& root);
    void show(QWidget& widget);
    void hide(Window& window);
    Window* windowOf(const QObject* widget);
    void add(Window& window, QAccessibleInterface* control, emscripten::val parent);
    // Gives every mirrored element the state its control reports now,
    // announces what is new, and names the control with the focus.
    void update();
    void update(Window& window);
    void showFocus();

    emscripten::val m_root;
    emscripten::val m_canvas; // Qt's, which has the keyboard focus
    emscripten::val m_polite;
    emscripten::val m_assertive;
    std::vector<std::unique_ptr<Window>> m_windows;
    int m_made = 0;
    QString m_focus;
};

} // namespace zolinar
