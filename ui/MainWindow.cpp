#include "MainWindow.h"

#include "AccessibleFactory.h"
#include "Catalogue.h"
#include "Texts.h"
#include "WindowTexts.h"
#include "ui_MainWindow.h"

namespace zolinar {

namespace {

void fill(QListWidget* list, std::string_view CatalogueRow::*column)
{
    QStringList items;
    items.reserve(catalogueRowCount);
    for (const CatalogueRow& row : catalogue)
        items << QString::fromUtf8(row.*column);
    list->addItems(items);
}

void describe(QWidget* widget, std::string_view name, std::string_view description = {})
{
    widget->setAccessibleName(QString::fromUtf8(name));
    if (!description.empty())
        widget->setAccessibleDescription(QString::fromUtf8(description));
}

} // namespace

QtControlSurface::Controls MainWindow::setUpForm()
{
    installAccessibleFactory();
    // The form's widgets are this window's children from here on, and the
    // surface's table holds them; the form itself need not be kept.
    Ui::IT_Zolinar form;
    form.setupUi(this);
    setWindowTitle(QString::fromUtf8(windowCaption));
    form.Label1_0->setText(QString::fromUtf8(titleCaption));
    form.Command1_0->setText(QString::fromUtf8(clearCaption));
    fill(form.List1_0, &CatalogueRow::object);
    fill(form.List1_1, &CatalogueRow::profession);
    form.Text1_0->setExactText(guideText);
    form.Text1_1->setExactText(quoteText);
    describe(form.List1_0, objectListName, objectListDescription);
    describe(form.List1_1, professionListName);
    form.Command1_0->setAccessibleDescription(QString::fromUtf8(clearButtonDescription));
    describe(form.Text1_0, displayBoxName, displayBoxDescription);
    describe(form.Text1_1, quoteBoxName);
    form.Text1_0->setFocus();

    // Every pick, by mouse, by key or by a ListIndex write, changes the
    // selection; that change, and nothing else, raises Click.
    connect(form.List1_0->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit listClick(0); });
    connect(form.List1_1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit listClick(1); });
    connect(form.Command1_0, &QPushButton::clicked, this, [this] { emit commandClick(0); });

    return { { { ControlArray::Label1, 0 }, form.Label1_0 }, { objectList, form.List1_0 },
        { professionList, form.List1_1 }, { { ControlArray::Command1, 0 }, form.Command1_0 },
        { displayBox, form.Text1_0 }, { { ControlArray::Text1, 1 }, form.Text1_1 } };
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , m_surface(setUpForm())
{
}

MainWindow::~MainWindow()
{
    // The child widgets outlive this destructor's members and whatever the
    // owner of this window destroyed before it; a list torn down with a row
    // selected may still report a selection change. Nothing may hear of it.
    // (destroyed() still reaches Qt's own listeners, such as the
    // accessibility cache: blocking spares it, unlike disconnecting all.)
    blockSignals(true);
}

} // namespace zolinar
