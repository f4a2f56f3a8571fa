#include "Tfrmkayit.h"

#include "store/ConnectDataSets.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "core/Error.h"
#include "store/widgets/DBComboBox.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBNavigator.h"
#include "ui/Dialogs.h"
#include "ui/TaggedLabel.h"
#include "ui/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace corvella::app {

namespace {

constexpr int RowStep = 22;
constexpr int FieldLeft = 79;

int rowTop(int row)
{
    return 8 + row * RowStep;
}

} // namespace

Tfrmkayit::Tfrmkayit(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , Table1(new store::TableDataSet(this))
    , ADOQuery1(new store::QueryDataSet(this))
{
    setObjectName(u"frmkayit"_qs);
    Table1->setObjectName(u"Table1"_qs);
    Table1->setTableName(u"kayit"_qs);
    ADOQuery1->setObjectName(u"ADOQuery1"_qs);
    ADOQuery1->setSql({u"select max([No]) from kayit"_qs});
    Table1->setBeforePost([this](store::DataSet& dataSet) { Table1BeforePost(dataSet); });
    buildUi();
    ui::guard(this, [this] { FormCreate(); });
}

void Tfrmkayit::buildUi()
{
    setWindowTitle(u"Corvella"_qs);
    setFixedSize(573, 438);
    // The layout is measured in pixels for a small dialog font; the labels must fit in the 79 pixels before a field.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    ui::applyWindowColour(this);

    m_navigator = new ui::DBNavigator(this);
    m_navigator->setObjectName(u"DBNavigator"_qs);
    m_navigator->move(4, 8);
    m_navigator->setDataSet(Table1);

    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(u"SpeedButton2"_qs);
    SpeedButton2->setToolTip(u"About Halvex"_qs);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    SpeedButton2->setGeometry(236, 8, 25, 25);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { ui::guard(this, [this] { SpeedButton2Click(); }); });

    Button1 = new QPushButton(u"Print Settings"_qs, this);
    Button1->setObjectName(u"Button1"_qs);
    Button1->setGeometry(266, 8, 96, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { Button1Click(); }); });

    BitBtn1 = new QPushButton(u"&Report"_qs, this);
    BitBtn1->setObjectName(u"BitBtn1"_qs);
    BitBtn1->setToolTip(u"Get a report matching your custom criterias..."_qs);
    BitBtn1->setGeometry(367, 8, 96, 25);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn1Click(); }); });

    BitBtn2 = new QPushButton(u"&Exit"_qs, this);
    BitBtn2->setObjectName(u"BitBtn2"_qs);
    BitBtn2->setToolTip(u"Close Window"_qs);
    BitBtn2->setGeometry(468, 8, 96, 25);
    BitBtn2->setStyleSheet(u"QPushButton { color: red; font-weight: bold; }"_qs);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn2Click(); }); });

    m_indeks = new ui::TaggedLabel(this);
    m_indeks->setObjectName(u"indeks"_qs);
    m_indeks->hide();

    Button1->setEnabled(false);
    BitBtn1->setEnabled(false);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(u"PageControl1"_qs);
    PageControl1->setGeometry(0, 41, 573, 397);

    auto* page = new QWidget;
    page->setObjectName(u"TabSheet1"_qs);
    PageControl1->addTab(page, u"Communication Information"_qs);
    auto* billing = new QWidget;
    billing->setObjectName(u"TabSheet2"_qs);
    PageControl1->addTab(billing, u"Fatura Bilgileri"_qs);
    PageControl1->setTabVisible(1, false);

    int labelNumber = 0;
    auto addLabel = [&](QWidget* on, const QString& caption, int x, int y) {
        auto* label = new QLabel(caption, on);
        label->setObjectName(u"Label"_qs + QString::number(++labelNumber));
        label->move(x, y + 3);
        return label;
    };
    int editNumber = 0;
    QList<QWidget*> tabOrder;
    auto addEdit = [&](QWidget* on, const QString& column, int x, int y, int width) {
        auto* edit = new ui::DBEdit(on);
        edit->setObjectName(u"DBEdit"_qs + QString::number(++editNumber));
        edit->setGeometry(x, y, width, 21);
        edit->setDataSource(Table1, column);
        tabOrder << edit;
        return edit;
    };
    int comboNumber = 0;
    auto addCombo = [&](QWidget* on, const QString& column, int x, int y) {
        auto* combo = new ui::DBComboBox(on);
        combo->setObjectName(u"DBComboBox"_qs + QString::number(++comboNumber));
        combo->setGeometry(x, y, 400, 21);
        combo->setDataSource(Table1, column);
        tabOrder << combo;
        return combo;
    };

    // Tab order follows the order of creation below.
    addLabel(page, u"Name"_qs, 8, rowTop(0));
    addEdit(page, u"Ad"_qs, FieldLeft, rowTop(0), 160);
    addLabel(page, u"Surname"_qs, 8, rowTop(1));
    addEdit(page, u"Soyad"_qs, FieldLeft, rowTop(1), 160);
    addLabel(page, u"Occupation"_qs, 250, rowTop(1));
    addEdit(page, u"Meslek"_qs, 320, rowTop(1), 190);
    addLabel(page, u"Company"_qs, 8, rowTop(2));
    addEdit(page, u"Firma Adi"_qs, FieldLeft, rowTop(2), 190);
    addLabel(page, u"Sector"_qs, 8, rowTop(3));
    addCombo(page, u"Sektör"_qs, FieldLeft, rowTop(3));
    addLabel(page, u"Sub-sector"_qs, 8, rowTop(4));
    addCombo(page, u"Alt Sektör"_qs, FieldLeft, rowTop(4));
    addLabel(page, u"Work Phone"_qs, 8, rowTop(5));
    addEdit(page, u"Is Telefonu"_qs, FieldLeft, rowTop(5), 160);
    addLabel(page, u"Ext."_qs, 250, rowTop(5));
    addEdit(page, u"Dahili N#"_qs, 280, rowTop(5), 50);
    addLabel(page, u"Home Phone"_qs, 8, rowTop(6));
    addEdit(page, u"Ev Telefonu"_qs, FieldLeft, rowTop(6), 160);
    addLabel(page, u"GSM Phone"_qs, 8, rowTop(7));
    addEdit(page, u"Cep Telefonu"_qs, FieldLeft, rowTop(7), 160);
    addLabel(page, u"Fax"_qs, 8, rowTop(8));
    addEdit(page, u"Faks"_qs, FieldLeft, rowTop(8), 160);
    addLabel(page, u"Address"_qs, 8, rowTop(9));
    addEdit(page, u"Adres 1"_qs, FieldLeft, rowTop(9), 288);
    addEdit(page, u"Adres 2"_qs, FieldLeft, rowTop(10), 288);
    addLabel(page, u"Postal Code"_qs, 8, rowTop(11));
    addEdit(page, u"Posta Kodu"_qs, FieldLeft, rowTop(11), 80);
    addLabel(page, u"City"_qs, 8, rowTop(12));
    addEdit(page, u"Sehir"_qs, FieldLeft, rowTop(12), 160);
    addLabel(page, u"Additional Info"_qs, 250, rowTop(11));
    addEdit(page, u"Ek Bilgi"_qs, 250, rowTop(12), 310);
    addLabel(page, u"e-mail"_qs, 8, rowTop(13));
    addEdit(page, u"E-mail"_qs, FieldLeft, rowTop(13), 190);

    addLabel(billing, u"Fatura Adresi"_qs, 8, rowTop(0));
    addEdit(billing, u"Fat# Adresi 1"_qs, 90, rowTop(0), 288);
    addEdit(billing, u"Fat# Adresi 2"_qs, 90, rowTop(1), 288);
    addLabel(billing, u"Vergi Dairesi"_qs, 8, rowTop(2));
    addEdit(billing, u"Vergi Dairesi"_qs, 90, rowTop(2), 190);
    addLabel(billing, u"Vergi N#"_qs, 8, rowTop(3));
    addEdit(billing, u"Vergi N#"_qs, 90, rowTop(3), 80);

    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void Tfrmkayit::FormCreate()
{
    m_closeAllowed = false;
    store::ConnectDataSets(this);
    Table1->open();
}

