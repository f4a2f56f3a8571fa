#include "ContactFileFixture.h"
#include "DataSetsOnFile.h"
#include "DialogAnswers.h"

#include "store/widgets/DBEdit.h"
#include "store/widgets/DBGrid.h"
#include "store/widgets/DBNavigator.h"
#include "store/widgets/DBRadioGroup.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace corvella;
using Nav = ui::DBNavigator;

namespace {

QString enabledButtons(const Nav& navigator)
{
    QString states;
    for (int i = 0; i < Nav::ButtonCount; ++i)
        states += navigator.button(Nav::Button(i))->isEnabled() ? u'1' : u'0';
    return states; // first prior next last insert delete edit post cancel
}

} // namespace

class BoundControlsTest : public QObject {
    Q_OBJECT
private slots:
    void navigatorEnablesOnlyWhatCanAct();
    void navigatorHints();
    void deleteAsksFirst();
    void editShowsAndChangesTheCurrentRecord();
    void numberEditRefusesText();
    void radioGroupStoresTheCaption();
    void gridShowsVisibleFieldsWithTitles();
    void gridFollowsAndMovesTheCursor();
    void gridScrollsAResultOfManyRows();
    void columnWidthsFitTheGrid_data();
    void columnWidthsFitTheGrid();
};

void BoundControlsTest::navigatorEnablesOnlyWhatCanAct()
{
    test::ContactFileFixture fixture;
    test::TableOnFile table(u"kayit"_qs);
    Nav navigator;
    navigator.setDataSet(&table);
    QCOMPARE(enabledButtons(navigator), u"000000000"_qs); // closed

    table.open();
    QCOMPARE(enabledButtons(navigator), u"000010000"_qs); // empty: only insert
    table.insert();
    QCOMPARE(enabledButtons(navigator), u"000010011"_qs);
    table.cancel();

    fixture.addContacts({11, 12, 13});
    table.close();
    table.open();
    QCOMPARE(enabledButtons(navigator), u"001111100"_qs); // on the first of three
    navigator.click(Nav::Next);
    QCOMPARE(enabledButtons(navigator), u"111111100"_qs);
    navigator.click(Nav::Last);
    QCOMPARE(enabledButtons(navigator), u"110011100"_qs);
    table.fieldByName(u"Ad"_qs).setAsString(u"x"_qs);
    QCOMPARE(enabledButtons(navigator), u"110011011"_qs); // editing: no edit, post and cancel on
    navigator.click(Nav::Post);
    QCOMPARE(table.state(), store::DataSetState::Browse);
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit where [No] = 13"_qs).toString(), u"x"_qs);
}

void BoundControlsTest::navigatorHints()
{
    Nav navigator;
    const QStringList hints = {u"First record"_qs, u"Prior record"_qs,  u"Next record"_qs,
                               u"Last record"_qs,  u"Insert record"_qs, u"Delete record"_qs,
                               u"Edit record"_qs,  u"Post edit"_qs,     u"Cancel edit"_qs};
    for (int i = 0; i < Nav::ButtonCount; ++i)
        QCOMPARE(navigator.button(Nav::Button(i))->toolTip(), hints.at(i));
}

void BoundControlsTest::deleteAsksFirst()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11);
    test::TableOnFile table(u"kayit"_qs);
    table.open();
    Nav navigator;
    navigator.setDataSet(&table);
    {
        test::DialogAnswers hook({QMessageBox::Cancel});
        navigator.click(Nav::Delete);
        QCOMPARE(hook.asked, QStringList{u"Delete record?"_qs});
    }
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 1);
    {
        test::DialogAnswers hook({QMessageBox::Ok});
        navigator.click(Nav::Delete);
    }
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 0);
}

void BoundControlsTest::editShowsAndChangesTheCurrentRecord()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Ayşe"_qs}});
    fixture.addContact(12, {{u"Ad"_qs, u"Burak"_qs}});
    test::TableOnFile table(u"kayit"_qs);
    table.open();
    ui::DBEdit edit;
    edit.setDataSource(&table, u"Ad"_qs);
    QCOMPARE(edit.text(), u"Ayşe"_qs);
    QCOMPARE(edit.maxLength(), 25);
    table.next();
    QCOMPARE(edit.text(), u"Burak"_qs);

    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, u"can"_qs);
    QCOMPARE(table.state(), store::DataSetState::Edit);
    QCOMPARE(table.fieldByName(u"Ad"_qs).asString(), u"Burakcan"_qs);
    table.cancel();
    QCOMPARE(edit.text(), u"Burak"_qs);

    // Longer input than the column holds is cut at its size.
    edit.selectAll();
    QTest::keyClicks(&edit, QString(40, u'z'));
    QCOMPARE(table.fieldByName(u"Ad"_qs).asString(), QString(25, u'z'));
}

void BoundControlsTest::numberEditRefusesText()
{
    test::ContactFileFixture fixture;
    test::TableOnFile settings(u"YAYAR"_qs);
    settings.open();
    QWidget window;
    auto* edit = new ui::DBEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    edit->setDataSource(&settings, u"Etiket Genişliği"_qs);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, u"abc"_qs);
    QCOMPARE(settings.state(), store::DataSetState::Edit);

    test::DialogAnswers hook({QMessageBox::Ok});
    QVERIFY_THROWS_EXCEPTION(Error, settings.post());
    QCOMPARE(settings.state(), store::DataSetState::Edit);
    QCOMPARE(settings.fieldByName(u"Etiket Genişliği"_qs).asFloat(), 70.0);

    other->setFocus();
    QCOMPARE(hook.asked.size(), 1);
    QVERIFY2(hook.asked.first().contains(u"'abc' is not a valid floating point value for field"_qs),
             qPrintable(hook.asked.first()));
    QTRY_VERIFY(edit->hasFocus()); // the box keeps the focus

    edit->selectAll();
    QTest::keyClicks(edit, u"64"_qs);
    settings.post();
    QCOMPARE(fixture.scalar(u"select [Etiket Genişliği] from YAYAR"_qs).toDouble(), 64.0);
}

