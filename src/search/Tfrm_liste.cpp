#include "Tfrm_liste.h"

#include "MailList.h"
#include "QueryBuilder.h"
#include "QuickFind.h"
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
#include "print/ui/PrintPreview.h"
#include "print/ui/RunProgress.h"
#include "print/ui/Tfrmetiketdm.h"
#include "store/BackgroundSnapshot.h"
#include "store/Columns.h"
#include "store/ConnectDataSets.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "store/FindIndex.h"
#include "store/ServerDatabase.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/ModalDialog.h"
#include "ui/TaggedLabel.h"
#include "ui/WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvella::search {

namespace {

/// Rows of a find shown before all are counted: more than a window shows.
constexpr int FirstFoundRows = 100;

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

/// The listed rows for a preview: any row read where it lies, without moving the list's cursor.
class PreviewRows : public print::ReportRows {
public:
    PreviewRows(const store::QueryDataSet& query, QList<int> fields)
        : m_query(query)
        , m_fields(std::move(fields))
        , m_count(query.recordCount())
    {}
    qint64 count() const override { return m_count; }
    void first() override { m_row = 0; }
    void next() override { ++m_row; }
    void moveTo(qint64 row) override { m_row = row; }
    QVariant value(int column) const override { return m_query.valueAt(m_row, m_fields.at(column)); }

private:
    const store::QueryDataSet& m_query;
    QList<int> m_fields;
    qint64 m_count;
    qint64 m_row = 0;
};

/// The report of a preview, with the rows it reads.
class ReportPreview : public print::Printout {
public:
    ReportPreview(const print::ReportInput& input, const store::QueryDataSet& query, QList<int> fields)
        : m_rows(query, std::move(fields))
        , m_report(input, m_rows)
    {}
    QString jobName() const override { return m_report.jobName(); }
    std::optional<print::Orientation> orientation() const override { return m_report.orientation(); }
    qint64 pageCount(const print::Tgenel& printer) override { return m_report.pageCount(printer); }
    void drawPage(print::Tgenel& printer, qint64 page) override { m_report.drawPage(printer, page); }

private:
    PreviewRows m_rows;
    print::ReportPrintout m_report;
};

/// The labels of a preview, with an engine of their own that keeps the listed rows open while the preview lives.
class LabelPreview : public print::Printout {
public:
    explicit LabelPreview(std::unique_ptr<print::TRaporV2> engine)
        : m_engine(std::move(engine))
        , m_rows(m_engine->openPages())
        , m_labels(m_engine->sheet(), m_engine->fieldElements(), m_engine->textElements(), *m_rows,
                   print::LabelRunOptions{m_engine->firstLabel(), {}, {}})
    {}
    QString jobName() const override { return m_labels.jobName(); }
    std::optional<print::Orientation> orientation() const override { return m_labels.orientation(); }
    qint64 pageCount(const print::Tgenel& printer) override { return m_labels.pageCount(printer); }
    void drawPage(print::Tgenel& printer, qint64 page) override { m_labels.drawPage(printer, page); }

private:
    std::unique_ptr<print::TRaporV2> m_engine;
    std::unique_ptr<print::LabelRowsAt> m_rows;
    print::LabelPrintout m_labels;
};

} // namespace

