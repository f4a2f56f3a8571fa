#include "Tfrm_liste.h"

#include "Tfrm_arama.h"
#include "MailList.h"
#include "mail/ui/Tfrm_automail.h"
#include "print/LabelLayout.h"
#include "print/PrinterSurface.h"
#include "print/ReportLayout.h"
#include "print/TRaporV2.h"
#include "print/Tgenel.h"
#include "ui/ModalDialog.h"
#include "print/ui/Tfrmetiketdm.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "core/Error.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
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
    {
    }
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
    , Query1(new store::QueryDataSet(this))
    , Table1(new store::TableDataSet(this))
    , maillistesisil(new store::QueryDataSet(this))
    , mailtablosu(new store::TableDataSet(this))
    , eti(new print::TRaporV2(this))
{
    setObjectName(u"frm_liste"_qs);
    Query1->setObjectName(u"Query1"_qs);
    Table1->setObjectName(u"Table1"_qs);
    Table1->setTableName(u"YAYAR"_qs);
    maillistesisil->setObjectName(u"maillistesisil"_qs);
    maillistesisil->setSql({u"delete from maillist"_qs});
    mailtablosu->setObjectName(u"mailtablosu"_qs);
    mailtablosu->setTableName(u"maillist"_qs);
    eti->setObjectName(u"eti"_qs);
    buildUi();
    ui::guard(this, [this] { FormCreate(); });
}

void Tfrm_liste::buildUi()
{
    setWindowTitle(u"List/Report"_qs);
    resize(790, 495);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* topBar = new QWidget(this);
    topBar->setObjectName(u"Panel1"_qs);
    topBar->setFixedHeight(29);
    ui::applyWindowColour(topBar);
    auto* bar = new QHBoxLayout(topBar);
    bar->setContentsMargins(2, 2, 2, 2);

    auto addButton = [&](const QString& name, const QString& caption, const QString& hint) {
        auto* button = new QPushButton(caption, topBar);
        button->setObjectName(name);
        button->setToolTip(hint);
        bar->addWidget(button);
        return button;
    };
    BitBtn1 = addButton(u"BitBtn1"_qs, u"&Print Report"_qs, u"Print list..."_qs);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn1Click(); }); });
    BitBtn3 = addButton(u"BitBtn3"_qs, u"Print &Labels"_qs, u"Print labels for the records in the list..."_qs);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn3Click(); }); });
    BitBtn4 = addButton(u"BitBtn4"_qs, u"Send auto-mail to Listed..."_qs, QString());
    connect(BitBtn4, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn4Click(); }); });
    auto* found = new QLabel(u"Records found :"_qs, topBar);
    found->setObjectName(u"Label1"_qs);
    bar->addWidget(found);
    Edit1 = new QLineEdit(topBar);
    Edit1->setObjectName(u"Edit1"_qs);
    Edit1->setFixedWidth(80);
    bar->addWidget(Edit1);
    bar->addStretch();
    BitBtn2 = addButton(u"BitBtn2"_qs, u"&Close"_qs, QString());
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn2Click(); }); });

    m_donusformu = new ui::TaggedLabel(topBar);
    m_donusformu->setObjectName(u"donusformu"_qs);
    m_donusformu->hide();
    m_baslik = new ui::TaggedLabel(topBar);
    m_baslik->setObjectName(u"baslik"_qs);
    m_baslik->hide();

    DBGrid1 = new ui::DBGrid(this);
    DBGrid1->setObjectName(u"DBGrid1"_qs);
    DBGrid1->setToolTip(u"You can select a record from list."_qs);
    DBGrid1->setDataSet(Query1);
    DBGrid1->setStyleSheet(u"QHeaderView::section { background-color: rgb(230, 230, 255); }"_qs);
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this,
            [this] { ui::guard(this, [this] { DBGrid1DblClick(); }); });
    connect(DBGrid1, &ui::DBGrid::keyPressed, this,
            [this](int key) { ui::guard(this, [&] { DBGrid1KeyPress(key); }); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar);
    layout->addWidget(DBGrid1);
}

void Tfrm_liste::FormCreate()
{
    store::ConnectDataSets(this);
}

void Tfrm_liste::FormActivate()
{
    setWindowTitle(m_baslik->text());
    Edit1->setText(QString::number(Query1->recordCount()));
}

void Tfrm_liste::DBGrid1KeyPress(int key)
{
    if (key == 13)
        DBGrid1DblClick();
}

void Tfrm_liste::DBGrid1DblClick()
{
    bool ok = false;
    const int code = m_donusformu->text().toInt(&ok);
    if (!ok)
        throw Error(u"'%1' is not a valid integer value"_qs.arg(m_donusformu->text()));
    if (code == 1 && m_recordRequest) {
        const qint64 no = Query1->fieldByName(u"NO"_qs).asInteger();
        m_recordRequest(int(no));
    }
    if (m_search)
        m_search->hide();
    hide();
}

void Tfrm_liste::setPrinting(print::Tgenel* genel, store::DataSet* printSettings)
{
    m_genel = genel;
    m_printSettings = printSettings;
}

