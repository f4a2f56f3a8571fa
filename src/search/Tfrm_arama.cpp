#include "Tfrm_arama.h"

#include "Tfrm_liste.h"
#include "store/Columns.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
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

Tfrm_arama::Tfrm_arama(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"frm_arama"_qs);
    buildUi();
}

void Tfrm_arama::buildUi()
{
    setWindowTitle(tr("Search..."));
    ui::applyWindowColour(this);
    ui::centreOnFirstShow(this);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    ui::FormBuilder form(this);
    m_criteriaPanel = form.add<QFrame>(u"Panel1"_qs, {0, 0, WindowWidth, 180});
    m_buttonPanel = form.add<QFrame>(u"Panel2"_qs, {0, 180, WindowWidth, ButtonPanelHeight});

    const QString hint = tr("Sol taraftaki kutuyu işaretlediğiniz takdirde bu kritere göre arama yapılacak, aksi "
                            "takdirde yapılmayacaktır.");
    form.on(m_criteriaPanel);
    for (int number = 1; number <= CriterionRowCount; ++number) {
        // Controls are named by the row's two-digit number: "CheckBox01" to "CheckBox10".
        const QString nn = number < 10 ? u'0' + QString::number(number) : QString::number(number);
        const int top = FirstRowTop + (number - 1) * RowStep;
        RowControls& row = m_rows[number - 1];
        row.tick = form.add<QCheckBox>(u"CheckBox"_qs + nn, {8, top, 120, 16});
        row.tick->setToolTip(hint);
        form.onSignal(row.tick, &QCheckBox::clicked, [this, box = row.tick](bool) { CheckBox01Click(box); });
        row.first = form.edit(u"Edit"_qs + nn, {132, top, 150, 15});
        row.dash = form.add<QLabel>(u"Label"_qs + nn, {288, top, 16, 15});
        row.dash->setText(u"---"_qs);
        row.second = form.edit(u"Edit"_qs + nn + u'2', {308, top, 150, 15});
        for (QWidget* control : {(QWidget*)row.tick, (QWidget*)row.first, (QWidget*)row.dash, (QWidget*)row.second})
            control->hide();
        row.first->setFrame(false);
        row.second->setFrame(false);
        row.column = form.hidden<ui::TaggedLabel>(u"Alan"_qs + nn);
        row.type = form.hidden<ui::TaggedLabel>(u"Tip"_qs + nn);
        row.kind = form.hidden<ui::TaggedLabel>(u"Aciklama"_qs + nn);
        row.listedColumn = form.hidden<ui::TaggedLabel>(u"Listelenenalan"_qs + nn);
    }
    // Row 01 starts ticked with its first field in view.
    checkBox(1)->setChecked(true);
    firstField(1)->show();

    form.on(this);
    m_tableName = form.hidden<ui::TaggedLabel>(u"tabloadi"_qs);
    m_returnCode = form.hidden<ui::TaggedLabel>(u"donusformu"_qs);
    m_title = form.hidden<ui::TaggedLabel>(u"baslik"_qs);
    m_order = form.hidden<ui::TaggedLabel>(u"Label1"_qs);
    m_sqlText = form.hidden<QPlainTextEdit>(u"Memo1"_qs);
    m_sqlText->setLineWrapMode(QPlainTextEdit::NoWrap);

    form.on(m_buttonPanel);
    const int buttonWidth = WindowWidth / 2 - 6, buttonHeight = ButtonPanelHeight - 12;
    auto* view = form.onClick(form.toolButton(u"SpeedButton2"_qs, tr("&View "), {4, 6, buttonWidth, buttonHeight}),
                              [this] { SpeedButton2Click(); });
    auto* close = form.onClick(
        form.toolButton(u"SpeedButton1"_qs, tr("&Close"), {WindowWidth / 2 + 2, 6, buttonWidth, buttonHeight}),
        [this] { SpeedButton1Click(); });
    view->setAutoRaise(true);
    close->setAutoRaise(true);

    setFixedSize(WindowWidth, m_buttonPanel->y() + ButtonPanelHeight);
}

