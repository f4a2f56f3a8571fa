#include "Tfrm_arama.h"

#include "Tfrm_liste.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
#include "ui/TaggedLabel.h"
#include "ui/WindowStyle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolButton>

namespace corvella::search {

namespace {

constexpr int FirstRowTop = 6;
constexpr int RowStep = 16;
constexpr int ButtonPanelHeight = 39;
constexpr int FrameAllowance = 28; // title bar and borders counted in the outer height
constexpr int WindowWidth = 470;

const QString Tek = u"Tek"_qs;
const QString Aralik = u"Aralık"_qs;

} // namespace

QString rowNumber(int row)
{
    return row < 10 ? u'0' + QString::number(row) : QString::number(row);
}

Tfrm_arama::Tfrm_arama(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"frm_arama"_qs);
    buildUi();
}

void Tfrm_arama::buildUi()
{
    setWindowTitle(u"Search..."_qs);
    ui::applyWindowColour(this);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(u"Panel1"_qs);
    Panel1->setGeometry(0, 0, WindowWidth, 180);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(u"Panel2"_qs);
    Panel2->setGeometry(0, 180, WindowWidth, ButtonPanelHeight);

    const QString hint = u"Sol taraftaki kutuyu işaretlediğiniz takdirde bu kritere göre arama yapılacak, aksi "
                         "takdirde yapılmayacaktır."_qs;
    for (int row = 1; row <= CriterionRowCount; ++row) {
        const QString nn = rowNumber(row);
        const int top = FirstRowTop + (row - 1) * RowStep;
        auto* box = new QCheckBox(Panel1);
        box->setObjectName(u"CheckBox"_qs + nn);
        box->setToolTip(hint);
        box->setGeometry(8, top, 120, 16);
        box->hide();
        connect(box, &QCheckBox::clicked, this, [this, box] { ui::guard(this, [&] { CheckBox01Click(box); }); });

        auto* first = new QLineEdit(Panel1);
        first->setObjectName(u"Edit"_qs + nn);
        first->setFrame(false);
        first->setGeometry(132, top, 150, 15);
        first->hide();
        auto* dash = new QLabel(u"---"_qs, Panel1);
        dash->setObjectName(u"Label"_qs + nn);
        dash->setGeometry(288, top, 16, 15);
        dash->hide();
        auto* second = new QLineEdit(Panel1);
        second->setObjectName(u"Edit"_qs + nn + u'2');
        second->setFrame(false);
        second->setGeometry(308, top, 150, 15);
        second->hide();

        for (const QString& prefix : {u"Alan"_qs, u"Tip"_qs, u"Aciklama"_qs, u"Listelenenalan"_qs}) {
            auto* hidden = new ui::TaggedLabel(Panel1);
            hidden->setObjectName(prefix + nn);
            hidden->hide();
        }
    }
    // Row 01 starts ticked with its first field in view.
    checkBox(1)->setChecked(true);
    firstField(1)->show();

    for (const QString& name : {u"tabloadi"_qs, u"donusformu"_qs, u"baslik"_qs, u"Label1"_qs}) {
        auto* hidden = new ui::TaggedLabel(this);
        hidden->setObjectName(name);
        hidden->hide();
    }
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(u"Memo1"_qs);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();

    SpeedButton2 = new QToolButton(Panel2);
    SpeedButton2->setObjectName(u"SpeedButton2"_qs);
    SpeedButton2->setText(u"&View "_qs);
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setGeometry(4, 6, WindowWidth / 2 - 6, ButtonPanelHeight - 12);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { ui::guard(this, [this] { SpeedButton2Click(); }); });
    SpeedButton1 = new QToolButton(Panel2);
    SpeedButton1->setObjectName(u"SpeedButton1"_qs);
    SpeedButton1->setText(u"&Close"_qs);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setGeometry(WindowWidth / 2 + 2, 6, WindowWidth / 2 - 6, ButtonPanelHeight - 12);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { ui::guard(this, [this] { SpeedButton1Click(); }); });

    setFixedSize(WindowWidth, Panel2->y() + ButtonPanelHeight);
}

