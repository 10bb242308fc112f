#pragma once

#include "ControlSurface.h"

#include <QHash>
#include <QPointer>
#include <QString>

class QPlainTextEdit;
class QWidget;

namespace zolinar {

class ChoiceList;

// The control operations of the event procedures, carried out on real Qt
// widgets. Elements are registered with the widget that stands for them;
// an element that was never registered, a property its widget does not have,
// a row outside the list, or a widget that no longer exists gives a failed
// status, never a crash.
//
// Text keeps the procedures' exact characters. QPlainTextEdit stores CR LF as
// a paragraph break and hands back "\n", so the surface remembers the last
// text it wrote together with what the widget made of it: while the widget
// still holds that, a read returns exactly what was written, CR LF and
// trailing blanks included. Text that changed in the widget since then is
// read back with CR LF line ends.
//
// While an event is being handled (between beginEvent() and endEvent(), which
// nest), text writes are kept and only the last one is put into the widget
// when the outermost event ends: a choice writes the display box three times
// in a row, and laying out three texts to show one is wasted work. Reads in
// between return what was written. Nothing is painted inside an event, so
// what a person sees is the same.
class QtControlSurface final : public ControlSurface {
public:
    void beginEvent() { ++m_eventDepth; }
    void endEvent();

    // Marks the handling of one event for as long as it lives.
    class EventScope {
    public:
        explicit EventScope(QtControlSurface& surface)
            : m_surface(surface)
        {
            m_surface.beginEvent();
        }
        ~EventScope() { m_surface.endEvent(); }
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        QtControlSurface& m_surface;
    };

    void addList(Element element, ChoiceList* list);
    void addTextBox(Element element, QPlainTextEdit* textBox);
    void addOther(Element element, QWidget* widget);

    Status readListIndex(Element element, Row& row) override;
    Status writeListIndex(Element element, Row row) override;
    Status readListItem(Element element, Row row, std::string& text) override;
    Status writeEnabled(Element element, bool enabled) override;
    Status writeVisible(Element element, bool visible) override;
    Status readText(Element element, std::string& text) override;
    Status writeText(Element element, std::string_view text) override;

private:
    struct Entry {
        QPointer<QWidget> widget;
        ChoiceList* list = nullptr;
        QPlainTextEdit* textBox = nullptr;
        std::string written;  // last text written, exactly
        QString heldAfterWrite; // what the widget held right after that write
        bool pending = false; // written inside an event, not yet in the widget
    };

    static void show(Entry& entry);

    static int key(Element element);
    Status find(Element element, Entry*& entry);
    Status findWidget(Element element, QWidget*& widget);
    Status findList(Element element, Entry*& entry);
    Status findTextBox(Element element, Entry*& entry);

    QHash<int, Entry> m_entries;
    int m_eventDepth = 0;
};

} // namespace zolinar
