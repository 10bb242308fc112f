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
    m_form = std::make_unique<Ui::IT_Zolinar>();
    m_form->setupUi(this);
    return { { { ControlArray::Label1, 0 }, m_form->Label1_0 }, { objectList, m_form->List1_0 },
        { professionList, m_form->List1_1 }, { { ControlArray::Command1, 0 }, m_form->Command1_0 },
        { displayBox, m_form->Text1_0 }, { { ControlArray::Text1, 1 }, m_form->Text1_1 } };
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(windowCaption));
    m_form->Label1_0->setText(QString::fromUtf8(titleCaption));
    m_form->Command1_0->setText(QString::fromUtf8(clearCaption));
    fill(m_form->List1_0, &CatalogueRow::object);
    fill(m_form->List1_1, &CatalogueRow::profession);
    m_form->Text1_0->setExactText(guideText);
    m_form->Text1_1->setExactText(quoteText);
    describe(m_form->List1_0, objectListName, objectListDescription);
    describe(m_form->List1_1, professionListName);
    m_form->Command1_0->setAccessibleDescription(QString::fromUtf8(clearButtonDescription));
    describe(m_form->Text1_0, displayBoxName, displayBoxDescription);
    describe(m_form->Text1_1, quoteBoxName);
    m_form->Text1_0->setFocus();

    // Every pick, by mouse, by key or by a ListIndex write, changes the
    // selection; that change, and nothing else, raises Click.
    connect(m_form->List1_0->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit listClick(0); });
    connect(m_form->List1_1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit listClick(1); });
    connect(m_form->Command1_0, &QPushButton::clicked, this, [this] { emit commandClick(0); });
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
