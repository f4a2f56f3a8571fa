#include "Tfrm_liste.h"

#include "MailList.h"
#include "QueryBuilder.h"
#include "Tfrm_arama.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "exchange/ui/ContactTransfer.h"
#include "mail/ui/Tfrm_automail.h"
#include "print/LabelLayout.h"
#include "print/PrinterSurface.h"
#include "print/ReportLayout.h"
#include "print/TRaporV2.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmetiketdm.h"
#include "store/Columns.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/ModalDialog.h"
#include "ui/TaggedLabel.h"
#include "ui/WindowStyle.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvella::search {

namespace {

/// The listed rows as the report walks them: the grid's shown fields, read from the list's query.
class ListedRows : public print::ReportRows {
public:
    ListedRows(store::QueryDataSet& query, QList<int> fields)
        : m_query(query)
        , m_fields(std::move(fields))
    {}
    qint64 count() const override { return m_query.recordCount(); }
    void first() override { m_query.first(); }
    void next() override { m_query.next(); }
    QVariant value(int column) const override { return m_query.value(m_fields.at(column)); }

private:
    store::QueryDataSet& m_query;
    QList<int> m_fields;
};

} // namespace

Tfrm_liste::Tfrm_liste(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_result(new store::QueryDataSet(this))
    , m_settings(new store::TableDataSet(this))
    , m_labelEngine(new print::TRaporV2(this))
{
    setObjectName(u"frm_liste"_qs);
    m_result->setObjectName(u"Query1"_qs);
    m_settings->setObjectName(u"Table1"_qs);
    m_settings->setTableName(store::tables::Settings);
    m_labelEngine->setObjectName(u"eti"_qs);
    buildUi();
    ui::guard(this, [this] { FormCreate(); });
}

void Tfrm_liste::buildUi()
{
    setWindowTitle(u"List/Report"_qs);
    resize(790, 495);
    ui::centreOnFirstShow(this);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* topBar = new QWidget(this);
    topBar->setObjectName(u"Panel1"_qs);
    topBar->setFixedHeight(29);
    ui::applyWindowColour(topBar);
    ui::FormBuilder form(this);
    form.on(topBar);
    m_reportButton = form.onClick(form.button(u"BitBtn1"_qs, u"&Print Report"_qs, {}, u"Print list..."_qs),
                                  [this] { BitBtn1Click(); });
    m_labelButton = form.onClick(
        form.button(u"BitBtn3"_qs, u"Print &Labels"_qs, {}, u"Print labels for the records in the list..."_qs),
        [this] { BitBtn3Click(); });
    m_mailButton =
        form.onClick(form.button(u"BitBtn4"_qs, u"Send auto-mail to Listed..."_qs, {}), [this] { BitBtn4Click(); });
    auto* found = form.add<QLabel>(u"Label1"_qs);
    found->setText(u"Records found :"_qs);
    m_count = form.add<QLineEdit>(u"Edit1"_qs);
    m_count->setFixedWidth(80);
    m_exportCsvButton = form.onClick(form.button(u"exportCsvButton"_qs, u"Export CSV..."_qs, {},
                                                 u"Write the listed contacts with all their fields to a CSV file"_qs),
                                     [this] { exportCsvClick(); });
    m_exportVCardButton =
        form.onClick(form.button(u"exportVCardButton"_qs, u"Export vCard..."_qs, {},
                                 u"Write the listed contacts with all their fields to a vCard file"_qs),
                     [this] { exportVCardClick(); });
    m_closeButton = form.onClick(form.button(u"BitBtn2"_qs, u"&Close"_qs, {}), [this] { BitBtn2Click(); });
    m_returnCode = form.hidden<ui::TaggedLabel>(u"donusformu"_qs);
    m_title = form.hidden<ui::TaggedLabel>(u"baslik"_qs);

    auto* bar = new QHBoxLayout(topBar);
    bar->setContentsMargins(2, 2, 2, 2);
    for (QWidget* control : std::initializer_list<QWidget*>{m_reportButton, m_labelButton, m_mailButton, found, m_count,
                                                            m_exportCsvButton, m_exportVCardButton})
        bar->addWidget(control);
    bar->addStretch();
    bar->addWidget(m_closeButton);

    form.on(this);
    m_grid = form.add<ui::DBGrid>(u"DBGrid1"_qs);
    m_grid->setToolTip(u"You can select a record from list."_qs);
    m_grid->setDataSet(m_result);
    m_grid->setStyleSheet(u"QHeaderView::section { background-color: rgb(230, 230, 255); }"_qs);
    form.onSignal(m_grid, &QAbstractItemView::doubleClicked, [this](const QModelIndex&) { DBGrid1DblClick(); });
    form.onSignal(m_grid, &ui::DBGrid::keyPressed, [this](int key) { DBGrid1KeyPress(key); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar);
    layout->addWidget(m_grid);
}

void Tfrm_liste::FormCreate()
{
    store::ConnectDataSets(this);
}

void Tfrm_liste::FormActivate()
{
    setWindowTitle(m_title->text());
    m_count->setText(QString::number(m_result->recordCount()));
}

void Tfrm_liste::DBGrid1KeyPress(int key)
{
    if (key == 13)
        DBGrid1DblClick();
}

void Tfrm_liste::DBGrid1DblClick()
{
    bool ok = false;
    const int code = m_returnCode->text().toInt(&ok);
    if (!ok)
        throw Error(u"'%1' is not a valid integer value"_qs.arg(m_returnCode->text()));
    if (code == 1 && m_recordRequest) {
        const qint64 no = m_result->fieldByName(store::contact::RecordNumber).asInteger();
        m_recordRequest(int(no));
    }
    if (m_search)
        m_search->hide();
    hide();
}

void Tfrm_liste::setPrinting(print::Tgenel* printer, store::DataSet* printSettings)
{
    m_printer = printer;
    m_printSettings = printSettings;
}

void Tfrm_liste::BitBtn1Click()
{
    if (!m_printer || !m_printSettings)
        throw Error(u"Printing is not available."_qs);
    store::DataSet& settings = *m_printSettings;
    print::ReportInput input = print::reportSettingsFromSettings(
        [&settings](const QString& column) { return settings.fieldByName(column).value(); });
    input.title = m_title->text();
    QList<int> fields;
    for (int column = 0; column < m_grid->visibleColumnCount(); ++column) {
        const int field = m_grid->fieldOfColumn(column);
        const store::FieldDef& def = m_result->fieldDef(field);
        input.columns << print::ReportColumn{def.name, def.kind, def.size};
        fields << field;
    }
    ListedRows rows(*m_result, fields);

    // A failure part-way must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = m_reportButton->text();
    m_reportButton->setEnabled(false);
    m_reportButton->setText(u"Yazıcı Meşgul"_qs);
    m_reportButton->repaint(); // the run holds the event loop; show the busy caption now
    m_result->disableControls();
    QString savedTo;
    {
        OnFailure restoreCaption([&] { m_reportButton->setText(reportCaption); });
        ScopeExit reenable([this] {
            m_result->enableControls();
            m_reportButton->setEnabled(true);
        });
        savedTo = print::printReport(*m_printer, input, rows);
    }
    m_reportButton->setText(u"&Listeyi Yazıcıya Gönder"_qs);
    if (!savedTo.isEmpty())
        ui::showMessage(this, u"No printer is installed: the report was saved to\n%1"_qs.arg(savedTo));
}

void Tfrm_liste::BitBtn4Click()
{
    // A long list takes a while: the window repaints meanwhile but takes no click that could start another copy.
    m_mailButton->setEnabled(false);
    m_result->disableControls();
    {
        ScopeExit reenable([this] {
            m_result->enableControls();
            m_mailButton->setEnabled(true);
        });
        fillMailList(*m_result, m_result->connectionString(),
                     [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
        m_result->first();
    }

    auto* automail = new mail::Tfrm_automail(this);
    automail->edit7()->setText(u"Auto-Mail To List"_qs);
    automail->edit7()->setEnabled(false);
    automail->show();
}

void Tfrm_liste::BitBtn3Click()
{
    if (!m_printer)
        throw Error(u"Printing is not available."_qs);
    print::LabelNameChoice nameChoice;
    print::LabelCompanyChoice companyChoice;
    int firstLabel = 1;
    {
        print::Tfrmetiketdm dialog(this);
        if (ui::execModal(dialog) != QDialog::Accepted)
            return;
        nameChoice = dialog.nameChoice();
        companyChoice = dialog.companyChoice();
        firstLabel = dialog.firstLabel();
    }
    // The stored row, not what the print settings window holds unsaved.
    m_settings->close();
    m_settings->open();

    // A failure anywhere must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = m_reportButton->text();
    const QString labelCaption = m_labelButton->text();
    for (QPushButton* button : {m_reportButton, m_labelButton}) {
        button->setEnabled(false);
        button->setText(u"Yazıcı Meşgul"_qs);
        button->repaint(); // the run holds the event loop; show the busy caption now
    }
    QString savedTo;
    {
        OnFailure restoreButtons([&] {
            m_settings->close();
            m_reportButton->setText(reportCaption);
            m_reportButton->setEnabled(true);
            m_labelButton->setText(labelCaption);
            m_labelButton->setEnabled(true);
        });
        m_labelEngine->setConnectionString(m_result->connectionString());
        const print::SettingsReader settings = [this](const QString& column) {
            return m_settings->fieldByName(column).value();
        };
        m_labelEngine->setSheet(print::labelSheetFromSettings(settings));
        m_labelEngine->setFirstLabel(firstLabel);
        const print::LabelElements elements = print::labelElementsFromSettings(settings, nameChoice, companyChoice);
        m_labelEngine->clearFieldElements();
        for (const print::LabelElement& e : elements.fields)
            m_labelEngine->AddFieldElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
        m_labelEngine->clearTextElements();
        for (const print::LabelElement& e : elements.texts)
            m_labelEngine->AddTextElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
        m_settings->close();
        m_labelEngine->setSql(m_result->sql());
        m_labelEngine->setPrinter(m_printer);
        savedTo = m_labelEngine->PrintLabels();
    }
    m_reportButton->setEnabled(true);
    m_reportButton->setText(u"&Listeyi Yazıcıya Gönder"_qs);
    m_labelButton->setEnabled(true);
    m_labelButton->setText(u"&Etiket Dökümü"_qs);
    if (!savedTo.isEmpty())
        ui::showMessage(this, print::savedPrintoutMessage(savedTo));
}

void Tfrm_liste::exportCsvClick()
{
    exportListed(exchange::ExportFormat::Csv);
}

void Tfrm_liste::exportVCardClick()
{
    exportListed(exchange::ExportFormat::VCard);
}

void Tfrm_liste::exportListed(exchange::ExportFormat format)
{
    if (!m_result->isActive())
        throw Error(u"The list is empty."_qs);
    // The list's own statement widened to every column (not the search window's criteria, which the user may have
    // changed since): the same rows in the same order, read afresh.
    const QString sql = withAllColumns(m_result->sql()).join(u"\r\n"_qs);
    const QString title = format == exchange::ExportFormat::Csv ? u"Export CSV"_qs : u"Export vCard"_qs;
    exchange::exportContacts(this, m_result->connectionString(), sql, title, format);
}

void Tfrm_liste::BitBtn2Click()
{
    hide();
}

void Tfrm_liste::FormClose()
{
    m_result->close();
}

void Tfrm_liste::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ui::guard(this, [this] { FormActivate(); });
}

void Tfrm_liste::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

} // namespace corvella::search