void BoundControlsTest::radioGroupStoresTheCaption()
{
    test::ContactFileFixture fixture;
    fixture.scalar(u"update YAYAR set [Yazıcı Tipi] = 'Laser'"_qs);
    test::TableOnFile settings(u"YAYAR"_qs);
    settings.open();
    ui::DBRadioGroup group(u" Printer "_qs, {u"B/W"_qs, u"Color"_qs});
    group.setDataSource(&settings, u"Yazıcı Tipi"_qs);
    QCOMPARE(group.itemIndex(), -1); // an unknown value chooses no item
    group.item(1)->click();
    QCOMPARE(settings.fieldByName(u"Yazıcı Tipi"_qs).asString(), u"Color"_qs);
    settings.post();
    QCOMPARE(fixture.scalar(u"select [Yazıcı Tipi] from YAYAR"_qs).toString(), u"Color"_qs);
    settings.fieldByName(u"Yazıcı Tipi"_qs).setAsString(u"B/W"_qs);
    QCOMPARE(group.itemIndex(), 0);
}

void BoundControlsTest::gridShowsVisibleFieldsWithTitles()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Ali"_qs}, {u"Sehir"_qs, u"Van"_qs}});
    test::QueryOnFile query({u"select [No], [Ad], [Sehir] from kayit"_qs});
    ui::DBGrid grid;
    grid.setDataSet(&query);
    query.open();
    query.setFieldVisible(0, false);
    QCOMPARE(grid.visibleColumnCount(), 2);
    grid.setColumnTitle(0, u"Name"_qs);
    grid.setGridColumnWidth(0, 100);
    grid.setColumnTitle(1, u"City"_qs);
    grid.setGridColumnWidth(1, 120);
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(), u"Name"_qs);
    QCOMPARE(grid.model()->headerData(2, Qt::Horizontal).toString(), u"City"_qs);
    QCOMPARE(grid.columnWidth(2), 120);
    QVERIFY(grid.isColumnHidden(0));
    QCOMPARE(grid.model()->index(0, 2).data().toString(), u"Van"_qs);
    QVERIFY(grid.editTriggers() == QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
}

void BoundControlsTest::gridFollowsAndMovesTheCursor()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(test::ContactFileFixture::numbers(11, 15));
    test::QueryOnFile query({u"select [No] from kayit"_qs});
    ui::DBGrid grid;
    grid.setDataSet(&query);
    query.open();
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.currentIndex().row(), 0);
    grid.setCurrentIndex(grid.model()->index(3, 0));
    QCOMPARE(query.fieldByName(u"No"_qs).asInteger(), 14);
    query.first();
    QCOMPARE(grid.currentIndex().row(), 0);

    QSignalSpy keys(&grid, &ui::DBGrid::keyPressed);
    QTest::keyClick(&grid, Qt::Key_Return);
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.first().first().toInt(), 13);
}

void BoundControlsTest::gridScrollsAResultOfManyRows()
{
    test::ContactFileFixture fixture;
    fixture.scalar(u"with recursive n(i) as (select 11 union all select i + 1 from n where i < 20010) "
                   "insert into kayit ([No], [Ad]) select i, 'name ' || i from n"_qs);
    test::QueryOnFile query({u"select [No], [Ad] from kayit"_qs});
    ui::DBGrid grid;
    grid.setDataSet(&query);
    query.open();
    QCOMPARE(grid.model()->rowCount(), 20000);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.scrollToBottom();
    QApplication::processEvents();
    QCOMPARE(grid.model()->index(19999, 1).data().toString(), u"name 20010"_qs);
    grid.setCurrentIndex(grid.model()->index(19999, 0));
    QCOMPARE(query.fieldByName(u"Ad"_qs).asString(), u"name 20010"_qs);
}

void BoundControlsTest::columnWidthsFitTheGrid_data()
{
    QTest::addColumn<QList<int>>("wanted");
    QTest::addColumn<int>("available");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("room for all") << QList<int>{60, 200, 90} << 400 << QList<int>{60, 200, 90};
    QTest::newRow("widest cut") << QList<int>{60, 300, 90} << 300 << QList<int>{60, 150, 90};
    QTest::newRow("two wide share") << QList<int>{50, 300, 400} << 350 << QList<int>{50, 150, 150};
    QTest::newRow("all cut alike") << QList<int>{300, 300} << 200 << QList<int>{100, 100};
    QTest::newRow("never below the minimum") << QList<int>{100, 100, 100} << 30 << QList<int>{24, 24, 24};
}

void BoundControlsTest::columnWidthsFitTheGrid()
{
    QFETCH(QList<int>, wanted);
    QFETCH(int, available);
    QFETCH(QList<int>, widths);
    QCOMPARE(ui::fitColumnWidths(wanted, available), widths);
}

QTEST_MAIN(BoundControlsTest)
#include "tst_boundcontrols.moc"
