#pragma once

#include "QtControlSurface.h"

#include <QWidget>

#include <cstdint>

namespace zolinar {

// The program's one window, IT_Zolinar. Its form (MainWindow.ui) holds the
// six controls with their places, colours, font and tab order; the window
// fills in their texts and lists from the program's content. It offers its
// controls to the event procedures as a ControlSurface and raises the Click
// events as signals; Load, what the procedures do, and what happens when one
// fails are left to the program.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    ControlSurface& surface() { return m_surface; }

signals:
    // The selected row of List1(index) changed, by mouse, key or a write.
    void listClick(std::int16_t index);
    // Command1(index) was pressed.
    void commandClick(std::int16_t index);

private:
    // Sets the form up on this window, fills it from the content, connects
    // its events, and names the element of each control.
    QtControlSurface::Controls setUpForm();

    QtControlSurface m_surface;
};

} // namespace zolinar
