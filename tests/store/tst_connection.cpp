#include "ContactFileFixture.h"
#include "DataSetsOnFile.h"

#include "core/Error.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void connectionString_data();
    void connectionString();
    void dataSourceSurvivesSemicolonInFolder();
    void missingFileIsReportedWithItsPath();
    void foreignFileIsRefusedAndLeftUntouched();
    void newFileHasTablesAndOneSettingsRow();
    void newFileRefusesToOverwrite();
    void cdate_data();
    void cdate();
    void cdateInSql();
};

void ConnectionTest::connectionString_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"/opt/Contacts/"_qs
                           << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/Contacts/VT/Dorlune.mdb;"
                              "Persist Security Info=False"_qs;
    QTest::newRow("blanks, unquoted") << u"/home/ayşe/My Contacts/"_qs
                                      << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/home/ayşe/My Contacts/"
                                         "VT/Dorlune.mdb;Persist Security Info=False"_qs;
    QTest::newRow("non-ASCII letters") << u"/srv/Müşteri Çığ/"_qs
                                       << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/srv/Müşteri Çığ/"
                                          "VT/Dorlune.mdb;Persist Security Info=False"_qs;
}

void ConnectionTest::connectionString()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    store::setProgramFolder(folder);
    QCOMPARE(store::ContactConnectionString(), expected);
    QCOMPARE(store::dataSourceOf(expected), folder + u"VT/Dorlune.mdb"_qs);
    store::setProgramFolder(QString());
    // Without an override the folder is the executable's own, with its separator.
    QCOMPARE(store::programFolder(), QCoreApplication::applicationDirPath() + u'/');
}

void ConnectionTest::dataSourceSurvivesSemicolonInFolder()
{
    const QString cs = store::MakeConnectionString(u"/tmp/a;b/"_qs, u"VT/Dorlune.mdb"_qs);
    QCOMPARE(store::dataSourceOf(cs), u"/tmp/a;b/VT/Dorlune.mdb"_qs);
}

void ConnectionTest::missingFileIsReportedWithItsPath()
{
    test::ContactFileFixture fixture(false);
    test::TableOnFile table(u"kayit"_qs);
    try {
        table.open();
        QFAIL("opening a missing file must fail");
    } catch (const DatabaseError& error) {
        QCOMPARE(error.message(), u"Could not find file '%1'."_qs.arg(fixture.filePath()));
    }
    QVERIFY(!table.isActive());
    QVERIFY2(!QFile::exists(fixture.filePath()), "a failed open must not create the file");
}

void ConnectionTest::foreignFileIsRefusedAndLeftUntouched()
{
    test::ContactFileFixture fixture(false);
    QDir().mkpath(fixture.folder() + u"VT"_qs);
    QFile file(fixture.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray content("Standard Jet DB\0\0\0 an old database of another engine", 52);
    content.append(QByteArray(4096, '\x5a'));
    file.write(content);
    file.close();

    test::TableOnFile table(u"kayit"_qs);
    try {
        table.open();
        QFAIL("a foreign file must be refused");
    } catch (const DatabaseError& error) {
        QVERIFY2(error.message().contains(fixture.filePath()), qPrintable(error.message()));
        QVERIFY2(error.message().contains(u"not a Corvella contact file"_qs), qPrintable(error.message()));
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    QVERIFY(!QFile::exists(fixture.filePath() + u"-journal"_qs));
}

void ConnectionTest::newFileHasTablesAndOneSettingsRow()
{
    test::ContactFileFixture fixture;
    QCOMPARE(fixture.scalar(u"select count(*) from YAYAR"_qs).toInt(), 1);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 0);
    QCOMPARE(fixture.scalar(u"select count(*) from maillist"_qs).toInt(), 0);
    QCOMPARE(fixture.scalar(u"select count(*) from pragma_table_info('YAYAR')"_qs).toInt(), 60);
    QCOMPARE(fixture.scalar(u"select count(*) from pragma_table_info('kayit')"_qs).toInt(), 22);
    QCOMPARE(fixture.scalar(u"select [Sayfa Genişliği] from YAYAR"_qs).toDouble(), 210.0);
    QCOMPARE(fixture.scalar(u"select [P#K# Yazıtipi Adı] from YAYAR"_qs).toString(), u"Arial"_qs);
    QCOMPARE(fixture.scalar(u"select [Liste Satır Aralığı] from YAYAR"_qs).toDouble(), 5.0);
    // A 3 x 8 sheet: three 70 mm labels across 210 mm, eight 37 mm labels down 297 mm.
    const double across = fixture
                              .scalar(u"select ([Sayfa Genişliği]-[Sol Boşluk])/"
                                      "([Etiket Genişliği]+[Yatay Etiket Aralığı]) from YAYAR"_qs)
                              .toDouble();
    const double down = fixture
                            .scalar(u"select ([Sayfa Yüksekliği]-[Üst Boşluk])/"
                                    "([Etiket Yüksekliği]+[Dikey Etiket Aralığı]) from YAYAR"_qs)
                            .toDouble();
    QCOMPARE(int(across), 3);
    QCOMPARE(int(down), 8);
    QCOMPARE(fixture.scalar(u"PRAGMA synchronous"_qs).toInt(), 2); // FULL on our connections
}

void ConnectionTest::newFileRefusesToOverwrite()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Kept"_qs}});
    QVERIFY_THROWS_EXCEPTION(DatabaseError, store::createContactFile(fixture.filePath()));
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit"_qs).toString(), u"Kept"_qs);
}

void ConnectionTest::cdate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ISO") << u"C"_qs << u"2024-02-29"_qs << u"2024-02-29"_qs;
    QTest::newRow("Turkish short") << u"tr_TR"_qs << u"5.03.2021"_qs << u"2021-03-05"_qs;
    QTest::newRow("Turkish with time") << u"tr_TR"_qs << u"05.03.2021 14:30"_qs << u"2021-03-05 14:30:00"_qs;
    QTest::newRow("US short") << u"en_US"_qs << u"3/5/21"_qs << u"2021-03-05"_qs;
    QTest::newRow("blanks around") << u"C"_qs << u"  2020-01-31 "_qs << u"2020-01-31"_qs;
    QTest::newRow("not a date") << u"tr_TR"_qs << u"yarın"_qs << QString();
    QTest::newRow("impossible day") << u"tr_TR"_qs << u"31.02.2021"_qs << QString();
    QTest::newRow("empty") << u"C"_qs << QString() << QString();
}

void ConnectionTest::cdate()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    const QString result = store::cdate(text);
    QLocale::setDefault(saved);
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), expected.isNull());
}

void ConnectionTest::cdateInSql()
{
    test::ContactFileFixture fixture;
    QCOMPARE(fixture.scalar(u"select cdate('2021-03-05') < cdate('2021-12-01')"_qs).toInt(), 1);
    QVERIFY(fixture.scalar(u"select cdate('no date')"_qs).isNull());
    QVERIFY(fixture.scalar(u"select cdate(NULL)"_qs).isNull());
}

QTEST_GUILESS_MAIN(ConnectionTest)
#include "tst_connection.moc"