QCheckBox* Tfrm_arama::checkBox(int row) const
{
    return Panel1->findChild<QCheckBox*>(u"CheckBox"_qs + rowNumber(row));
}

QLineEdit* Tfrm_arama::firstField(int row) const
{
    return Panel1->findChild<QLineEdit*>(u"Edit"_qs + rowNumber(row));
}

QLineEdit* Tfrm_arama::secondField(int row) const
{
    return Panel1->findChild<QLineEdit*>(u"Edit"_qs + rowNumber(row) + u'2');
}

QLabel* Tfrm_arama::rangeDash(int row) const
{
    return Panel1->findChild<QLabel*>(u"Label"_qs + rowNumber(row), Qt::FindDirectChildrenOnly);
}

ui::TaggedLabel* Tfrm_arama::label(const QString& prefix, int row) const
{
    return Panel1->findChild<ui::TaggedLabel*>(prefix + rowNumber(row));
}

ui::TaggedLabel* Tfrm_arama::configurationLabel(const QString& name) const
{
    return findChild<ui::TaggedLabel*>(name, Qt::FindDirectChildrenOnly);
}

void Tfrm_arama::loadContactConfiguration()
{
    struct Row {
        const char16_t* caption;
        const char16_t* column;
    };
    static constexpr Row rows[] = {
        {u"Name", u"Ad"},
        {u"Surname", u"Soyad"},
        {u"Company", u"Firma Adi"},
        {u"Sector", u"Sektör"},
        {u"SubSector", u"Alt Sektör"},
        {u"City", u"Sehir"},
        {u"Additional Info", u"Ek Bilgi"},
        {u"Occupation", u"Meslek"},
    };
    for (int row = 1; row <= 8; ++row) {
        checkBox(row)->setText(QString::fromUtf16(rows[row - 1].caption));
        label(u"Alan"_qs, row)->setText(QString::fromUtf16(rows[row - 1].column));
        label(u"Tip"_qs, row)->setText(u"Dizi"_qs);
        label(u"Aciklama"_qs, row)->setText(Aralik);
        checkBox(row)->show();
    }
    const QString listed[] = {u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs,
                              u"Soyad"_qs,     u"Sehir"_qs,  u"e-mail"_qs};
    for (int i = 0; i < 7; ++i)
        label(u"Listelenenalan"_qs, i + 1)->setText(listed[i]);
    label(u"Listelenenalan"_qs, 1)->setTag(7);
    configurationLabel(u"Label1"_qs)->setText(u"Firma Adi"_qs);
    configurationLabel(u"Label1"_qs)->setTag(SortedOrderFlag);
    configurationLabel(u"donusformu"_qs)->setText(u"1"_qs);
    configurationLabel(u"tabloadi"_qs)->setText(u"kayit"_qs);
    configurationLabel(u"baslik"_qs)->setText(u"List/Report"_qs);
}

void Tfrm_arama::showRowFields(int row)
{
    firstField(row)->show();
    const bool range = label(u"Aciklama"_qs, row)->text() == Aralik;
    rangeDash(row)->setVisible(range);
    secondField(row)->setVisible(range);
}

void Tfrm_arama::hideRowFields(int row)
{
    firstField(row)->hide();
    secondField(row)->clear();
    secondField(row)->hide();
    rangeDash(row)->hide();
}

void Tfrm_arama::CheckBox01Click(QCheckBox* sender)
{
    const int row = sender->objectName().mid(8, 2).toInt();
    if (sender->isChecked())
        showRowFields(row);
    else
        hideRowFields(row);
}

