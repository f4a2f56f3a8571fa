#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "RecordingSurface.h"

#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "print/Tgenel.h"
#include "search/QueryBuilder.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"
#include "store/widgets/DBGrid.h"
#include "ui/Dialogs.h"
#include "ui/TaggedLabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace corvella;

namespace {

/// The running program's windows on a contact file, with the Report button already pressed.
struct Program {
    test::ContactFileFixture fixture;
    app::Windows windows;

    explicit Program(const QList<QVariantMap>& contacts)
    {
        fixture.addContacts(fixture.numbers(11, 10 + int(contacts.size())),
                            [&contacts](int no) { return contacts.at(no - 11); });
        windows = app::createWindows();
        windows.main->show();
        windows.main->BitBtn1Click();
        search().FormActivate();
    }

    search::Tfrm_arama& search() { return *windows.search; }
    search::Tfrm_liste& list() { return *windows.list; }

    void tick(int row, const QString& from, const QString& to)
    {
        QCheckBox* box = search().checkBox(row);
        if (!box->isChecked())
            box->click();
        search().firstField(row)->setText(from);
        search().secondField(row)->setText(to);
    }

    void untick(int row)
    {
        if (search().checkBox(row)->isChecked())
            search().checkBox(row)->click();
    }

    /// Presses "&View " and returns the listed rows' values of one column, in order.
    QStringList view(const QString& column)
    {
        search().findChild<QToolButton*>(u"SpeedButton2"_qs)->click();
        QStringList values;
        store::QueryDataSet* query = list().query();
        if (!query->isActive())
            return values;
        const int field = query->findField(column);
        for (qint64 row = 0; row < query->recordCount(); ++row)
            values << query->valueAt(row, field).toString();
        return values;
    }
};

QVariantMap contact(const QString& name, const QString& surname, const QString& firm)
{
    return {{u"Ad"_qs, name}, {u"Soyad"_qs, surname}, {u"Firma Adi"_qs, firm}, {u"Sehir"_qs, u"İzmir"_qs}};
}

const QList<QVariantMap> people = {
    contact(u"Mehmet"_qs, u"Kaya"_qs, u"Zeytin Ltd"_qs),  contact(u"Ali"_qs, u"O'Brien"_qs, u"Çınar A.Ş."_qs),
    contact(u"M"_qs, u"Tek"_qs, u"Cam Evi"_qs),           contact(u"Zehra"_qs, u"Öztürk"_qs, u"Demir"_qs),
    contact(u"ayşe"_qs, u"Yılmaz"_qs, u"ada yazılım"_qs),
};

} // namespace

class SearchWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void reportLoadsTheContactConfiguration();
    void layoutFollowsTheLastShownRow();
    void nothingTickedListsAllInCompanyOrder();
    void rangeAToMLeavesOutLongerNamesWithM();
    void apostropheValueFindsItsRow();
    void onlyFirstFieldFilledFindsNothing();
    void untickClearsSecondFieldKeepsFirst();
    void closeThenReportResetsRows();
    void listShowsCountTitlesAndHidesNumber();
    void pickBringsMainWindowToTheRecord();
    void pickAfterEditingStoresTheEditFirst();
    void enterActsLikeDoubleClick();
    void closeKeepsSearchAndClosesQuery();
    void numberErrorStopsBeforeRunning();
    void headingClickSortsInTurkishOrderBothWays();
    void foundListSortsWhileTheWindowGoesOn();
    void listClosesOnEscapeAndFitsItsColumns();
    void quickFindListsAndPrintsTheMatches_data();
    void quickFindListsAndPrintsTheMatches();
};