Tfrm_liste::Tfrm_liste(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_result(new store::QueryDataSet(this))
    , m_settings(new store::TableDataSet(this))
    , m_labelEngine(new print::TRaporV2(this))
    , m_finder(new store::BackgroundSnapshot(this))
    , m_indexBuilder(new store::FindIndexBuilder(this))
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
    setWindowTitle(tr("List/Report"));
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
    m_reportButton = form.onClick(form.button(u"BitBtn1"_qs, tr("&Print Report"), {}, tr("Print list...")),
                                  [this] { BitBtn1Click(); });
    m_labelButton = form.onClick(
        form.button(u"BitBtn3"_qs, tr("Print &Labels"), {}, tr("Print labels for the records in the list...")),
        [this] { BitBtn3Click(); });
    m_mailButton =
        form.onClick(form.button(u"BitBtn4"_qs, tr("Send auto-mail to Listed..."), {}), [this] { BitBtn4Click(); });
    auto* found = form.add<QLabel>(u"Label1"_qs);
    found->setText(tr("Records found :"));
    m_count = form.add<QLineEdit>(u"Edit1"_qs);
    m_count->setFixedWidth(80);
    m_count->setReadOnly(true);
    m_exportCsvButton = form.onClick(form.button(u"exportCsvButton"_qs, tr("Export CSV..."), {},
                                                 tr("Write the listed contacts with all their fields to a CSV file")),
                                     [this] { exportCsvClick(); });
    m_exportVCardButton =
        form.onClick(form.button(u"exportVCardButton"_qs, tr("Export vCard..."), {},
                                 tr("Write the listed contacts with all their fields to a vCard file")),
                     [this] { exportVCardClick(); });
    // A tool button, its menu shown on a click, keeps the bar within the window's design width.
    m_previewButton = form.toolButton(u"previewButton"_qs, tr("Pre&view"), {},
                                      tr("Look at the report or the labels page by page before printing"));
    m_previewButton->setFixedWidth(m_previewButton->fontMetrics().horizontalAdvance(tr("Preview")) + 8);
    auto* previewMenu = new QMenu(m_previewButton);
    form.onSignal(previewMenu->addAction(tr("&Report")), &QAction::triggered, [this](bool) { previewReportClick(); });
    form.onSignal(previewMenu->addAction(tr("&Labels")), &QAction::triggered, [this](bool) { previewLabelsClick(); });
    connect(m_previewButton, &QToolButton::clicked, previewMenu, [this, previewMenu] {
        previewMenu->popup(m_previewButton->mapToGlobal(QPoint(0, m_previewButton->height())));
    });
    m_closeButton = form.onClick(form.button(u"BitBtn2"_qs, tr("&Close"), {}), [this] { BitBtn2Click(); });
    m_returnCode = form.hidden<ui::TaggedLabel>(u"donusformu"_qs);
    m_title = form.hidden<ui::TaggedLabel>(u"baslik"_qs);

    auto* bar = new QHBoxLayout(topBar);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(1); // room for the preview within the window's width
    for (QWidget* control : std::initializer_list<QWidget*>{m_reportButton, m_labelButton, m_mailButton, found, m_count,
                                                            m_exportCsvButton, m_exportVCardButton, m_previewButton})
        bar->addWidget(control);
    bar->addStretch();
    bar->addWidget(m_closeButton);

    form.on(this);
    m_grid = form.add<ui::DBGrid>(u"DBGrid1"_qs);
    m_grid->setToolTip(tr("You can select a record from list."));
    m_grid->setDataSet(m_result);
    m_grid->setStyleSheet(u"QHeaderView::section { background-color: rgb(230, 230, 255); }"_qs);
    form.onSignal(m_grid, &QAbstractItemView::doubleClicked, [this](const QModelIndex&) { DBGrid1DblClick(); });
    form.onSignal(m_grid, &ui::DBGrid::keyPressed, [this](int key) { DBGrid1KeyPress(key); });
    m_grid->horizontalHeader()->setSectionsClickable(true);
    form.onSignal(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, [this](int field) { sortByField(field); });
    connect(m_result, &store::DataSet::activeChanged, this, [this](bool active) {
        if (!m_showingFound) {
            // Another statement takes the list's place (a search, a sort): a find still running is over.
            if (active)
                stopFinding();
            if (!active && !m_foundFile.isEmpty() && !m_finding)
                QFile::remove(std::exchange(m_foundFile, QString()));
        }
        if (!active || m_sorting)
            return;
        // A new search: its own order, and columns sized to the new rows.
        m_sortField = -1;
        m_grid->horizontalHeader()->setSortIndicatorShown(false);
        m_fitPending = true;
        // Once the search window has set the columns up and shown the list.
        QTimer::singleShot(0, this, &Tfrm_liste::fitColumnsIfPending);
    });
    form.onSignal(m_finder, &store::BackgroundSnapshot::firstRowsReady,
                  [this](const QString& file, bool complete) { showBackgroundRows(file, complete); });
    form.onSignal(m_finder, &store::BackgroundSnapshot::allRowsReady,
                  [this](const QString& file) { showBackgroundRows(file, true); });
    form.onSignal(m_finder, &store::BackgroundSnapshot::failed, [this](const QString& message) {
        m_pendingSort.reset(); // the list keeps the order it shows
        setFinding(false);
        throw DatabaseError(message);
    });
    // A find that met no usable index scans; the index is built meanwhile for the next ones.
    connect(m_finder, &store::BackgroundSnapshot::indexChecked, this, [this](int status, bool) {
        const auto found = store::findindex::Status(status);
        if (found != store::findindex::Status::Current && found != store::findindex::Status::Unavailable &&
            !m_unindexedFiles.contains(m_foundIn))
            m_indexBuilder->start(m_foundIn);
    });
    connect(m_indexBuilder, &store::FindIndexBuilder::finished, this,
            [this](const QString& file, bool built, const QString& error) {
                if (!built && !error.isEmpty()) {
                    qWarning("No find index for %s: %s", qPrintable(file), qPrintable(error));
                    m_unindexedFiles << file;
                }
            });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    form.onSignal(escape, &QShortcut::activated, [this] { BitBtn2Click(); });

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
    if (!m_finding)
        m_count->setText(QString::number(m_result->recordCount()));
}

