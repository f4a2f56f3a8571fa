#include "LocaleScope.h"
#include "core/Error.h"
#include "search/QueryBuilder.h"

#include <QLocale>
#include <QTest>

using namespace corvella;
using search::CriterionRow;

namespace {

search::SearchConfiguration contactConfiguration()
{
    search::SearchConfiguration c;
    c.table = u"kayit"_qs;
    c.returnCode = u"1"_qs;
    const QString listed[] = {u"Firma Adi"_qs, u"Sektör"_qs, u"Alt Sektör"_qs, u"Ad"_qs,
                              u"Soyad"_qs,     u"Sehir"_qs,  u"e-mail"_qs};
    for (int i = 0; i < 7; ++i)
        c.listedColumns[i] = listed[i];
    c.fieldCount = 7;
    c.orderColumn = u"Firma Adi"_qs;
    c.orderFlag = search::SortedOrderFlag;
    return c;
}

CriterionRow textRange(const QString& column, const QString& from, const QString& to)
{
    return CriterionRow{true, true, column, u"Dizi"_qs, u"Aralık"_qs, from, to};
}

} // namespace

class QueryBuilderTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void nothingTickedListsAllInOrder();
    void slotForms_data();
    void slotForms();
    void numbersFollowTheLocale();
    void numberThatIsNotANumberStops();
    void apostrophesAreDoubled();
    void selectListVariants();
    void hiddenOrUntickedRowsTakeNoPart();
    void dateRangeTakesTwoSlots();
    void headerOrderReplacesTheSearchOrder_data();
    void headerOrderReplacesTheSearchOrder();
};

void QueryBuilderTest::workedExample()
{
    std::array<CriterionRow, search::CriterionRowCount> rows;
    rows[0] = textRange(u"Ad"_qs, u"A"_qs, u"M"_qs);
    rows[5] = textRange(u"Sehir"_qs, u"Izmir"_qs, u"Izmir"_qs);
    for (int i = 1; i < 8; ++i)
        rows[i].shown = true;
    const QStringList expected = {
        u" select "_qs,
        u"[No], "_qs,
        u" [Firma Adi] , "_qs,
        u" [Sektör] , "_qs,
        u" [Alt Sektör] , "_qs,
        u" [Ad] , "_qs,
        u" [Soyad] , "_qs,
        u" [Sehir] , "_qs,
        u" [e-mail] "_qs,
        u" from "_qs,
        u"kayit"_qs,
        u" where "_qs,
        u" ([Ad]>='A') and ([Ad]<='M')   and "_qs,
        u" ([Sehir]>='Izmir') and ([Sehir]<='Izmir')  "_qs,
        u" ORDER BY [Firma Adi] "_qs,
    };
    QCOMPARE(search::buildSearchSql(contactConfiguration(), rows), expected);
}

void QueryBuilderTest::nothingTickedListsAllInOrder()
{
    std::array<CriterionRow, search::CriterionRowCount> rows;
    const QStringList lines = search::buildSearchSql(contactConfiguration(), rows);
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.at(10), u"kayit"_qs);
    QCOMPARE(lines.last(), u" ORDER BY [Firma Adi] "_qs);
    QVERIFY(!lines.contains(u" where "_qs));
}

