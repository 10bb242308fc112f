#pragma once

#include <QListWidget>

namespace zolinar {

// A single-selection list in which every keyboard move is a pick. A plain
// QListWidget marks the first row as current, unselected, when it gets the
// focus; Down would then skip that row and pick the second. Here, while no
// row is selected, Up, Down, Home, Page Up and Page Down pick the first row,
// End picks the last, and Space the row under the focus frame or else the
// first, as in a classic list box; a typed letter picks the first row from
// the top that starts with it. With a row selected the list behaves as
// QListWidget does. What a pick means is left to whoever
// listens to the selection.
class ChoiceList final : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    // The selected row, or -1.
    int selectedRow() const;

    void keyboardSearch(const QString& search) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zolinar