void Tfrm_liste::showContactColumns()
{
    m_result->setFieldVisible(0, false);
    static const std::pair<const char*, int> columns[] = {
        {QT_TR_NOOP("Company"), 100}, {QT_TR_NOOP("Sector"), 100},  {QT_TR_NOOP("Sub-sector"), 100},
        {QT_TR_NOOP("Name"), 100},    {QT_TR_NOOP("Surname"), 120}, {QT_TR_NOOP("City"), 100},
        {QT_TR_NOOP("e-mail"), 100},
    };
    for (int i = 0; i < 7; ++i) {
        m_grid->setColumnTitle(i, tr(columns[i].first));
        m_grid->setGridColumnWidth(i, columns[i].second);
    }
}

void Tfrm_liste::showFound(const QString& typed)
{
    const QStringList sql = buildQuickFindSql(typed);
    if (sql.isEmpty())
        return;
    m_returnCode->setText(u"1"_qs);
    m_title->setText(tr("Find: %1").arg(findWords(typed).join(u' ')));
    setWindowTitle(m_title->text());
    const QString connection = store::ContactConnectionString();
    const QString source = store::dataSourceOf(connection);
    if (store::server::isAddress(source)) {
        // A server runs the find itself, while this program waits as for a search.
        stopFinding();
        m_result->close();
        m_result->setConnectionString(connection);
        m_result->setSql(sql);
        m_result->open();
        showContactColumns();
        FormActivate();
        showWithoutTakingKeyboard();
        return;
    }
    m_pendingSort.reset();
    m_foundIn = QFileInfo(source).absoluteFilePath();
    // While the index is built the find scans; a file that cannot have one is scanned without asking again.
    store::BackgroundSnapshot::Indexed indexed;
    if (!m_indexBuilder->isBuilding(m_foundIn) && !m_unindexedFiles.contains(m_foundIn)) {
        // The first rows trust the index; all of them, which the report, the labels and the mail use, are checked.
        indexed.indexFile = store::findindex::indexFileFor(m_foundIn);
        const IndexedFind find = buildIndexedQuickFindSql(typed);
        indexed.firstStatement = find.first.join(u"\r\n"_qs);
        indexed.allStatement = find.all.join(u"\r\n"_qs);
        indexed.firstWalked = find.walked;
    }
    runInBackground(connection, sql, FirstFoundRows, indexed);
}

