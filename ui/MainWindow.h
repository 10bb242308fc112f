#pragma once

#include "QtControlSurface.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zolinar {

class ChoiceList;
struct ControlDefinition;

// The program's one window, IT_Zolinar, built from its definition: six
// controls with their places, colours, captions and contents, and the tab
// order. It offers its controls to the event procedures as a ControlSurface
// and raises Load and Click through the handlers it is given. It knows
// nothing of what the procedures do or of how their errors are handled.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    struct Handlers {
        std::function<void()> load;
        std::function<void(std::int16_t index)> listClick;
        std::function<void(std::int16_t index)> commandClick;
    };

    explicit MainWindow(QWidget* parent = nullptr);

    void setHandlers(Handlers handlers) { m_handlers = std::move(handlers); }
    ControlSurface& surface() { return m_surface; }

    // Raises Load: called once, after creation and before the window is shown.
    void load();

    // The widget that stands for an element, or nullptr.
    QWidget* control(Element element) const;
    ChoiceList* objectListWidget() const { return m_lists[0]; }
    QPushButton* clearButton() const { return m_button; }
    QPlainTextEdit* displayBoxWidget() const { return m_textBoxes[0]; }

private:
    QWidget* build(const ControlDefinition& definition);
    void raise(const std::function<void(std::int16_t)>& handler, std::int16_t index);

    QtControlSurface m_surface;
    Handlers m_handlers;
    QLabel* m_label = nullptr;
    ChoiceList* m_lists[2] {};
    QPushButton* m_button = nullptr;
    QPlainTextEdit* m_textBoxes[2] {};
};

} // namespace zolinar
