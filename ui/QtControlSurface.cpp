#include "QtControlSurface.h"

#include "ChoiceList.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace zolinar {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The widget's form of a text: one "\n" for each CR LF.
QString toWidgetLineEnds(std::string_view text)
{
    QString converted = fromUtf8(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

std::string fromWidgetLineEnds(QString text)
{
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

} // namespace

int QtControlSurface::key(Element element)
{
    return static_cast<int>(element.array) << 16 | static_cast<std::uint16_t>(element.index);
}

void QtControlSurface::addList(Element element, ChoiceList* list)
{
    m_entries.insert(key(element), Entry { list, list, nullptr, {}, {} });
}

void QtControlSurface::addTextBox(Element element, QPlainTextEdit* textBox)
{
    m_entries.insert(key(element), Entry { textBox, nullptr, textBox, {}, {} });
}

void QtControlSurface::addOther(Element element, QWidget* widget)
{
    m_entries.insert(key(element), Entry { widget, nullptr, nullptr, {}, {} });
}

Status QtControlSurface::find(Element element, Entry*& entry)
{
    const auto found = m_entries.find(key(element));
    if (found == m_entries.end())
        return Status::UnknownElement;
    if (found->widget.isNull())
        return Status::ControlFailed;
    entry = &found.value();
    return Status::Ok;
}

Status QtControlSurface::findWidget(Element element, QWidget*& widget)
{
    Entry* entry = nullptr;
    if (const Status status = find(element, entry); failed(status))
        return status;
    widget = entry->widget.data();
    return widget ? Status::Ok : Status::ControlFailed;
}

Status QtControlSurface::findList(Element element, Entry*& entry)
{
    if (const Status status = find(element, entry); failed(status))
        return status;
    return entry->list ? Status::Ok : Status::UnsupportedProperty;
}

Status QtControlSurface::findTextBox(Element element, Entry*& entry)
{
    if (const Status status = find(element, entry); failed(status))
        return status;
    return entry->textBox ? Status::Ok : Status::UnsupportedProperty;
}

Status QtControlSurface::readListIndex(Element element, Row& row)
{
    Entry* entry = nullptr;
    if (const Status status = findList(element, entry); failed(status))
        return status;
    row = static_cast<Row>(entry->list->selectedRow());
    return Status::Ok;
}

Status QtControlSurface::writeListIndex(Element element, Row row)
{
    Entry* entry = nullptr;
    if (const Status status = findList(element, entry); failed(status))
        return status;
    ChoiceList* list = entry->list;
    if (row < noRow || row >= list->count())
        return Status::RowOutOfRange;
    // Either branch changes the selection synchronously, so a Click for the
    // change runs before this returns.
    if (row == noRow) {
        // Clears the current row as well, so that the next arrow key picks
        // the first row rather than moving on from a row nobody chose.
        list->selectionModel()->clear();
    } else {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(row));
    }
    return Status::Ok;
}

Status QtControlSurface::readListItem(Element element, Row row, std::string& text)
{
    Entry* entry = nullptr;
    if (const Status status = findList(element, entry); failed(status))
        return status;
    if (row < 0 || row >= entry->list->count())
        return Status::RowOutOfRange;
    const QListWidgetItem* item = entry->list->item(row);
    if (!item)
        return Status::ControlFailed;
    text = item->text().toStdString();
    return Status::Ok;
}

Status QtControlSurface::writeEnabled(Element element, bool enabled)
{
    QWidget* widget = nullptr;
    if (const Status status = findWidget(element, widget); failed(status))
        return status;
    widget->setEnabled(enabled);
    return Status::Ok;
}

Status QtControlSurface::writeVisible(Element element, bool visible)
{
    QWidget* widget = nullptr;
    if (const Status status = findWidget(element, widget); failed(status))
        return status;
    widget->setVisible(visible);
    return Status::Ok;
}

void QtControlSurface::endEvent()
{
    if (m_eventDepth > 0 && --m_eventDepth > 0)
        return;
    for (Entry& entry : m_entries) {
        if (entry.pending && entry.widget)
            show(entry);
    }
}

void QtControlSurface::show(Entry& entry)
{
    // Replaces the document's text directly, which costs half of what the
    // widget's setPlainText does (that also resets its editing state, which a
    // read-only box does not have), then puts the caret and the view at the
    // start as setPlainText would.
    entry.textBox->document()->setPlainText(toWidgetLineEnds(entry.written));
    entry.textBox->moveCursor(QTextCursor::Start);
    entry.heldAfterWrite = entry.textBox->toPlainText();
    entry.pending = false;
}

Status QtControlSurface::readText(Element element, std::string& text)
{
    Entry* entry = nullptr;
    if (const Status status = findTextBox(element, entry); failed(status))
        return status;
    if (entry->pending) {
        text = entry->written;
        return Status::Ok;
    }
    const QString held = entry->textBox->toPlainText();
    text = held == entry->heldAfterWrite ? entry->written : fromWidgetLineEnds(held);
    return Status::Ok;
}

Status QtControlSurface::writeText(Element element, std::string_view text)
{
    Entry* entry = nullptr;
    if (const Status status = findTextBox(element, entry); failed(status))
        return status;
    entry->written = text;
    entry->pending = true;
    if (m_eventDepth == 0)
        show(*entry);
    return Status::Ok;
}

} // namespace zolinar