void SearchWindowsTest::reportLoadsTheContactConfiguration()
{
    Program program({});
    auto& s = program.search();
    QCOMPARE(s.windowTitle(), u"Search..."_qs);
    QCOMPARE(s.checkBox(3)->text(), u"Company"_qs);
    QCOMPARE(s.row(5).column->text(), u"Alt Sektör"_qs);
    QCOMPARE(s.row(8).kind->text(), u"Aralık"_qs);
    for (int row = 1; row <= 8; ++row)
        QVERIFY(!s.checkBox(row)->isHidden());
    QVERIFY(s.checkBox(9)->isHidden() && s.checkBox(10)->isHidden());
    QCOMPARE(s.row(1).listedColumn->tag(), 7);
    QCOMPARE(s.row(7).listedColumn->text(), u"e-mail"_qs);
    QCOMPARE(s.orderLabel()->tag(), 128);
    QCOMPARE(s.titleLabel()->text(), u"List/Report"_qs);
    QVERIFY(s.checkBox(1)->isChecked()); // row 01 starts ticked
    QVERIFY(s.findChild<QLineEdit*>(u"Edit012"_qs));
    QCOMPARE(s.findChild<QToolButton*>(u"SpeedButton2"_qs)->text(), u"&View "_qs);
}

void SearchWindowsTest::layoutFollowsTheLastShownRow()
{
    Program program({});
    auto& s = program.search();
    QCOMPARE(s.checkBox(8)->y(), 118);
    QCOMPARE(s.findChild<QFrame*>(u"Panel1"_qs)->height(), 138);
    QCOMPARE(s.outerHeight(), 205);
    QCOMPARE(s.height(), 205 - 28);
}

void SearchWindowsTest::nothingTickedListsAllInCompanyOrder()
{
    Program program(people);
    program.untick(1);
    QCOMPARE(program.view(u"Firma Adi"_qs),
             QStringList({u"ada yazılım"_qs, u"Cam Evi"_qs, u"Çınar A.Ş."_qs, u"Demir"_qs, u"Zeytin Ltd"_qs}));
    QVERIFY(program.list().isVisible());
}

void SearchWindowsTest::rangeAToMLeavesOutLongerNamesWithM()
{
    Program program(people);
    program.tick(1, u"A"_qs, u"M"_qs);
    QStringList names = program.view(u"Ad"_qs);
    names.sort();
    QCOMPARE(names, QStringList({u"Ali"_qs, u"M"_qs, u"ayşe"_qs}));
}

void SearchWindowsTest::apostropheValueFindsItsRow()
{
    Program program(people);
    program.untick(1);
    program.tick(2, u"O'Brien"_qs, u"O'Brien"_qs);
    QCOMPARE(program.view(u"Ad"_qs), QStringList{u"Ali"_qs});
}

void SearchWindowsTest::onlyFirstFieldFilledFindsNothing()
{
    Program program(people);
    test::DialogAnswers hook;
    program.tick(1, u"A"_qs, QString());
    program.view(u"Ad"_qs);
    QCOMPARE(hook.asked, QStringList{u"There are no records matching your search criterias..."_qs});
    QVERIFY(!program.list().isVisible());
    QCOMPARE(program.search().firstField(1)->text(), u"A"_qs); // the criteria stay for another try
}

void SearchWindowsTest::untickClearsSecondFieldKeepsFirst()
{
    Program program(people);
    auto& s = program.search();
    program.tick(4, u"Bilişim"_qs, u"Gıda"_qs);
    QVERIFY(!s.secondField(4)->isHidden());
    s.checkBox(4)->click();
    QVERIFY(s.firstField(4)->isHidden());
    QVERIFY(s.secondField(4)->isHidden());
    QVERIFY(s.rangeDash(4)->isHidden());
    QCOMPARE(s.secondField(4)->text(), QString());
    QCOMPARE(s.firstField(4)->text(), u"Bilişim"_qs);
    s.checkBox(4)->click();
    QVERIFY(!s.firstField(4)->isHidden());
    QCOMPARE(s.firstField(4)->text(), u"Bilişim"_qs);
}