void Tfrm_liste::BitBtn1Click()
{
    if (!m_genel || !m_printSettings)
        throw Error(u"Printing is not available."_qs);
    store::DataSet& settings = *m_printSettings;
    print::ReportInput input;
    input.linePitchMm = int(settings.fieldByName(u"Liste Satır Aralığı"_qs).asInteger());
    input.titleFont = {settings.fieldByName(u"Başlık Fontu Adı"_qs).asString(),
                       int(settings.fieldByName(u"Başlık Fontu Boyutu"_qs).asInteger())};
    input.listFont = {settings.fieldByName(u"Liste Fontu Adı"_qs).asString(),
                      int(settings.fieldByName(u"Liste Fontu Boyutu"_qs).asInteger())};
    input.title = m_baslik->text();
    QList<int> fields;
    for (int column = 0; column < DBGrid1->visibleColumnCount(); ++column) {
        const int field = DBGrid1->fieldOfColumn(column);
        const store::FieldDef& def = Query1->fieldDef(field);
        input.columns << print::ReportColumn{def.name, def.kind, def.size};
        fields << field;
    }
    ListedRows rows(*Query1, fields);

    // A failure part-way must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = BitBtn1->text();
    BitBtn1->setEnabled(false);
    BitBtn1->setText(u"Yazıcı Meşgul"_qs);
    BitBtn1->repaint(); // the run holds the event loop; show the busy caption now
    Query1->disableControls();
    QString savedTo;
    try {
        savedTo = print::printReport(*m_genel, input, rows);
    } catch (...) {
        Query1->enableControls();
        BitBtn1->setText(reportCaption);
        BitBtn1->setEnabled(true);
        throw;
    }
    Query1->enableControls();
    BitBtn1->setEnabled(true);
    BitBtn1->setText(u"&Listeyi Yazıcıya Gönder"_qs);
    if (!savedTo.isEmpty())
        ui::showMessage(this, u"No printer is installed: the report was saved to\n%1"_qs.arg(savedTo));
}

void Tfrm_liste::BitBtn4Click()
{
    // A long list takes a while: the window repaints meanwhile but takes no click that could start another copy.
    BitBtn4->setEnabled(false);
    Query1->disableControls();
    try {
        fillMailList(*Query1, mailtablosu->connectionString(),
                     [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    } catch (...) {
        Query1->enableControls();
        BitBtn4->setEnabled(true);
        throw;
    }
    Query1->first();
    Query1->enableControls();
    BitBtn4->setEnabled(true);

    auto* automail = new mail::Tfrm_automail(this);
    automail->edit7()->setText(u"Auto-Mail To List"_qs);
    automail->edit7()->setEnabled(false);
    automail->show();
}

void Tfrm_liste::BitBtn3Click()
{
    if (!m_genel)
        throw Error(u"Printing is not available."_qs);
    print::LabelNameChoice nameChoice;
    print::LabelCompanyChoice companyChoice;
    {
        print::Tfrmetiketdm dialog(this);
        if (ui::execModal(dialog) != QDialog::Accepted)
            return;
        nameChoice = dialog.nameChoice();
        companyChoice = dialog.companyChoice();
    }
    // The stored row, not what the print settings window holds unsaved.
    Table1->close();
    Table1->open();

    // A failure anywhere must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = BitBtn1->text();
    const QString labelCaption = BitBtn3->text();
    for (QPushButton* button : {BitBtn1, BitBtn3}) {
        button->setEnabled(false);
        button->setText(u"Yazıcı Meşgul"_qs);
        button->repaint(); // the run holds the event loop; show the busy caption now
    }
    QString savedTo;
    try {
        eti->setConnectionString(Query1->connectionString());
        const print::SettingsReader settings = [this](const QString& column) {
            return Table1->fieldByName(column).value();
        };
        eti->setSheet(print::labelSheetFromSettings(settings));
        const print::LabelElements elements = print::labelElementsFromSettings(settings, nameChoice, companyChoice);
        eti->clearFieldElements();
        for (const print::LabelElement& e : elements.fields)
            eti->AddFieldElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
        eti->clearTextElements();
        for (const print::LabelElement& e : elements.texts)
            eti->AddTextElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
        Table1->close();
        eti->setSql(Query1->sql());
        eti->setPrinter(m_genel);
        savedTo = eti->PrintLabels();
    } catch (...) {
        Table1->close();
        BitBtn1->setText(reportCaption);
        BitBtn1->setEnabled(true);
        BitBtn3->setText(labelCaption);
        BitBtn3->setEnabled(true);
        throw;
    }
    BitBtn1->setEnabled(true);
    BitBtn1->setText(u"&Listeyi Yazıcıya Gönder"_qs);
    BitBtn3->setEnabled(true);
    BitBtn3->setText(u"&Etiket Dökümü"_qs);
    if (!savedTo.isEmpty())
        ui::showMessage(this, print::savedPrintoutMessage(savedTo));
}

void Tfrm_liste::BitBtn2Click()
{
    hide();
}

void Tfrm_liste::FormClose()
{
    Query1->close();
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
