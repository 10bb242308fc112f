#include "AccessibleFactory.h"

#include "AccessibleChoiceList.h"
#include "AccessibleTextBox.h"
#include "ChoiceList.h"
#include "MainWindow.h"
#include "TextBox.h"

namespace zolinar {

namespace {

// A top-level QWidget presents itself as a mere client area and lists every
// child widget, hidden ones included; this window is the application's
// frame and lists the controls that are shown.
class AccessibleWindow final : public QAccessibleWidget {
public:
    explicit AccessibleWindow(MainWindow* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return int(controls().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList shown = controls();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QWidgetList controls() const
    {
        QWidgetList shown;
        for (QWidget* control : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow() && !control->isHidden())
                shown << control;
        }
        return shown;
    }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new AccessibleWindow(qobject_cast<MainWindow*>(object));
    if (className == QLatin1String(ChoiceList::staticMetaObject.className()))
        return new AccessibleChoiceList(qobject_cast<ChoiceList*>(object));
    if (className == QLatin1String(TextBox::staticMetaObject.className()))
        return new AccessibleTextBox(qobject_cast<TextBox*>(object));
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zolinar