void Tfrm_liste::runInBackground(const QString& connection, const QStringList& sql, int firstRows,
                                 const store::BackgroundSnapshot::Indexed& indexed)
{
    m_backgroundSql = sql;
    m_backgroundConnection = connection;
    setFinding(true);
    QString statement;
    for (const QString& line : sql)
        statement += line + u"\r\n"_qs;
    m_finder->start(QFileInfo(store::dataSourceOf(connection)).absoluteFilePath(), statement, firstRows, indexed);
}

void Tfrm_liste::showBackgroundRows(const QString& snapshotFile, bool complete)
{
    const std::optional<PendingSort> sort = m_pendingSort;
    const QString previous = m_foundFile;
    {
        m_showingFound = true;
        m_sorting = sort.has_value();
        const ScopeExit shown([this] {
            m_showingFound = false;
            m_sorting = false;
        });
        m_result->close();
        if (!previous.isEmpty())
            QFile::remove(previous);
        m_foundFile.clear();
        m_result->setConnectionString(m_backgroundConnection);
        m_result->setSql(m_backgroundSql);
        m_result->openPrepared(snapshotFile);
        m_foundFile = snapshotFile;
    }
    if (sort) {
        restoreColumnLayout(sort->columns);
        if (complete) {
            m_sortField = sort->field;
            m_sortOrder = sort->order;
            m_pendingSort.reset();
            showSortIndicator();
        }
    } else {
        showContactColumns();
    }
    setFinding(!complete);
    const qint64 count = m_result->recordCount();
    m_count->setText(complete ? QString::number(count) : tr("%1+").arg(count));
    showWithoutTakingKeyboard();
}

void Tfrm_liste::showWithoutTakingKeyboard()
{
    if (isVisible())
        return;
    QWidget* typingIn = QApplication::activeWindow();
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    // Not every window manager honours the request.
    if (typingIn && typingIn != this)
        typingIn->activateWindow();
    // A window shown without the keyboard is stacked below the active one (openbox, among others): bring it up.
    raise();
}