void Tfrm_arama::loadContactConfiguration()
{
    namespace contact = store::contact;
    const std::pair<const char*, const QString&> rows[] = {
        {QT_TR_NOOP("Name"), contact::FirstName},        {QT_TR_NOOP("Surname"), contact::LastName},
        {QT_TR_NOOP("Company"), contact::Company},       {QT_TR_NOOP("Sector"), contact::Sector},
        {QT_TR_NOOP("SubSector"), contact::SubSector},   {QT_TR_NOOP("City"), contact::City},
        {QT_TR_NOOP("Additional Info"), contact::Notes}, {QT_TR_NOOP("Occupation"), contact::Occupation},
    };
    for (int number = 1; number <= 8; ++number) {
        const RowControls& controls = row(number);
        controls.tick->setText(tr(rows[number - 1].first));
        controls.column->setText(rows[number - 1].second);
        controls.type->setText(u"Dizi"_qs);
        controls.kind->setText(Aralik);
        controls.tick->show();
    }
    // The list's columns, as the list shows them (SQL names ignore case: "e-mail" is the E-mail column).
    const QString listed[] = {contact::Company,  contact::Sector, contact::SubSector, contact::FirstName,
                              contact::LastName, contact::City,   u"e-mail"_qs};
    for (int i = 0; i < 7; ++i)
        row(i + 1).listedColumn->setText(listed[i]);
    row(1).listedColumn->setTag(7);
    m_order->setText(contact::Company);
    m_order->setTag(SortedOrderFlag);
    m_returnCode->setText(u"1"_qs);
    m_tableName->setText(store::tables::Contacts);
    m_title->setText(tr("List/Report"));
}

void Tfrm_arama::showRowFields(int row)
{
    firstField(row)->show();
    const bool range = this->row(row).kind->text() == Aralik;
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
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [sender](const RowControls& r) { return r.tick == sender; });
    if (found == m_rows.end())
        return;
    const int row = int(found - m_rows.begin()) + 1;
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
    m_criteriaPanel->resize(m_criteriaPanel->width(), top + 20);
    m_buttonPanel->move(m_buttonPanel->x(), top + 20 + m_criteriaPanel->y());
    m_outerHeight = m_buttonPanel->y() + m_buttonPanel->height() + FrameAllowance;
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
    m_title->clear();
    m_order->clear();
    m_order->setTag(0);
}

std::array<CriterionRow, CriterionRowCount> Tfrm_arama::criterionRows() const
{
    std::array<CriterionRow, CriterionRowCount> rows;
    for (int row = 1; row <= CriterionRowCount; ++row) {
        CriterionRow& r = rows[row - 1];
        r.ticked = checkBox(row)->isChecked();
        r.shown = !checkBox(row)->isHidden();
        r.column = this->row(row).column->text();
        r.type = this->row(row).type->text();
        r.kind = this->row(row).kind->text();
        r.first = firstField(row)->text();
        r.second = secondField(row)->text();
    }
    return rows;
}

SearchConfiguration Tfrm_arama::configuration() const
{
    SearchConfiguration c;
    c.table = m_tableName->text();
    c.returnCode = m_returnCode->text();
    for (int i = 0; i < CriterionRowCount; ++i)
        c.listedColumns[i] = this->row(i + 1).listedColumn->text();
    c.fieldCount = this->row(1).listedColumn->tag();
    c.orderColumn = m_order->text();
    c.orderFlag = m_order->tag();
    return c;
}

void Tfrm_arama::SpeedButton2Click()
{
    const SearchConfiguration config = configuration();
    m_list->returnCodeLabel()->setText(config.returnCode);
    m_list->titleLabel()->setText(m_title->text());

    const QStringList lines = buildSearchSql(config, criterionRows());
    m_sqlText->setPlainText(lines.join(u'\n'));

    store::QueryDataSet* query = m_list->query();
    query->close();
    query->setConnectionString(store::ContactConnectionString());
    query->setSql(lines);
    query->open();

    if (query->isEmpty()) {
        ui::showMessage(this, tr("There are no records matching your search criterias..."));
        return;
    }
    if (config.returnCode == u"1"_qs)
        m_list->showContactColumns();
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
