#include "ContactFileFixture.h"
#include "DataSetsOnFile.h"

#include "store/TurkishCollation.h"

#include <QSqlQuery>
#include <QTest>

#include <algorithm>

using namespace corvella;

class CollationTest : public QObject {
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void caseInsensitiveEquality_data();
    void caseInsensitiveEquality();
    void sortsAListTheTurkishWay();
    void malformedTextOrdersConsistently();
    void sqlUsesTheCollation();
};

void CollationTest::order_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");
    QTest::newRow("dotless before dotted") << u"ı"_qs << u"i"_qs;
    QTest::newRow("capital I is dotless") << u"I"_qs << u"i"_qs;
    QTest::newRow("h before ı") << u"h"_qs << u"ı"_qs;
    QTest::newRow("c < ç") << u"c"_qs << u"ç"_qs;
    QTest::newRow("ç < d") << u"ç"_qs << u"d"_qs;
    QTest::newRow("g < ğ < h") << u"ğ"_qs << u"h"_qs;
    QTest::newRow("g < ğ") << u"gz"_qs << u"ğa"_qs;
    QTest::newRow("o < ö < p") << u"oz"_qs << u"öa"_qs;
    QTest::newRow("ö < p") << u"Ö"_qs << u"p"_qs;
    QTest::newRow("s < ş < t") << u"sz"_qs << u"şa"_qs;
    QTest::newRow("ş < t") << u"Ş"_qs << u"t"_qs;
    QTest::newRow("u < ü < v") << u"uz"_qs << u"Üa"_qs;
    QTest::newRow("ü < v") << u"ü"_qs << u"V"_qs;
    QTest::newRow("Cem before Çetin") << u"Cem"_qs << u"Çetin"_qs;
    QTest::newRow("Çetin before Demir") << u"Çetin"_qs << u"Demir"_qs;
    QTest::newRow("prefix first") << u"M"_qs << u"Mehmet"_qs;
    QTest::newRow("empty first") << QString() << u"a"_qs;
    QTest::newRow("digits before letters") << u"9"_qs << u"a"_qs;
    QTest::newRow("blank before letters") << u"Ali Veli"_qs << u"Alican"_qs;
    QTest::newRow("accent after its base letter") << u"José"_qs << u"Josf"_qs;
    QTest::newRow("accent after plain") << u"Jose"_qs << u"José"_qs;
    QTest::newRow("other scripts after Latin") << u"Zeynep"_qs << u"Ωmega"_qs;
}

void CollationTest::order()
{
    QFETCH(QString, lower);
    QFETCH(QString, higher);
    QVERIFY(store::compareTurkish(lower, higher) < 0);
    QVERIFY(store::compareTurkish(higher, lower) > 0);
}

void CollationTest::caseInsensitiveEquality_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("ASCII") << u"ANKARA"_qs << u"ankara"_qs;
    QTest::newRow("I and ı") << u"IŞIK"_qs << u"ışık"_qs;
    QTest::newRow("İ and i") << u"İZMİR"_qs << u"izmir"_qs;
    QTest::newRow("Turkish capitals") << u"ÇĞÖŞÜ"_qs << u"çğöşü"_qs;
    QTest::newRow("accented capitals") << u"JOSÉ"_qs << u"josé"_qs;
    QTest::newRow("Greek") << u"ΩΜΕΓΑ"_qs << u"ωμεγα"_qs;
}

void CollationTest::caseInsensitiveEquality()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QCOMPARE(store::compareTurkish(a, b), 0);
    // Under Turkish rules I is not the capital of i.
    QVERIFY(store::compareTurkish(u"I"_qs, u"i"_qs) != 0);
}

void CollationTest::sortsAListTheTurkishWay()
{
    QStringList names = {u"Zeki"_qs,  u"çiğdem"_qs, u"Irmak"_qs, u"ilker"_qs, u"Ömer"_qs, u"Oya"_qs,
                         u"Şule"_qs,  u"Selin"_qs,  u"ümit"_qs,  u"Uğur"_qs,  u"Cem"_qs,  u"İpek"_qs,
                         u"ığdır"_qs, u"Gül"_qs,    u"Ğ"_qs,     u"hakan"_qs};
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return store::compareTurkish(a, b) < 0; });
    const QStringList expected = {u"Cem"_qs,   u"çiğdem"_qs, u"Gül"_qs,  u"Ğ"_qs,   u"hakan"_qs, u"ığdır"_qs,
                                  u"Irmak"_qs, u"ilker"_qs,  u"İpek"_qs, u"Oya"_qs, u"Ömer"_qs,  u"Selin"_qs,
                                  u"Şule"_qs,  u"Uğur"_qs,   u"ümit"_qs, u"Zeki"_qs};
    QCOMPARE(names, expected);
}

void CollationTest::malformedTextOrdersConsistently()
{
    const std::string_view broken("ab\xC3", 3), truncated("ab\xE2\x82", 4), plain("ab");
    QVERIFY(store::compareTurkish(plain, broken) < 0);
    QCOMPARE(store::compareTurkish(broken, broken), 0);
    QCOMPARE(store::compareTurkish(truncated, truncated), 0);
    QVERIFY((store::compareTurkish(broken, truncated) < 0) == (store::compareTurkish(truncated, broken) > 0));
}

void CollationTest::sqlUsesTheCollation()
{
    test::ContactFileFixture fixture;
    const QStringList firms = {u"Çelik A.Ş."_qs, u"cam ltd"_qs, u"Demir"_qs, u"İnci"_qs, u"Işık"_qs, u"ada"_qs};
    int no = 11;
    for (const QString& firm : firms)
        fixture.addContact(no++, {{u"Firma Adi"_qs, firm}});

    test::QueryOnFile query(
        {u" select "_qs, u"[Firma Adi]"_qs, u" from "_qs, u"kayit"_qs, u" ORDER BY [Firma Adi] "_qs});
    query.open();
    QStringList ordered;
    for (query.first(); !query.eof(); query.next())
        ordered << query.fieldByName(u"firma adi"_qs).asString();
    QCOMPARE(ordered, QStringList({u"ada"_qs, u"cam ltd"_qs, u"Çelik A.Ş."_qs, u"Demir"_qs, u"Işık"_qs, u"İnci"_qs}));

    // Ranges compare with the same rules: "a" to "m" and "A" to "M" find the same contacts.
    auto count = [](const QString& condition) {
        test::QueryOnFile counted({u"select count(*) from kayit where "_qs + condition});
        counted.open();
        return counted.field(0).asInteger();
    };
    auto countBetween = [&](const QString& from, const QString& to) {
        return count(u"[Firma Adi] >= '%1' and [Firma Adi] <= '%2'"_qs.arg(from, to));
    };
    QCOMPARE(countBetween(u"a"_qs, u"m"_qs), 6);
    QCOMPARE(countBetween(u"A"_qs, u"M"_qs), 6);
    QCOMPARE(countBetween(u"ç"_qs, u"d"_qs), 1);
    QCOMPARE(countBetween(u"ı"_qs, u"ıZ"_qs), 1); // Işık only: I is ı
    QCOMPARE(count(u"[Firma Adi] = 'İNCİ'"_qs), 1);
}

QTEST_GUILESS_MAIN(CollationTest)
#include "tst_collation.moc"