void QueryBuilderTest::slotForms_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("expected");
    const QString tek = u"Tek"_qs, aralik = u"Aralık"_qs;
    QTest::newRow("one text") << tek << u"Dizi"_qs << u"Ali"_qs << QString() << QStringList{u"([C]='Ali')"_qs};
    QTest::newRow("one empty text") << tek << u"Dizi"_qs << QString() << QString() << QStringList{u"([C]='')"_qs};
    QTest::newRow("one date") << tek << u"Tarih"_qs << u"5.3.2021"_qs << QString()
                              << QStringList{u"([C]=cdate('5.3.2021'))"_qs};
    QTest::newRow("one number") << tek << u"Sayı"_qs << u"42"_qs << QString() << QStringList{u"([C]=42)"_qs};
    QTest::newRow("one empty number") << tek << u"Sayı"_qs << QString() << QString() << QStringList{u"([C]=0)"_qs};
    QTest::newRow("text range") << aralik << u"Dizi"_qs << u"a"_qs << u"m"_qs
                                << QStringList{u"([C]>='a') and ([C]<='m') "_qs};
    QTest::newRow("empty text range") << aralik << u"Dizi"_qs << QString() << QString()
                                      << QStringList{u"([C]>='') and ([C]<='') "_qs};
    QTest::newRow("date range") << aralik << u"Tarih"_qs << u"1.1.2020"_qs << QString()
                                << QStringList{u"([C]>=cdate('1.1.2020')) "_qs, u" ([C]<=cdate('')) "_qs};
    QTest::newRow("number range") << aralik << u"Sayı"_qs << u"1.5"_qs << u"1e3"_qs
                                  << QStringList{u"([C]>=1.5)  and ([C]<=1000 ) "_qs};
    QTest::newRow("number range, empty upper")
        << aralik << u"Sayı"_qs << u"-2"_qs << QString() << QStringList{u"([C]>=-2)  and ([C]<=0 ) "_qs};
    QTest::newRow("unknown kind") << u"Çok"_qs << u"Dizi"_qs << u"x"_qs << QString() << QStringList{QString()};
    QTest::newRow("unknown type") << tek << u"Para"_qs << u"x"_qs << QString() << QStringList{QString()};
}

void QueryBuilderTest::slotForms()
{
    QFETCH(QString, kind);
    QFETCH(QString, type);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, expected);
    test::LocaleScope c(QLocale::c());
    QCOMPARE(search::conditionSlots(CriterionRow{true, true, u"C"_qs, type, kind, first, second}), expected);
}

void QueryBuilderTest::numbersFollowTheLocale()
{
    test::LocaleScope turkish(QLocale(QLocale::Turkish, QLocale::Turkey));
    // Read with the Turkish decimal comma, written with the point SQL needs.
    QCOMPARE(search::numberText(u"1234,5"_qs), u"1234.5"_qs);
    QCOMPARE(search::numberText(u"1.234,5"_qs), u"1234.5"_qs);
    QCOMPARE(search::numberText(u"0,1"_qs), u"0.1"_qs);
    QCOMPARE(search::numberText(u"123456789012345678"_qs), u"1.23456789012346e+17"_qs);
    QCOMPARE(search::numberText(QString()), u"0"_qs);
    QVERIFY_THROWS_EXCEPTION(Error, search::numberText(u"1.5"_qs + u"x"_qs));
}

void QueryBuilderTest::numberThatIsNotANumberStops()
{
    test::LocaleScope c(QLocale::c());
    std::array<CriterionRow, search::CriterionRowCount> rows;
    rows[2] = CriterionRow{true, true, u"Tutar"_qs, u"Sayı"_qs, u"Tek"_qs, u"on iki"_qs, QString()};
    try {
        search::buildSearchSql(contactConfiguration(), rows);
        QFAIL("building must stop");
    } catch (const Error& error) {
        QCOMPARE(error.message(), u"'on iki' is not a valid floating point value"_qs);
    }
}

void QueryBuilderTest::apostrophesAreDoubled()
{
    QCOMPARE(search::conditionSlots(textRange(u"Soyad"_qs, u"O'Brien"_qs, u"O'Brien"_qs)),
             QStringList{u"([Soyad]>='O''Brien') and ([Soyad]<='O''Brien') "_qs});
    const CriterionRow hostile{true, true, u"Ad"_qs, u"Dizi"_qs, u"Tek"_qs, u"x') or ('1'='1"_qs, QString()};
    QCOMPARE(search::conditionSlots(hostile), QStringList{u"([Ad]='x'') or (''1''=''1')"_qs});
    const CriterionRow date{true, true, u"D"_qs, u"Tarih"_qs, u"Tek"_qs, u"1'2"_qs, QString()};
    QCOMPARE(search::conditionSlots(date), QStringList{u"([D]=cdate('1''2'))"_qs});
}