void SearchWindowsTest::closeThenReportResetsRows()
{
    Program program(people);
    auto& s = program.search();
    program.tick(1, u"a"_qs, u"z"_qs);
    program.tick(3, u"a"_qs, u"z"_qs);
    program.tick(7, u"x"_qs, u"y"_qs);
    s.findChild<QToolButton*>(u"SpeedButton1"_qs)->click();
    QVERIFY(!s.isVisible());
    QCOMPARE(s.orderLabel()->tag(), 0);
    program.windows.main->BitBtn1Click();
    s.FormActivate();
    for (int row = 2; row <= 8; ++row) {
        QVERIFY(!s.checkBox(row)->isChecked());
        QCOMPARE(s.firstField(row)->text(), QString());
        QVERIFY(s.firstField(row)->isHidden());
    }
    QVERIFY(s.checkBox(1)->isChecked());
    QCOMPARE(s.firstField(1)->text(), QString());
    QVERIFY(!s.firstField(1)->isHidden());
    QCOMPARE(s.orderLabel()->tag(), 128);
}

void SearchWindowsTest::listShowsCountTitlesAndHidesNumber()
{
    Program program(people);
    program.untick(1);
    program.view(u"Ad"_qs);
    auto& list = program.list();
    list.FormActivate();
    QCOMPARE(list.windowTitle(), u"List/Report"_qs);
    QCOMPARE(list.findChild<QLineEdit*>(u"Edit1"_qs)->text(), u"5"_qs);
    ui::DBGrid* grid = list.grid();
    QCOMPARE(grid->visibleColumnCount(), 7);
    const QStringList titles = {u"Company"_qs, u"Sector"_qs, u"Sub-sector"_qs, u"Name"_qs,
                                u"Surname"_qs, u"City"_qs,   u"e-mail"_qs};
    const QList<int> widths = {100, 100, 100, 100, 120, 100, 100};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(grid->columnTitle(i), titles.at(i));
        QCOMPARE(grid->gridColumnWidth(i), widths.at(i));
    }
    QVERIFY(grid->isColumnHidden(0));
    QCOMPARE(list.query()->fieldDef(0).name, u"No"_qs);
    QCOMPARE(list.findChild<QPushButton*>(u"BitBtn1"_qs)->toolTip(), u"Print list..."_qs);
    QCOMPARE(list.findChild<QPushButton*>(u"BitBtn4"_qs)->text(), u"Send auto-mail to Listed..."_qs);
}

void SearchWindowsTest::pickBringsMainWindowToTheRecord()
{
    Program program(people);
    program.tick(1, u"Zehra"_qs, u"Zehra"_qs);
    QCOMPARE(program.view(u"Ad"_qs), QStringList{u"Zehra"_qs});
    program.list().FormActivate();
    QCOMPARE(program.list().findChild<QLineEdit*>(u"Edit1"_qs)->text(), u"1"_qs);
    program.list().DBGrid1DblClick();
    QVERIFY(!program.list().isVisible());
    QVERIFY(!program.search().isVisible());
    QVERIFY(!program.list().query()->isActive());
    program.windows.main->FormActivate();
    QCOMPARE(program.windows.main->table()->fieldByName(u"No"_qs).asInteger(), 14);
    QCOMPARE(program.windows.main->table()->fieldByName(u"Ad"_qs).asString(), u"Zehra"_qs);
}

void SearchWindowsTest::pickAfterEditingStoresTheEditFirst()
{
    Program program(people);
    store::TableDataSet* table = program.windows.main->table();
    table->fieldByName(u"Meslek"_qs).setAsString(u"Mimar"_qs);
    program.tick(1, u"ayşe"_qs, u"AYŞE"_qs);
    QCOMPARE(program.view(u"Ad"_qs), QStringList{u"ayşe"_qs});
    program.list().DBGrid1DblClick();
    program.windows.main->FormActivate();
    QCOMPARE(program.fixture.scalar(u"select [Meslek] from kayit where [No] = 11"_qs).toString(), u"Mimar"_qs);
    QCOMPARE(table->fieldByName(u"No"_qs).asInteger(), 15);
    QCOMPARE(table->state(), store::DataSetState::Browse);
}

