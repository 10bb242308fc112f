#pragma once

#include <QListWidget>

namespace zolinar {

// A single-selection list in which every pick by the user is a choice, made
// the same way whatever the channel:
// - The primary mouse button picks the row under it; other buttons do
//   nothing, so a right-click looking for a menu chooses nothing.
// - While no row is selected, a navigation key picks a fixed row whatever
//   row the focus frame is on, and whether Tab or a click gave the list the
//   focus: Up, Down, Left, Right, Home, Page Up and Page Down pick the
//   first row, End the last, with or without Shift or Ctrl. Space picks the
//   row under the focus frame, or else the first, as in a classic list
//   box. A typed letter picks the first row from the top that starts with it.
// - Assistive technology picks a row through pick(), as the keys do.
// A disabled or hidden list takes no pick from anyone (takesPicks()). With
// a row selected the list behaves as QListWidget does. What a pick means is
// left to whoever listens to the selection.
class ChoiceList final : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    // The selected row, or -1.
    int selectedRow() const;

    // Whether the user can pick a row now: the list is enabled and shown.
    bool takesPicks() const { return isEnabled() && !isHidden(); }
    // Picks a row for the user, if the list takes picks.
    void pick(int row);

    void keyboardSearch(const QString& search) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace zolinar