void Tfrm_arama::FormActivate()
{
    int lastShown = 0;
    for (int row = 1; row <= CriterionRowCount; ++row) {
        if (!checkBox(row)->isHidden())
            lastShown = row;
        if (checkBox(row)->isChecked())
            showRowFields(row);
        else
            hideRowFields(row);
    }
    if (lastShown == 0)
        return; // callers always show a row; nothing to lay out otherwise
    const int top = checkBox(lastShown)->y();
    Panel1->resize(Panel1->width(), top + 20);
    Panel2->move(Panel2->x(), top + 20 + Panel1->y());
    m_outerHeight = Panel2->y() + Panel2->height() + FrameAllowance;
    setFixedSize(width(), m_outerHeight - FrameAllowance);
}

void Tfrm_arama::FormHide()
{
    for (int row = 1; row <= CriterionRowCount; ++row) {
        firstField(row)->clear();
        secondField(row)->clear();
        secondField(row)->hide();
        if (row >= 2) {
            firstField(row)->hide();
            checkBox(row)->hide();
            checkBox(row)->setChecked(false);
        }
    }
    configurationLabel(u"baslik"_qs)->clear();
    configurationLabel(u"Label1"_qs)->clear();
    configurationLabel(u"Label1"_qs)->setTag(0);
}

std::array<CriterionRow, CriterionRowCount> Tfrm_arama::criterionRows() const
{
    std::array<CriterionRow, CriterionRowCount> rows;
    for (int row = 1; row <= CriterionRowCount; ++row) {
        CriterionRow& r = rows[row - 1];
        r.ticked = checkBox(row)->isChecked();
        r.shown = !checkBox(row)->isHidden();
        r.column = label(u"Alan"_qs, row)->text();
        r.type = label(u"Tip"_qs, row)->text();
        r.kind = label(u"Aciklama"_qs, row)->text();
        r.first = firstField(row)->text();
        r.second = secondField(row)->text();
    }
    return rows;
}

SearchConfiguration Tfrm_arama::configuration() const
{
    SearchConfiguration c;
    c.table = configurationLabel(u"tabloadi"_qs)->text();
    c.returnCode = configurationLabel(u"donusformu"_qs)->text();
    for (int i = 0; i < CriterionRowCount; ++i)
        c.listedColumns[i] = label(u"Listelenenalan"_qs, i + 1)->text();
    c.fieldCount = label(u"Listelenenalan"_qs, 1)->tag();
    c.orderColumn = configurationLabel(u"Label1"_qs)->text();
    c.orderFlag = configurationLabel(u"Label1"_qs)->tag();
    return c;
}

void Tfrm_arama::SpeedButton2Click()
{
    const SearchConfiguration config = configuration();
    m_list->donusformu()->setText(config.returnCode);
    m_list->baslik()->setText(configurationLabel(u"baslik"_qs)->text());

    const QStringList lines = buildSearchSql(config, criterionRows());
    Memo1->setPlainText(lines.join(u'\n'));

    store::QueryDataSet* query = m_list->query();
    query->close();
    query->setConnectionString(store::ContactConnectionString());
    query->setSql(lines);
    query->open();

    if (query->isEmpty()) {
        ui::showMessage(this, u"There are no records matching your search criterias..."_qs);
        return;
    }
    if (config.returnCode == u"1"_qs) {
        query->setFieldVisible(0, false);
        static const std::pair<const char16_t*, int> columns[] = {
            {u"Company", 100}, {u"Sector", 100}, {u"Sub-sector", 100}, {u"Name", 100},
            {u"Surname", 120}, {u"City", 100},   {u"e-mail", 100},
        };
        for (int i = 0; i < 7; ++i) {
            m_list->grid()->setColumnTitle(i, QString::fromUtf16(columns[i].first));
            m_list->grid()->setGridColumnWidth(i, columns[i].second);
        }
    }
    m_list->show();
    m_list->raise();
    m_list->activateWindow();
}

void Tfrm_arama::SpeedButton1Click()
{
    hide();
}

void Tfrm_arama::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ui::guard(this, [this] { FormActivate(); });
}

void Tfrm_arama::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void Tfrm_arama::closeEvent(QCloseEvent* event)
{
    // The title bar offers no close; a close from the system only hides the window, as "&Close" does.
    event->accept();
}

} // namespace corvella::search