void SearchWindowsTest::enterActsLikeDoubleClick()
{
    Program program(people);
    program.untick(1);
    program.view(u"Ad"_qs);
    ui::DBGrid* grid = program.list().grid();
    grid->setCurrentIndex(grid->model()->index(2, 1)); // the third company in order: Çınar A.Ş.
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(!program.list().isVisible());
    program.windows.main->FormActivate();
    QCOMPARE(program.windows.main->table()->fieldByName(u"Firma Adi"_qs).asString(), u"Çınar A.Ş."_qs);
}

void SearchWindowsTest::closeKeepsSearchAndClosesQuery()
{
    Program program(people);
    program.untick(1);
    program.view(u"Ad"_qs);
    QVERIFY(program.list().query()->isActive());
    program.list().findChild<QPushButton*>(u"BitBtn2"_qs)->click();
    QVERIFY(!program.list().isVisible());
    QVERIFY(!program.list().query()->isActive());
    QVERIFY(program.search().isVisible());
}

void SearchWindowsTest::numberErrorStopsBeforeRunning()
{
    Program program(people);
    auto& s = program.search();
    s.row(1).type->setText(u"Sayı"_qs);
    program.tick(1, u"on"_qs, u"20"_qs);
    test::DialogAnswers hook;
    program.view(u"Ad"_qs);
    QCOMPARE(hook.asked, QStringList{u"'on' is not a valid floating point value"_qs});
    QVERIFY(!program.list().query()->isActive());
    QVERIFY(!program.list().isVisible());
}

// Binary order would put Öztürk after Yılmaz and "ada yazılım" last.
void SearchWindowsTest::headingClickSortsInTurkishOrderBothWays()
{
    Program program(people);
    program.untick(1);
    program.view(u"Ad"_qs);
    auto& list = program.list();
    store::QueryDataSet* query = list.query();
    ui::DBGrid* grid = list.grid();
    const auto listed = [query](const QString& column) {
        QStringList values;
        for (qint64 row = 0; row < query->recordCount(); ++row)
            values << query->valueAt(row, query->findField(column)).toString();
        return values;
    };
    const QStringList surnames = {u"Kaya"_qs, u"O'Brien"_qs, u"Öztürk"_qs, u"Tek"_qs, u"Yılmaz"_qs};
    const int surname = query->findField(u"Soyad"_qs);
    emit grid->horizontalHeader()->sectionClicked(surname);
    QTRY_VERIFY(!list.isFinding());
    QCOMPARE(listed(u"Soyad"_qs), surnames);
    QCOMPARE(grid->horizontalHeader()->sortIndicatorSection(), surname);
    // The search window's columns survive the new order.
    QVERIFY(grid->isColumnHidden(0));
    QCOMPARE(grid->columnTitle(4), u"Surname"_qs);
    QCOMPARE(grid->gridColumnWidth(4), 120);

    emit grid->horizontalHeader()->sectionClicked(surname);
    QTRY_VERIFY(!list.isFinding());
    QStringList reversed = surnames;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(listed(u"Soyad"_qs), reversed);
    // Labels and exports read the list's statement, so they print in the order shown.
    QCOMPARE(search::withAllColumns(query->sql()).constLast(), u" ORDER BY [Soyad] DESC "_qs);

    emit grid->horizontalHeader()->sectionClicked(query->findField(u"Firma Adi"_qs));
    QTRY_VERIFY(!list.isFinding());
    QCOMPARE(listed(u"Firma Adi"_qs),
             (QStringList{u"ada yazılım"_qs, u"Cam Evi"_qs, u"Çınar A.Ş."_qs, u"Demir"_qs, u"Zeytin Ltd"_qs}));

    program.view(u"Ad"_qs); // a new search: its own order again
    QVERIFY(!grid->horizontalHeader()->isSortIndicatorShown());
}

