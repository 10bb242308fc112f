#include "WebAccessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QWidget>

#include <emscripten/bind.h>

#include <string>

namespace zolinar {

using emscripten::val;

namespace {

// The one mirror, which the page's clicks reach (act()).
WebAccessibility* theMirror = nullptr;

// How a control of a role is mirrored: the element and its ARIA role, or
// nothing for the window and its panes, whose children are mirrored in
// their place.
struct Mirrored {
    const char* tag;
    const char* role;
};

Mirrored mirroredAs(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::List:
        return { "div", "listbox" };
    case QAccessible::ListItem:
        return { "div", "option" };
    case QAccessible::PushButton:
        return { "button", nullptr };
    case QAccessible::EditableText:
        return { "div", "textbox" };
    case QAccessible::StaticText:
        return { "div", nullptr };
    default:
        return { nullptr, nullptr };
    }
}

val text(const QString& s)
{
    return val(s.toStdString());
}

const char* boolean(bool value)
{
    return value ? "true" : "false";
}

} // namespace

void WebAccessibility::mirror(QWidget& window)
{
    const val root = val::global("document").call<val>("getElementById", std::string("accessible-window"));
    if (root.isNull() || theMirror)
        return;
    theMirror = new WebAccessibility(window, root);
}

WebAccessibility::WebAccessibility(QWidget& window, const val& root)
    : QObject(&window)
{
    add(QAccessible::queryAccessibleInterface(&window), root);
    m_announcer = val::global("document").call<val>("createElement", std::string("div"));
    m_announcer.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    root.call<void>("appendChild", m_announcer);
    // A click reaches the mirror's elements as a screen reader sends it.
    root.call<void>("addEventListener", std::string("click"), val::module_property("zolinarAct"));
    update();
    window.installEventFilter(this);
}

WebAccessibility::~WebAccessibility()
{
    theMirror = nullptr;
}

void WebAccessibility::add(QAccessibleInterface* control, val parent)
{
    const Mirrored as = mirroredAs(control->role());
    if (as.tag) {
        val element = val::global("document").call<val>("createElement", std::string(as.tag));
        if (as.role)
            element.call<void>("setAttribute", std::string("role"), std::string(as.role));
        if (control->role() == QAccessible::ListItem || control->role() == QAccessible::PushButton) {
            // Acted on by a click, and kept out of the page's tab order: the
            // keys go to the window itself.
            element.call<void>("setAttribute", std::string("data-node"), std::to_string(m_nodes.size()));
            element.call<void>("setAttribute", std::string("tabindex"), std::string("-1"));
        }
        parent.call<void>("appendChild", element);
        m_nodes.push_back({ control, element, {} });
        parent = element;
    }
    for (int i = 0; i < control->childCount(); ++i) {
        if (QAccessibleInterface* child = control->child(i))
            add(child, parent);
    }
}

bool WebAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest)
        update();
    return QObject::eventFilter(watched, event);
}

void WebAccessibility::update()
{
    for (Node& node : m_nodes) {
        const QAccessible::Role role = node.control->role();
        const QAccessible::State state = node.control->state();
        const QString name = node.control->text(QAccessible::Name);
        const QString value = role == QAccessible::EditableText ? node.control->text(QAccessible::Value) : name;
        // A row scrolled out of the list's view is still one of its options.
        const bool hidden = state.invisible && role != QAccessible::ListItem;
        const QString now = QStringLiteral("%1|%2|%3|%4|%5").arg(int(state.disabled)).arg(int(state.selected)).arg(int(hidden)).arg(name, value);
        if (now == node.state)
            continue;
        val& element = node.element;
        element.set("hidden", hidden);
        element.call<void>("setAttribute", std::string("aria-disabled"), std::string(boolean(state.disabled)));
        switch (role) {
        case QAccessible::ListItem:
            element.call<void>("setAttribute", std::string("aria-selected"), std::string(boolean(state.selected)));
            element.set("textContent", text(name));
            break;
        case QAccessible::EditableText:
            element.call<void>("setAttribute", std::string("aria-label"), text(name));
            element.call<void>("setAttribute", std::string("aria-readonly"), std::string(boolean(state.readOnly)));
            element.call<void>("setAttribute", std::string("aria-multiline"), std::string(boolean(state.multiLine)));
            element.set("textContent", text(value));
            // The box's new text is read out once it is there, but not the
            // text the window opens with.
            if (!node.state.isEmpty() && value != m_announced && !hidden)
                m_announcer.set("textContent", text(value));
            if (!hidden)
                m_announced = value;
            break;
        case QAccessible::List:
            element.call<void>("setAttribute", std::string("aria-label"), text(name));
            break;
        default:
            element.set("textContent", text(name));
            break;
        }
        node.state = now;
    }
}

void WebAccessibility::act(val event)
{
    const val element = event["target"].call<val>("closest", std::string("[data-node]"));
    if (!theMirror || element.isNull())
        return;
    const auto index = std::stoul(element.call<std::string>("getAttribute", std::string("data-node")));
    if (index >= theMirror->m_nodes.size())
        return;
    // The control's first action is its own: a pick for a row that takes
    // one, a press for a button. A locked list's rows offer none.
    if (QAccessibleActionInterface* actions = theMirror->m_nodes[index].control->actionInterface()) {
        const QStringList names = actions->actionNames();
        if (!names.isEmpty())
            actions->doAction(names.first());
    }
}

EMSCRIPTEN_BINDINGS(zolinar_accessibility)
{
    emscripten::function("zolinarAct", &WebAccessibility::act);
}

} // namespace zolinar
