#include "TextBox.h"

#include <QMimeData>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace zolinar {

void TextBox::setExactText(std::string_view text)
{
    m_written = text;
    QString shown = QString::fromUtf8(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Replaces the document's text directly: that costs half of what
    // setPlainText does, which also resets an editing state that a read-only
    // box does not have. Then the caret and the view go to the start, as
    // setPlainText would put them.
    document()->setPlainText(shown);
    moveCursor(QTextCursor::Start);
    m_heldAfterWrite = toPlainText();
}

std::string TextBox::exactText() const
{
    QString held = toPlainText();
    if (held == m_heldAfterWrite)
        return m_written;
    held.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return held.toStdString();
}

QMimeData* TextBox::createMimeDataFromSelection() const
{
    auto* plain = new QMimeData;
    plain->setText(textCursor().selection().toPlainText());
    return plain;
}

} // namespace zolinar