// The collation's alphabet puts Ç after C and ı (whose capital is I) before i (whose capital is İ), ignoring case.
void SearchWindowsTest::foundListSortsWhileTheWindowGoesOn()
{
    const QStringList ascending = {u"Cengiz"_qs, u"Çakır"_qs, u"Çelik"_qs, u"ılgın"_qs,
                                   u"Irmak"_qs,  u"inan"_qs,  u"İnce"_qs};
    const QStringList stored = {u"Irmak"_qs, u"Çelik"_qs, u"inan"_qs, u"Cengiz"_qs,
                                u"İnce"_qs,  u"Çakır"_qs, u"ılgın"_qs};
    test::DialogAnswers messages;
    Program program({});
    program.fixture.addContacts(program.fixture.numbers(100, 106), [&stored](int no) {
        return contact(u"Deniz %1"_qs.arg(no), stored.at(no - 100), u"Kumsal"_qs);
    });
    auto& list = program.list();
    program.windows.main->quickFind()->setText(u"kumsal"_qs);
    program.windows.main->findTyped();
    QTRY_VERIFY(list.isVisible() && !list.isFinding());
    store::QueryDataSet* query = list.query();
    QHeaderView* heading = list.grid()->horizontalHeader();
    const int surname = query->findField(u"Soyad"_qs);
    const auto listed = [query, surname] {
        QStringList values;
        for (qint64 row = 0; row < query->recordCount(); ++row)
            values << query->valueAt(row, surname).toString();
        return values;
    };
    const auto rowsComplete = [&list] {
        return !list.isFinding() && list.reportButton()->isEnabled() && list.labelButton()->isEnabled() &&
               list.mailButton()->isEnabled() && list.previewButton()->isEnabled();
    };

    // The click comes back before the ordered rows; what reads every row waits for them.
    emit heading->sectionClicked(surname);
    QVERIFY(list.isFinding());
    QVERIFY(!list.reportButton()->isEnabled() && !list.mailButton()->isEnabled());
    QVERIFY(!query->sql().constLast().contains(u"Soyad"_qs));
    // A second click while it runs replaces it, with the order that click asks for.
    emit heading->sectionClicked(surname);
    QTRY_VERIFY(rowsComplete());
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(listed(), descending);
    QVERIFY(heading->isSortIndicatorShown());
    QCOMPARE(heading->sortIndicatorSection(), surname);
    QCOMPARE(heading->sortIndicatorOrder(), Qt::DescendingOrder);
    QVERIFY(list.grid()->isColumnHidden(0));
    QCOMPARE(list.grid()->columnTitle(4), u"Surname"_qs);
    QCOMPARE(list.findChild<QLineEdit*>(u"Edit1"_qs)->text(), u"7"_qs);

    emit heading->sectionClicked(surname);
    QTRY_VERIFY(rowsComplete());
    QCOMPARE(listed(), ascending);
    QCOMPARE(heading->sortIndicatorOrder(), Qt::AscendingOrder);
    auto surface = std::make_unique<test::RecordingSurface>();
    const test::RecordingSurface& rec = *surface;
    program.windows.printer->setSurface(std::move(surface));
    list.reportButton()->click();
    QStringList printed = rec.texts();
    printed.removeIf([&ascending](const QString& text) { return !ascending.contains(text); });
    QCOMPARE(printed, ascending);

    // Closing the window stops a sort still running: no rows come back into the closed list.
    emit heading->sectionClicked(query->findField(u"Ad"_qs));
    list.BitBtn2Click();
    QCoreApplication::processEvents();
    QVERIFY(!list.isFinding());
    QVERIFY(!query->isActive());
    QCOMPARE(messages.asked, QStringList());
}

void SearchWindowsTest::listClosesOnEscapeAndFitsItsColumns()
{
    Program program(people);
    program.untick(1);
    program.view(u"Ad"_qs);
    auto& list = program.list();
    QVERIFY(list.findChild<QLineEdit*>(u"Edit1"_qs)->isReadOnly());
    list.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&list));
    ui::DBGrid* grid = list.grid();
    int total = 0;
    for (int column = 0; column < grid->visibleColumnCount(); ++column) {
        const int field = grid->fieldOfColumn(column);
        int widest = grid->horizontalHeader()->sectionSizeHint(field);
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            widest = std::max(
                widest, grid->fontMetrics().horizontalAdvance(grid->model()->index(row, field).data().toString()));
        QVERIFY2(grid->columnWidth(field) >= widest, qPrintable(grid->columnTitle(column)));
        total += grid->columnWidth(field);
    }
    QVERIFY(total <= grid->viewport()->width());

    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(!list.isVisible());
    QVERIFY(!list.query()->isActive());
}

