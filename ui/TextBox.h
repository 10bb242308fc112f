#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace zolinar {

// A multi-line text box that gives back exactly the text the program wrote
// into it. QPlainTextEdit keeps CR LF as a paragraph break and hands back
// "\n", so the box remembers the last text written together with what the
// widget made of it: while the widget still holds that, exactText() returns
// the written characters, CR LF and trailing blanks included. Text that
// changed in the widget since then reads back with CR LF line ends. A copy
// puts plain text alone on the clipboard: a browser takes a single kind of
// data from a page (Firefox refuses more), and the box has no rich text.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // Replaces the whole content (UTF-8, CR LF line ends) and shows it from
    // its first line.
    void setExactText(std::string_view text);
    std::string exactText() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    std::string m_written;
    QString m_heldAfterWrite;
};

} // namespace zolinar
