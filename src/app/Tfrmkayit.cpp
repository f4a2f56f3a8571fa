#include "Tfrmkayit.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "exchange/ContactImport.h"
#include "exchange/ui/ContactTransfer.h"
#include "store/Columns.h"
#include "store/ConnectDataSets.h"
#include "store/ConnectionString.h"
#include "store/ContactFile.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/ServerDatabase.h"
#include "store/widgets/DBComboBox.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBNavigator.h"
#include "store/widgets/EditGuard.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/TaggedLabel.h"
#include "ui/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace corvella::app {

namespace {

constexpr int RowStep = 22;
constexpr int FieldLeft = 79;
constexpr int FindPauseMs = 300;

int rowTop(int row)
{
    return 8 + row * RowStep;
}

} // namespace

Tfrmkayit::Tfrmkayit(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_contacts(new store::TableDataSet(this))
    , m_maxNumberQuery(new store::QueryDataSet(this))
{
    setObjectName(u"frmkayit"_qs);
    m_contacts->setObjectName(u"Table1"_qs);
    m_contacts->setTableName(store::tables::Contacts);
    m_maxNumberQuery->setObjectName(u"ADOQuery1"_qs);
    m_maxNumberQuery->setSql({u"select max([No]) from kayit"_qs});
    m_contacts->setBeforePost([this](store::DataSet& dataSet) { Table1BeforePost(dataSet); });
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
    ui::centreOnFirstShow(this);

    ui::FormBuilder form(this);
    m_navigator = form.add<ui::DBNavigator>(u"DBNavigator"_qs, QRect(4, 8, 0, 0));
    m_navigator->setDataSet(m_contacts);

    m_aboutButton = form.onClick(form.toolButton(u"SpeedButton2"_qs, {}, {236, 8, 25, 25}, tr("About Halvex")),
                                 [this] { SpeedButton2Click(); });
    m_aboutButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_printSettingsButton =
        form.onClick(form.button(u"Button1"_qs, tr("Print Settings"), {266, 8, 96, 25}), [this] { Button1Click(); });
    m_reportButton = form.onClick(form.button(u"BitBtn1"_qs, tr("&Report"), {367, 8, 96, 25},
                                              tr("Get a report matching your custom criterias...")),
                                  [this] { BitBtn1Click(); });
    m_exitButton = form.onClick(form.button(u"BitBtn2"_qs, tr("&Exit"), {468, 8, 96, 25}, tr("Close Window")),
                                [this] { BitBtn2Click(); });
    m_exitButton->setStyleSheet(u"QPushButton { color: red; font-weight: bold; }"_qs);
    m_indeks = form.hidden<ui::TaggedLabel>(u"indeks"_qs);

    m_printSettingsButton->setEnabled(false);
    m_reportButton->setEnabled(false);

    m_pages = form.add<QTabWidget>(u"PageControl1"_qs, {0, 41, 573, 397});
    auto* page = new QWidget;
    page->setObjectName(u"TabSheet1"_qs);
    m_pages->addTab(page, tr("Communication Information"));
    auto* billing = new QWidget;
    billing->setObjectName(u"TabSheet2"_qs);
    m_pages->addTab(billing, tr("Fatura Bilgileri"));
    m_pages->setTabVisible(1, false);

    // One line a control, in tab order: its caption and where it stands (none for a second address line), the
    // column the control edits and where it stands; a combo box offers the column's values so far.
    enum Kind { Edit, Combo };
    struct Field {
        QWidget* page;
        const char* caption;
        int captionX, captionRow;
        const QString& column;
        Kind kind;
        int x, row, width;
    };
    namespace contact = store::contact;
    const Field fields[] = {
        {page, QT_TR_NOOP("Name"), 8, 0, contact::FirstName, Edit, FieldLeft, 0, 160},
        {page, QT_TR_NOOP("Surname"), 8, 1, contact::LastName, Edit, FieldLeft, 1, 160},
        {page, QT_TR_NOOP("Occupation"), 250, 1, contact::Occupation, Edit, 320, 1, 190},
        {page, QT_TR_NOOP("Company"), 8, 2, contact::Company, Edit, FieldLeft, 2, 190},
        {page, QT_TR_NOOP("Sector"), 8, 3, contact::Sector, Combo, FieldLeft, 3, 400},
        {page, QT_TR_NOOP("Sub-sector"), 8, 4, contact::SubSector, Combo, FieldLeft, 4, 400},
        {page, QT_TR_NOOP("Work Phone"), 8, 5, contact::WorkPhone, Edit, FieldLeft, 5, 160},
        {page, QT_TR_NOOP("Ext."), 250, 5, contact::Extension, Edit, 280, 5, 50},
        {page, QT_TR_NOOP("Home Phone"), 8, 6, contact::HomePhone, Edit, FieldLeft, 6, 160},
        {page, QT_TR_NOOP("GSM Phone"), 8, 7, contact::MobilePhone, Edit, FieldLeft, 7, 160},
        {page, QT_TR_NOOP("Fax"), 8, 8, contact::Fax, Edit, FieldLeft, 8, 160},
        {page, QT_TR_NOOP("Address"), 8, 9, contact::Address1, Edit, FieldLeft, 9, 288},
        {page, nullptr, 0, 0, contact::Address2, Edit, FieldLeft, 10, 288},
        {page, QT_TR_NOOP("Postal Code"), 8, 11, contact::PostalCode, Edit, FieldLeft, 11, 80},
        {page, QT_TR_NOOP("City"), 8, 12, contact::City, Edit, FieldLeft, 12, 160},
        {page, QT_TR_NOOP("Additional Info"), 250, 11, contact::Notes, Edit, 250, 12, 310},
        {page, QT_TR_NOOP("e-mail"), 8, 13, contact::Email, Edit, FieldLeft, 13, 190},
        {billing, QT_TR_NOOP("Fatura Adresi"), 8, 0, contact::InvoiceAddress1, Edit, 90, 0, 288},
        {billing, nullptr, 0, 0, contact::InvoiceAddress2, Edit, 90, 1, 288},
        {billing, QT_TR_NOOP("Vergi Dairesi"), 8, 2, contact::TaxOffice, Edit, 90, 2, 190},
        {billing, QT_TR_NOOP("Vergi N#"), 8, 3, contact::TaxNumber, Edit, 90, 3, 80},
    };
    int labels = 0, edits = 0, combos = 0;
    QWidget* previous = nullptr;
    QWidget* firstField = nullptr;
    for (const Field& field : fields) {
        form.on(field.page);
        if (field.caption)
            form.label(u"Label"_qs + QString::number(++labels), tr(field.caption),
                       {field.captionX, rowTop(field.captionRow) + 3});
        const QRect place(field.x, rowTop(field.row), field.width, 21);
        QWidget* control = nullptr;
        if (field.kind == Combo) {
            auto* combo = form.add<ui::DBComboBox>(u"DBComboBox"_qs + QString::number(++combos), place);
            combo->setDataSource(m_contacts, field.column);
            control = combo;
        } else {
            auto* edit = form.add<ui::DBEdit>(u"DBEdit"_qs + QString::number(++edits), place);
            edit->setDataSource(m_contacts, field.column);
            control = edit;
        }
        if (previous)
            setTabOrder(previous, control);
        else
            firstField = control;
        previous = control;
    }
    firstField->setFocus(); // taken when the window first becomes active

    auto* transfer = new QWidget;
    transfer->setObjectName(u"contactTransfer"_qs);
    form.on(transfer);
    m_importButton = form.onClick(
        form.toolButton(u"importButton"_qs, tr("Import..."), {}, tr("Add contacts from a CSV or vCard file")),
        [this] { importFromFile(); });
    m_exportButton = form.onClick(
        form.toolButton(u"exportButton"_qs, tr("Export..."), {}, tr("Write all contacts to a CSV or vCard file")),
        [this] { exportToFile(); });
    m_backupButton =
        form.onClick(form.toolButton(u"backupButton"_qs, tr("Backup..."), {}, tr("Write a copy of the contact file")),
                     [this] { backupToFile(); });
    m_position = new QLabel(transfer);
    m_position->setObjectName(u"recordPosition"_qs);
    m_quickFind = form.add<QLineEdit>(u"quickFind"_qs);
    m_quickFind->setPlaceholderText(tr("Find…"));
    m_quickFind->setToolTip(tr("Lists the contacts holding every word typed here in any field (Ctrl+F)"));
    m_quickFind->setClearButtonEnabled(true);
    m_quickFind->setFixedWidth(110);
    m_findPause = new QTimer(this);
    m_findPause->setSingleShot(true);
    m_findPause->setInterval(FindPauseMs);
    connect(m_findPause, &QTimer::timeout, this, [this] { ui::guard(this, [this] { findTyped(); }); });
    connect(m_quickFind, &QLineEdit::textEdited, m_findPause, qOverload<>(&QTimer::start));
    form.onSignal(m_quickFind, &QLineEdit::returnPressed, [this] { findTyped(); });
    auto* focusFind = new QShortcut(QKeySequence::Find, this);
    connect(focusFind, &QShortcut::activated, m_quickFind, [this] {
        m_quickFind->setFocus(Qt::ShortcutFocusReason);
        m_quickFind->selectAll();
    });
    auto* transferLayout = new QHBoxLayout(transfer);
    transferLayout->setContentsMargins(0, 0, 4, 0);
    transferLayout->setSpacing(2);
    transferLayout->addWidget(m_quickFind);
    transferLayout->addSpacing(6);
    transferLayout->addWidget(m_position);
    transferLayout->addSpacing(8);
    for (QToolButton* button : {m_importButton, m_exportButton, m_backupButton}) {
        button->setAutoRaise(true);
        transferLayout->addWidget(button);
    }
    m_pages->setCornerWidget(transfer, Qt::TopRightCorner);

    for (auto signal : {&store::DataSet::recordChanged, &store::DataSet::stateChanged})
        connect(m_contacts, signal, this, &Tfrmkayit::showPosition);
    connect(m_contacts, &store::DataSet::activeChanged, this, &Tfrmkayit::showPosition);
}

void Tfrmkayit::showPosition()
{
    if (!m_contacts->isActive()) {
        m_position->clear();
        return;
    }
    const qint64 count = m_contacts->recordCount();
    if (m_contacts->state() == store::DataSetState::Insert)
        m_position->setText(tr("new record, %1 stored").arg(count));
    else
        m_position->setText(tr("%1 of %2").arg(m_contacts->recordPosition()).arg(count));
}

void Tfrmkayit::FormCreate()
{
    m_closeAllowed = false;
    store::ConnectDataSets(this);
    m_contacts->open();
}

void Tfrmkayit::Table1BeforePost(store::DataSet& dataSet)
{
    if (dataSet.state() != store::DataSetState::Insert)
        return;
    const int number = store::nextRecordNumber(*m_maxNumberQuery);
    dataSet.fieldByName(store::contact::RecordNumber).setValue(number);
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
        throw Error(tr("'%1' is not a valid integer value").arg(m_indeks->text()));
    if (!m_contacts->isActive())
        m_contacts->open();
    // The record is found through the key; without it the table's last record is shown.
    m_contacts->disableControls();
    ScopeExit enableControls([this] { m_contacts->enableControls(); });
    if (!m_contacts->locate(store::contact::RecordNumber, wanted))
        m_contacts->last();
}

void Tfrmkayit::setReportAction(std::function<void()> action)
{
    m_reportAction = std::move(action);
    m_reportButton->setEnabled(bool(m_reportAction));
}

void Tfrmkayit::setPrintSettingsAction(std::function<void()> action)
{
    m_printSettingsAction = std::move(action);
    m_printSettingsButton->setEnabled(bool(m_printSettingsAction));
}

void Tfrmkayit::setAboutAction(std::function<void()> action)
{
    m_aboutAction = std::move(action);
}

void Tfrmkayit::findTyped()
{
    m_findPause->stop();
    if (m_findAction)
        m_findAction(m_quickFind->text());
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
    if (m_contacts->isEditing() && m_contacts->isModified()) {
        const auto answer = ui::showMessage(
            ui::MessageRequest{this, tr("The current record has unsaved changes. Save them?"), QMessageBox::Question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
        if (answer == QMessageBox::Cancel)
            return;
        if (answer == QMessageBox::Yes) {
            bool stored = false; // a refused store stays here with its error shown
            ui::guardEdit(this, *m_contacts, [&] {
                m_contacts->post();
                stored = true;
            });
            if (!stored)
                return;
        } else {
            m_contacts->cancel();
        }
    }
    m_closeAllowed = true;
    QCoreApplication::quit();
}

void Tfrmkayit::importFromFile()
{
    // The table is read again afterwards, which would drop a change in progress: store it first, as a move does.
    QVariant current;
    if (m_contacts->isActive()) {
        m_contacts->checkBrowseMode();
        if (!m_contacts->isEmpty())
            current = m_contacts->fieldByName(store::contact::RecordNumber).value();
    }
    if (!exchange::importContactFile(this, m_contacts->connectionString()))
        return;
    m_contacts->close();
    m_contacts->open();
    if (current.isValid())
        m_contacts->locate(store::contact::RecordNumber, current);
}

void Tfrmkayit::exportToFile()
{
    exchange::exportContacts(this, m_contacts->connectionString(), exchange::allContactsSql(), tr("Export Contacts"));
}

void Tfrmkayit::backupToFile()
{
    const QString contactFile = store::dataSourceOf(m_contacts->connectionString());
    const QString folder =
        store::server::isAddress(contactFile) ? QDir::homePath() : QFileInfo(contactFile).absolutePath();
    const QString suggested = folder + u'/' + store::backupFileName(contactFile);
    const QString destination = ui::chooseFileToSave(this, tr("Backup of the Contact File"),
                                                     tr("Contact files (*.mdb);;All files (*)"), suggested);
    if (destination.isEmpty())
        return;
    // The copy holds what is stored: a changed record goes in first, as a move would store it.
    if (m_contacts->isActive())
        m_contacts->checkBrowseMode();
    store::backupContactFile(contactFile, destination);
    ui::showMessage(this, tr("A copy of the contact file '%1' was written to '%2'.")
                              .arg(QDir::toNativeSeparators(contactFile), QDir::toNativeSeparators(destination)));
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