void SearchWindowsTest::quickFindListsAndPrintsTheMatches_data()
{
    QTest::addColumn<QStringList>("typed"); // one text after another, the list staying open
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<QString>("count");
    QTest::newRow("Turkish capitals") << QStringList{u"ÇINAR"_qs} << QStringList{u"O'Brien"_qs} << u"1"_qs;
    QTest::newRow("apostrophe, then a new text")
        << QStringList{u"o'b"_qs, u"ltd"_qs} << QStringList{u"Kaya"_qs} << u"1"_qs;
    QTest::newRow("two words in two columns") << QStringList{u"izmir ayşe"_qs} << QStringList{u"Yılmaz"_qs} << u"1"_qs;
    QTest::newRow("more than a screenful") << QStringList{u"yedek"_qs} << QStringList() << u"150"_qs;
}

// Typed into the main window, the matches come up in the list, whose report prints them and whose labels read them.
void SearchWindowsTest::quickFindListsAndPrintsTheMatches()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, surnames);
    QFETCH(QString, count);
    test::DialogAnswers messages;
    Program program(people);
    program.fixture.addContacts(program.fixture.numbers(100, 249), [](int no) {
        return QVariantMap{{u"Ad"_qs, u"Dolgu %1"_qs.arg(no)}, {u"Firma Adi"_qs, u"Yedek"_qs}};
    });
    auto& main = *program.windows.main;
    auto& list = program.list();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QWidget* nameField = QApplication::focusWidget(); // a line edit, which has a use of its own for Ctrl+F
    QVERIFY(nameField);
    QTest::keyClick(nameField, Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = main.quickFind();
    QVERIFY(field->hasFocus());
    for (const QString& text : typed) {
        field->selectAll();
        for (const QChar c : text) // keyClicks refuses letters beyond Latin-1
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTRY_VERIFY2(list.isVisible() && !list.isFinding() && list.windowTitle().endsWith(text),
                     qPrintable(u"%1 %2 %3 [%4]"_qs.arg(list.isVisible())
                                    .arg(list.isFinding())
                                    .arg(list.windowTitle(), field->text() + messages.asked.join(u"/"_qs))));
    }
    QVERIFY(field->hasFocus()); // typing goes on where it was

    store::QueryDataSet* query = list.query();
    QCOMPARE(list.findChild<QLineEdit*>(u"Edit1"_qs)->text(), count);
    QCOMPARE(query->recordCount(), count.toLongLong());
    QStringList listed;
    for (qint64 row = 0; row < query->recordCount(); ++row)
        listed << query->valueAt(row, query->findField(u"Soyad"_qs)).toString();
    if (!surnames.isEmpty())
        QCOMPARE(listed, surnames);

    auto surface = std::make_unique<test::RecordingSurface>();
    const test::RecordingSurface& rec = *surface;
    program.windows.printer->setSurface(std::move(surface));
    QVERIFY(list.reportButton()->isEnabled());
    list.reportButton()->click();
    QCOMPARE(messages.asked, QStringList());
    const QStringList printed = rec.texts();
    for (const QString& surname : std::as_const(surnames))
        QVERIFY2(printed.contains(surname), qPrintable(surname));
    QCOMPARE(printed.count(u"Yedek"_qs), surnames.isEmpty() ? 150 : 0);
    // The labels run the list's statement again: every match, not only the first screenful.
    store::QueryDataSet labelRows;
    labelRows.setConnectionString(query->connectionString());
    labelRows.setSql(query->sql());
    labelRows.open();
    QCOMPARE(labelRows.recordCount(), count.toLongLong());
}

QTEST_MAIN(SearchWindowsTest)
#include "tst_searchwindows.moc"
