#include "WebAccessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QWidget>

#include <emscripten/bind.h>

#include <algorithm>
#include <string>

namespace zolinar {

using emscripten::val;

namespace {

// The one mirror, which the page's clicks reach (act()).
WebAccessibility* theMirror = nullptr;

// How a control of a role is mirrored: the element and its ARIA role, or
// nothing for panes, whose children are mirrored in their place.
struct Mirrored {
    const char* tag;
    const char* role;
};

Mirrored mirroredAs(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Window:
        return { "div", nullptr };
    case QAccessible::Dialog:
        return { "div", "dialog" };
    case QAccessible::AlertMessage:
        return { "div", "alertdialog" };
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

val document()
{
    return val::global("document");
}

val text(const QString& s)
{
    return val(s.toStdString());
}

const char* boolean(bool value)
{
    return value ? "true" : "false";
}

val liveRegion(val root, const char* politeness)
{
    val region = document().call<val>("createElement", std::string("div"));
    region.call<void>("setAttribute", std::string("aria-live"), std::string(politeness));
    root.call<void>("appendChild", region);
    return region;
}

// The control that has the keyboard focus: the focused widget, or the part
// of it that has it (a list's current row).
QAccessibleInterface* focusedControl()
{
    QWidget* const widget = QApplication::focusWidget();
    QAccessibleInterface* focused = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    while (focused) {
        QAccessibleInterface* const inner = focused->focusChild();
        if (!inner || inner == focused)
            break;
        focused = inner;
    }
    return focused;
}

} // namespace

void WebAccessibility::start()
{
    const val root = document().call<val>("getElementById", std::string("accessible-window"));
    if (root.isNull() || theMirror)
        return;
    theMirror = new WebAccessibility(root);
}

WebAccessibility::WebAccessibility(const val& root)
    : QObject(qApp)
    , m_root(root)
    , m_canvas(document().call<val>("querySelector", std::string("#screen canvas")))
    , m_polite(liveRegion(root, "polite"))
    , m_assertive(liveRegion(root, "assertive"))
{
    // The keys go to Qt's canvas, and stay there: it is an application,
    // which a screen reader passes the keys to, and it owns the mirror, whose
    // element that has the window's focus it names.
    if (!m_canvas.isNull()) {
        m_canvas.call<void>("setAttribute", std::string("role"), std::string("application"));
        m_canvas.call<void>("setAttribute", std::string("aria-label"), text(QGuiApplication::applicationDisplayName()));
        m_canvas.call<void>("setAttribute", std::string("aria-owns"), root["id"]);
    }
    // A click reaches the mirror's elements as a screen reader sends it.
    root.call<void>("addEventListener", std::string("click"), val::module_property("zolinarAct"));
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
    qApp->installEventFilter(this);
}

WebAccessibility::~WebAccessibility()
{
    theMirror = nullptr;
}

WebAccessibility::Window* WebAccessibility::windowOf(const QObject* widget)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(), [widget](const auto& window) { return window->widget == widget; });
    return found == m_windows.end() ? nullptr : found->get();
}

bool WebAccessibility::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() && !windowOf(watched))
            show(*static_cast<QWidget*>(watched));
        break;
    case QEvent::Hide:
        if (Window* window = windowOf(watched))
            hide(*window);
        break;
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
        if (Window* window = windowOf(watched)) {
            window->blocked = event->type() == QEvent::WindowBlocked;
            window->element.set("inert", window->blocked);
        }
        break;
    case QEvent::UpdateRequest:
        if (windowOf(watched))
            update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WebAccessibility::show(QWidget& widget)
{
    QAccessibleInterface* const control = QAccessible::queryAccessibleInterface(&widget);
    if (!control || !mirroredAs(control->role()).tag)
        return;
    auto window = std::make_unique<Window>();
    window->widget = &widget;
    add(*window, control, m_root);
    window->element = window->nodes.front().element;
    // A dialog speaks for itself: it is described by its texts, and read
    // out, title and texts, as it appears.
    if (control->role() == QAccessible::Dialog || control->role() == QAccessible::AlertMessage) {
        std::string describedBy;
        QString said = control->text(QAccessible::Name);
        for (const Node& node : window->nodes) {
            if (node.control->role() == QAccessible::StaticText && !node.control->state().invisible) {
                describedBy += (describedBy.empty() ? "" : " ") + node.element["id"].as<std::string>();
                said += QLatin1Char('\n') + node.control->text(QAccessible::Name);
            }
        }
        window->element.call<void>("setAttribute", std::string("aria-modal"), std::string(boolean(widget.isModal())));
        window->element.call<void>("setAttribute", std::string("aria-describedby"), describedBy);
        m_assertive.set("textContent", text(said));
    }
    m_root.call<void>("insertBefore", window->element, m_polite);
    m_windows.push_back(std::move(window));
    update();
}

