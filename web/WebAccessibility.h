#pragma once

#include <QObject>
#include <QEvent>
#include <QString>

#include <emscripten/val.h>

#include <vector>

class QAccessibleInterface;
class QWidget;

namespace zolinar {

// The window as the browser's assistive technology sees it, in a page. Qt
// draws the window into a canvas and, for WebAssembly, gives the browser no
// accessibility tree of its own; so this mirrors the window's accessibility
// tree (the roles, names, states and actions that its widgets and ui/'s
// accessible interfaces report) as a few DOM elements in the page's
// element "accessible-window", which the page keeps out of sight but not
// out of the tree: a listbox of options, a button, a read-only text box and
// the texts, and a polite live region that announces the display box's new
// text. A click on a mirrored option or button runs the interface's own
// action, so it goes where a desktop screen reader's would, and a locked
// list, which offers no action, refuses it. What the controls do is left to
// the window and the procedures; how the mirror looks, to the page.
//
// Qt's own accessibility events would be the natural signal of a change,
// but without a platform bridge (none in Qt 6.4 for WebAssembly) Qt counts
// accessibility as inactive and drops them before any handler. Every change
// a user can see makes the window repaint, though, so the mirror is brought
// up to date whenever Qt asks the window to repaint, and writes only what
// changed.
class WebAccessibility final : public QObject {
public:
    // Mirrors window, for as long as the window lives. Does nothing if the
    // page has no such element.
    static void mirror(QWidget& window);

    ~WebAccessibility() override;

    // The page's click on a mirrored element: runs its control's action.
    static void act(emscripten::val event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Node {
        QAccessibleInterface* control;
        emscripten::val element;
        QString state; // what was last written
    };

    WebAccessibility(QWidget& window, const emscripten::val& root);
    void add(QAccessibleInterface* control, emscripten::val parent);
    // Gives every mirrored element the state its control reports now, and
    // announces the display box's text if it changed.
    void update();

    std::vector<Node> m_nodes;
    emscripten::val m_announcer = emscripten::val::null();
    QString m_announced;
};

} // namespace zolinar