void Tfrmkayit::Table1BeforePost(store::DataSet& dataSet)
{
    if (dataSet.state() != store::DataSetState::Insert)
        return;
    const int number = store::nextRecordNumber(*ADOQuery1);
    dataSet.fieldByName(u"No"_qs).setValue(number);
}

void Tfrmkayit::requestRecord(int no)
{
    m_indeks->setTag(1);
    m_indeks->setText(QString::number(no));
    show();
    raise();
    activateWindow();
}

void Tfrmkayit::FormActivate()
{
    if (m_indeks->tag() != 1)
        return;
    m_indeks->setTag(0);
    bool ok = false;
    const int wanted = m_indeks->text().toInt(&ok);
    if (!ok)
        throw Error(u"'%1' is not a valid integer value"_qs.arg(m_indeks->text()));
    if (!Table1->isActive())
        Table1->open();
    // The record is found through the key; without it the table's last record is shown.
    Table1->disableControls();
    try {
        if (!Table1->locate(u"No"_qs, wanted))
            Table1->last();
    } catch (...) {
        Table1->enableControls();
        throw;
    }
    Table1->enableControls();
}

void Tfrmkayit::setReportAction(std::function<void()> action)
{
    m_reportAction = std::move(action);
    BitBtn1->setEnabled(bool(m_reportAction));
}

void Tfrmkayit::setPrintSettingsAction(std::function<void()> action)
{
    m_printSettingsAction = std::move(action);
    Button1->setEnabled(bool(m_printSettingsAction));
}

void Tfrmkayit::setAboutAction(std::function<void()> action)
{
    m_aboutAction = std::move(action);
}

void Tfrmkayit::BitBtn1Click()
{
    if (m_reportAction)
        m_reportAction();
}

void Tfrmkayit::Button1Click()
{
    if (m_printSettingsAction)
        m_printSettingsAction();
}

void Tfrmkayit::SpeedButton2Click()
{
    if (m_aboutAction)
        m_aboutAction();
}

void Tfrmkayit::BitBtn2Click()
{
    // Leaving must not silently lose a changed record.
    if (Table1->isEditing() && Table1->isModified()) {
        const auto answer = ui::showMessage(
            ui::MessageRequest{this, u"The current record has unsaved changes. Save them?"_qs, QMessageBox::Question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes)
            Table1->post(); // a refused store stays here with its error shown
        else
            Table1->cancel();
    }
    m_closeAllowed = true;
    QCoreApplication::quit();
}

void Tfrmkayit::closeEvent(QCloseEvent* event)
{
    if (m_closeAllowed)
        event->accept();
    else
        event->ignore();
}

void Tfrmkayit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ui::guard(this, [this] { FormActivate(); });
}

} // namespace corvella::app