void WebAccessibility::hide(Window& window)
{
    window.element.call<void>("remove");
    std::erase_if(m_windows, [&window](const auto& mirrored) { return mirrored.get() == &window; });
    update();
}

void WebAccessibility::add(Window& window, QAccessibleInterface* control, val parent)
{
    const Mirrored as = mirroredAs(control->role());
    if (as.tag) {
        const int id = ++m_made;
        val element = document().call<val>("createElement", std::string(as.tag));
        element.set("id", "zolinar-" + std::to_string(id));
        if (as.role)
            element.call<void>("setAttribute", std::string("role"), std::string(as.role));
        if (control->role() == QAccessible::ListItem || control->role() == QAccessible::PushButton) {
            // Acted on by a click, and kept out of the page's tab order: the
            // keys go to the window itself.
            element.call<void>("setAttribute", std::string("data-node"), std::to_string(id));
            element.call<void>("setAttribute", std::string("tabindex"), std::string("-1"));
        }
        if (!window.nodes.empty())
            parent.call<void>("appendChild", element);
        window.nodes.push_back({ control, element, id, {}, {} });
        parent = element;
    }
    for (int i = 0; i < control->childCount(); ++i) {
        if (QAccessibleInterface* child = control->child(i))
            add(window, child, parent);
    }
}

void WebAccessibility::update()
{
    for (const auto& window : m_windows)
        update(*window);
    showFocus();
}

void WebAccessibility::update(Window& window)
{
    for (Node& node : window.nodes) {
        const QAccessible::Role role = node.control->role();
        const QAccessible::State state = node.control->state();
        const QString name = node.control->text(QAccessible::Name);
        const QString value = role == QAccessible::EditableText ? node.control->text(QAccessible::Value) : name;
        // A row scrolled out of the list's view is still one of its options;
        // a window is mirrored only while it is shown.
        const bool hidden = state.invisible && role != QAccessible::ListItem && &node != &window.nodes.front();
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
            // What the visitor's picks and Clear write into the box is read
            // out as it comes. The text the window opens with is not: it is
            // the box's value, which a screen reader reads on reaching the
            // box, as on the desktop, and it is not spoken over the page's
            // own first words.
            if (!node.state.isEmpty() && value != node.value && !hidden)
                m_polite.set("textContent", text(value));
            break;
        case QAccessible::Window:
            // The program's main window is named by the page's title.
            break;
        case QAccessible::Dialog:
        case QAccessible::AlertMessage:
        case QAccessible::List:
            element.call<void>("setAttribute", std::string("aria-label"), text(name));
            break;
        default:
            element.set("textContent", text(name));
            break;
        }
        node.state = now;
        node.value = value;
    }
}

void WebAccessibility::showFocus()
{
    QAccessibleInterface* const focused = focusedControl();
    QString focus;
    for (const auto& window : m_windows) {
        for (const Node& node : window->nodes) {
            if (node.control == focused)
                focus = QStringLiteral("zolinar-%1").arg(node.id);
        }
    }
    if (focus == m_focus || m_canvas.isNull())
        return;
    m_focus = focus;
    if (focus.isEmpty())
        m_canvas.call<void>("removeAttribute", std::string("aria-activedescendant"));
    else
        m_canvas.call<void>("setAttribute", std::string("aria-activedescendant"), text(focus));
}

void WebAccessibility::act(val event)
{
    const val element = event["target"].call<val>("closest", std::string("[data-node]"));
    if (!theMirror || element.isNull())
        return;
    const int id = std::stoi(element.call<std::string>("getAttribute", std::string("data-node")));
    for (const auto& window : theMirror->m_windows) {
        for (const Node& node : window->nodes) {
            if (node.id != id)
                continue;
            // A window under a modal one takes nothing, as for the mouse and
            // the keys. The control's first action is its own: a pick for a
            // row that takes one, a press for a button. A locked list's rows
            // offer none.
            if (window->blocked)
                return;
            if (QAccessibleActionInterface* actions = node.control->actionInterface()) {
                const QStringList names = actions->actionNames();
                if (!names.isEmpty())
                    actions->doAction(names.first());
            }
            return;
        }
    }
}

EMSCRIPTEN_BINDINGS(zolinar_accessibility)
{
    emscripten::function("zolinarAct", &WebAccessibility::act);
}

} // namespace zolinar