void QueryBuilderTest::selectListVariants()
{
    std::array<CriterionRow, search::CriterionRowCount> rows;
    auto c = contactConfiguration();
    c.returnCode = u"33"_qs;
    QCOMPARE(search::buildSearchSql(c, rows).at(1), u" [Firma Adi] , "_qs);
    c.returnCode = u"42"_qs;
    QCOMPARE(search::buildSearchSql(c, rows).at(1), u" [Firma Adi] , "_qs);
    c.returnCode = u"7"_qs;
    c.fieldCount = 1;
    c.orderFlag = 0;
    QCOMPARE(search::buildSearchSql(c, rows),
             QStringList({u" select "_qs, u"[No], "_qs, u" [Firma Adi] "_qs, u" from "_qs, u"kayit"_qs}));
    c.listedColumns[0] = u"*"_qs;
    QCOMPARE(search::buildSearchSql(c, rows), QStringList({u" select "_qs, u" * "_qs, u" from "_qs, u"kayit"_qs}));
}

void QueryBuilderTest::hiddenOrUntickedRowsTakeNoPart()
{
    std::array<CriterionRow, search::CriterionRowCount> rows;
    rows[0] = textRange(u"Ad"_qs, u"A"_qs, u"B"_qs);
    rows[0].ticked = false;
    rows[8] = textRange(u"Meslek"_qs, u"x"_qs, u"y"_qs);
    rows[8].shown = false;
    const QStringList lines = search::buildSearchSql(contactConfiguration(), rows);
    QVERIFY(!lines.contains(u" where "_qs));
    QCOMPARE(lines.size(), 12);
}

void QueryBuilderTest::dateRangeTakesTwoSlots()
{
    std::array<CriterionRow, search::CriterionRowCount> rows;
    rows[0] = CriterionRow{true, true, u"Tarih"_qs, u"Tarih"_qs, u"Aralık"_qs, u"1.1.2020"_qs, u"31.12.2020"_qs};
    rows[1] = textRange(u"Ad"_qs, u"A"_qs, u"B"_qs);
    const QStringList lines = search::buildSearchSql(contactConfiguration(), rows);
    const qsizetype where = lines.indexOf(u" where "_qs);
    QCOMPARE(lines.mid(where + 1, 3),
             QStringList({u" ([Tarih]>=cdate('1.1.2020'))   and "_qs, u"  ([Tarih]<=cdate('31.12.2020'))   and "_qs,
                          u" ([Ad]>='A') and ([Ad]<='B')  "_qs}));
}

void QueryBuilderTest::headerOrderReplacesTheSearchOrder_data()
{
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("expected");
    const QStringList head = {u" select "_qs, u" * "_qs, u" from "_qs, u"kayit"_qs, u" where "_qs, u" ([Ad]='x') "_qs};
    QTest::newRow("replaces") << head + QStringList{u" ORDER BY [Firma Adi] "_qs} << Qt::AscendingOrder
                              << head + QStringList{u" ORDER BY [Sehir] "_qs};
    QTest::newRow("added") << head << Qt::DescendingOrder << head + QStringList{u" ORDER BY [Sehir] DESC "_qs};
    QTest::newRow("again") << head + QStringList{u" ORDER BY [Sehir] DESC "_qs} << Qt::AscendingOrder
                           << head + QStringList{u" ORDER BY [Sehir] "_qs};
}

void QueryBuilderTest::headerOrderReplacesTheSearchOrder()
{
    QFETCH(QStringList, sql);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, expected);
    QCOMPARE(search::withOrder(sql, u"Sehir"_qs, order), expected);
}

QTEST_GUILESS_MAIN(QueryBuilderTest)
#include "tst_querybuilder.moc"