void Tfrm_liste::setFinding(bool finding)
{
    m_finding = finding;
    // Until every row is there, what uses them all waits.
    for (QWidget* control : std::initializer_list<QWidget*>{m_reportButton, m_labelButton, m_mailButton,
                                                            m_exportCsvButton, m_exportVCardButton, m_previewButton})
        control->setEnabled(!finding);
    // A find's first rows are not all there is to order; a sort running may be replaced by another.
    m_grid->horizontalHeader()->setSectionsClickable(!finding || m_pendingSort);
    if (!finding)
        m_count->setToolTip(QString());
    else
        m_count->setToolTip(m_pendingSort ? tr("Sorting the list...") : tr("Counting the contacts found..."));
    if (finding)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void Tfrm_liste::stopFinding()
{
    m_pendingSort.reset();
    if (m_finding || m_finder->isRunning()) {
        m_finder->stop();
        setFinding(false);
    }
}

void Tfrm_liste::fitColumnsIfPending()
{
    if (!m_fitPending || !isVisible() || !m_result->isActive())
        return;
    m_fitPending = false;
    m_grid->fitColumnsToContent();
}

Tfrm_liste::ColumnLayout Tfrm_liste::columnLayout() const
{
    ColumnLayout layout;
    for (int i = 0; i < m_result->fieldCount(); ++i)
        layout.visible << m_result->isFieldVisible(i);
    for (int column = 0; column < m_grid->visibleColumnCount(); ++column) {
        layout.titles << m_grid->columnTitle(column);
        layout.widths << m_grid->gridColumnWidth(column);
    }
    return layout;
}

void Tfrm_liste::restoreColumnLayout(const ColumnLayout& layout)
{
    for (int i = 0; i < layout.visible.size(); ++i)
        m_result->setFieldVisible(i, layout.visible.at(i));
    for (int column = 0; column < layout.titles.size(); ++column) {
        m_grid->setColumnTitle(column, layout.titles.at(column));
        m_grid->setGridColumnWidth(column, layout.widths.at(column));
    }
}

void Tfrm_liste::showSortIndicator()
{
    m_grid->horizontalHeader()->setSortIndicatorShown(true);
    m_grid->horizontalHeader()->setSortIndicator(m_sortField, m_sortOrder);
}

void Tfrm_liste::sortByField(int field)
{
    const bool replacing = m_pendingSort.has_value();
    if ((m_finding && !replacing) || !m_result->isActive() || field < 0 || field >= m_result->fieldCount())
        return;
    const int orderedBy = replacing ? m_pendingSort->field : m_sortField;
    const Qt::SortOrder orderedHow = replacing ? m_pendingSort->order : m_sortOrder;
    const Qt::SortOrder order =
        field == orderedBy && orderedHow == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    const QStringList sql = withOrder(m_result->sql(), m_result->fieldDef(field).name, order);
    const QString connection = m_result->connectionString();
    if (!store::server::isAddress(store::dataSourceOf(connection))) {
        m_pendingSort = PendingSort{field, order, columnLayout()};
        runInBackground(connection, sql, store::BackgroundSnapshot::AllRowsAtOnce);
        return;
    }
    // A server orders the rows itself, while this program waits as for a search.
    const ColumnLayout layout = columnLayout();
    {
        m_sorting = true;
        const ScopeExit sorted([this] { m_sorting = false; });
        m_result->close();
        m_result->setSql(sql);
        m_result->open();
    }
    restoreColumnLayout(layout);
    m_sortField = field;
    m_sortOrder = order;
    showSortIndicator();
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
        throw Error(tr("'%1' is not a valid integer value").arg(m_returnCode->text()));
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

print::ReportInput Tfrm_liste::reportInput(QList<int>& fields) const
{
    if (!m_printer || !m_printSettings)
        throw Error(tr("Printing is not available."));
    store::DataSet& settings = *m_printSettings;
    print::ReportInput input = print::reportSettingsFromSettings(
        [&settings](const QString& column) { return settings.fieldByName(column).value(); });
    input.title = m_title->text();
    for (int column = 0; column < m_grid->visibleColumnCount(); ++column) {
        const int field = m_grid->fieldOfColumn(column);
        const store::FieldDef& def = m_result->fieldDef(field);
        input.columns << print::ReportColumn{def.name, def.kind, def.size};
        fields << field;
    }
    return input;
}

void Tfrm_liste::BitBtn1Click()
{
    QList<int> fields;
    const print::ReportInput input = reportInput(fields);
    ListedRows rows(*m_result, fields);

    // A failure part-way must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = m_reportButton->text();
    m_reportButton->setEnabled(false);
    m_reportButton->setText(tr("Yazıcı Meşgul"));
    m_reportButton->repaint(); // the run holds the event loop; show the busy caption now
    m_result->disableControls();
    QString savedTo;
    {
        OnFailure restoreCaption([&] { m_reportButton->setText(reportCaption); });
        ScopeExit reenable([this] {
            m_result->enableControls();
            m_reportButton->setEnabled(true);
        });
        print::RunProgress progress(this);
        savedTo = print::printReport(*m_printer, input, rows, progress.callback());
    }
    m_reportButton->setText(tr("&Listeyi Yazıcıya Gönder"));
    if (!savedTo.isEmpty())
        ui::showMessage(this, tr("No printer is installed: the report was saved to\n%1").arg(savedTo));
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
    automail->edit7()->setText(tr("Auto-Mail To List"));
    automail->edit7()->setEnabled(false);
    automail->show();
}

std::optional<Tfrm_liste::LabelAnswers> Tfrm_liste::askLabelAnswers()
{
    print::Tfrmetiketdm dialog(this);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return LabelAnswers{dialog.nameChoice(), dialog.companyChoice(), dialog.firstLabel()};
}

void Tfrm_liste::BitBtn3Click()
{
    if (!m_printer)
        throw Error(tr("Printing is not available."));
    const std::optional<LabelAnswers> answers = askLabelAnswers();
    if (!answers)
        return;
    const auto [nameChoice, companyChoice, firstLabel] = *answers;
    // The stored row, not what the print settings window holds unsaved.
    m_settings->close();
    m_settings->open();

    // A failure anywhere must not leave the buttons dead: they get back the captions they had.
    const QString reportCaption = m_reportButton->text();
    const QString labelCaption = m_labelButton->text();
    for (QPushButton* button : {m_reportButton, m_labelButton}) {
        button->setEnabled(false);
        button->setText(tr("Yazıcı Meşgul"));
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
        setUpLabelEngine(*m_labelEngine, nameChoice, companyChoice, firstLabel);
        m_labelEngine->setPrinter(m_printer);
        print::RunProgress progress(this);
        savedTo = m_labelEngine->PrintLabels(progress.callback());
    }
    m_reportButton->setEnabled(true);
    m_reportButton->setText(tr("&Listeyi Yazıcıya Gönder"));
    m_labelButton->setEnabled(true);
    m_labelButton->setText(tr("&Etiket Dökümü"));
    if (!savedTo.isEmpty())
        ui::showMessage(this, print::savedPrintoutMessage(savedTo));
}

void Tfrm_liste::setUpLabelEngine(print::TRaporV2& engine, print::LabelNameChoice name,
                                  print::LabelCompanyChoice company, int firstLabel)
{
    engine.setConnectionString(m_result->connectionString());
    const print::SettingsReader settings = [this](const QString& column) {
        return m_settings->fieldByName(column).value();
    };
    engine.setSheet(print::labelSheetFromSettings(settings));
    engine.setFirstLabel(firstLabel);
    const print::LabelElements elements = print::labelElementsFromSettings(settings, name, company);
    engine.clearFieldElements();
    for (const print::LabelElement& e : elements.fields)
        engine.AddFieldElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
    engine.clearTextElements();
    for (const print::LabelElement& e : elements.texts)
        engine.AddTextElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
    m_settings->close();
    engine.setSql(m_result->sql());
}

void Tfrm_liste::previewReportClick()
{
    if (!m_result->isActive())
        throw Error(tr("The list is empty."));
    QList<int> fields;
    const print::ReportInput input = reportInput(fields);
    auto* preview =
        new print::PrintPreview(std::make_unique<ReportPreview>(input, *m_result, std::move(fields)), m_printer, this);
    preview->show();
}

void Tfrm_liste::previewLabelsClick()
{
    if (!m_printer)
        throw Error(tr("Printing is not available."));
    if (!m_result->isActive())
        throw Error(tr("The list is empty."));
    const std::optional<LabelAnswers> answers = askLabelAnswers();
    if (!answers)
        return;
    const auto [nameChoice, companyChoice, firstLabel] = *answers;
    m_settings->close();
    m_settings->open();
    auto engine = std::make_unique<print::TRaporV2>();
    {
        const ScopeExit closeSettings([this] { m_settings->close(); });
        setUpLabelEngine(*engine, nameChoice, companyChoice, firstLabel);
    }
    auto* preview = new print::PrintPreview(std::make_unique<LabelPreview>(std::move(engine)), m_printer, this);
    preview->show();
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
        throw Error(tr("The list is empty."));
    // The list's own statement widened to every column (not the search window's criteria, which the user may have
    // changed since): the same rows in the same order, read afresh.
    const QString sql = withAllColumns(m_result->sql()).join(u"\r\n"_qs);
    const QString title = format == exchange::ExportFormat::Csv ? tr("Export CSV") : tr("Export vCard");
    exchange::exportContacts(this, m_result->connectionString(), sql, title, format);
}

void Tfrm_liste::BitBtn2Click()
{
    hide();
}

void Tfrm_liste::FormClose()
{
    // A report preview reads the list's rows, which go with it.
    for (auto* preview : findChildren<print::PrintPreview*>(Qt::FindDirectChildrenOnly))
        preview->close();
    stopFinding();
    m_result->close();
}

void Tfrm_liste::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ui::guard(this, [this] { FormActivate(); });
}

void Tfrm_liste::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &Tfrm_liste::fitColumnsIfPending);
}

void Tfrm_liste::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

} // namespace corvella::search
