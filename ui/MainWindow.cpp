#include "MainWindow.h"

#include "Catalogue.h"
#include "ChoiceList.h"
#include "WindowDefinition.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace zolinar {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QRect toPixels(TwipsRect rect)
{
    return QRect(twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height));
}

QFont toQFont(const FontDefinition& definition)
{
    QFont font(fromUtf8(definition.family), definition.points);
    // 400 is regular on both the Windows and the OpenType weight scale that
    // QFont::Weight follows.
    font.setWeight(static_cast<QFont::Weight>(definition.weight));
    font.setItalic(definition.italic);
    font.setUnderline(definition.underline);
    font.setStrikeOut(definition.strikeOut);
    return font;
}

void fillFace(QWidget* widget, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A graphical button: the face shows its colour itself rather than a
// style's tint or gradient of it, so a style sheet draws it.
QString faceStyleSheet(Colour colour)
{
    const QColor face = toQColor(colour);
    return QStringLiteral(
        "QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
        "QPushButton:focus { border-color: black; }"
        "QPushButton:pressed { border-style: inset; }")
        .arg(face.name(), face.lighter(150).name());
}

// A top-level QWidget presents itself to assistive technology as a mere
// client area; this window is the application's frame, named by its caption.
QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    auto* window = qobject_cast<MainWindow*>(object);
    if (window && className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleWindow);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    const WindowDefinition& definition = mainWindowDefinition();
    setObjectName(fromUtf8(definition.name));
    setWindowTitle(fromUtf8(definition.caption));
    setFixedSize(twipsToPixels(definition.clientWidth), twipsToPixels(definition.clientHeight));
    setFont(toQFont(definition.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(definition.background));
    setPalette(palette);
    setAutoFillBackground(true);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDefinition& controlDefinition : definition.controls) {
        QWidget* widget = build(controlDefinition);
        widget->setObjectName(QString::fromStdString(elementName(controlDefinition.element)));
        widget->setGeometry(toPixels(controlDefinition.rect));
        if (!controlDefinition.accessibleName.empty())
            widget->setAccessibleName(fromUtf8(controlDefinition.accessibleName));
        if (!controlDefinition.accessibleDescription.empty())
            widget->setAccessibleDescription(fromUtf8(controlDefinition.accessibleDescription));
        // Hidden before the window is first shown, so it never appears.
        widget->setVisible(controlDefinition.shown);
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(controlDefinition.tabPosition, widget);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();
}

QWidget* MainWindow::build(const ControlDefinition& definition)
{
    const Element element = definition.element;
    const auto index = static_cast<std::size_t>(element.index);
    switch (definition.kind) {
    case ControlKind::Label: {
        m_label = new QLabel(fromUtf8(definition.text), this);
        m_label->setAlignment(Qt::AlignCenter);
        if (definition.face)
            fillFace(m_label, *definition.face);
        m_surface.addOther(element, m_label);
        return m_label;
    }
    case ControlKind::ListBox: {
        auto* list = new ChoiceList(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        // Every row is one line of the same font: the list need not measure
        // each of them.
        list->setUniformItemSizes(true);
        QStringList items;
        items.reserve(catalogueRowCount);
        for (const CatalogueRow& row : catalogue)
            items << fromUtf8(definition.items == ListItems::Professions ? row.profession : row.object);
        list->addItems(items);
        // Every pick, by mouse, by key or by a ListIndex write, changes the
        // selection; that change, and nothing else, raises Click.
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this, element] {
            raise(m_handlers.listClick, element.index);
        });
        m_lists[index] = list;
        m_surface.addList(element, list);
        return list;
    }
    case ControlKind::PushButton: {
        m_button = new QPushButton(fromUtf8(definition.text), this);
        // Enter presses a focused button too, as Space does.
        m_button->setAutoDefault(true);
        if (definition.face)
            m_button->setStyleSheet(faceStyleSheet(*definition.face));
        connect(m_button, &QPushButton::clicked, this, [this, element] {
            raise(m_handlers.commandClick, element.index);
        });
        m_surface.addOther(element, m_button);
        return m_button;
    }
    case ControlKind::TextBox: {
        auto* textBox = new QPlainTextEdit(this);
        textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        textBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        textBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Read-only, but a person can still select and copy the report.
        textBox->setReadOnly(true);
        // Nothing a person does can change the text, so there is nothing to
        // undo; keeping the history of the program's writes would cost time.
        textBox->setUndoRedoEnabled(false);
        textBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        textBox->setTabChangesFocus(true);
        m_textBoxes[index] = textBox;
        m_surface.addTextBox(element, textBox);
        m_surface.writeText(element, definition.text);
        return textBox;
    }
    }
    return nullptr;
}

void MainWindow::load()
{
    if (!m_handlers.load)
        return;
    const QtControlSurface::EventScope scope(m_surface);
    m_handlers.load();
}

void MainWindow::raise(const std::function<void(std::int16_t)>& handler, std::int16_t index)
{
    if (!handler)
        return;
    const QtControlSurface::EventScope scope(m_surface);
    handler(index);
}

QWidget* MainWindow::control(Element element) const
{
    const auto index = static_cast<std::size_t>(element.index);
    switch (element.array) {
    case ControlArray::Label1: return element.index == 0 ? m_label : nullptr;
    case ControlArray::List1: return index < 2 ? m_lists[index] : nullptr;
    case ControlArray::Command1: return element.index == 0 ? m_button : nullptr;
    case ControlArray::Text1: return index < 2 ? m_textBoxes[index] : nullptr;
    }
    return nullptr;
}

} // namespace zolinar
