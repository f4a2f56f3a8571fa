#include "ContactFileFixture.h"
#include "ErrorOf.h"
#include "PostgresServer.h"
#include "search/QueryBuilder.h"
#include "search/QuickFind.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactCopy.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"

#include <QSqlQuery>
#include <QTest>

#include <mutex>
#include <thread>

using namespace corvella;
using corvella::test::ContactFileFixture;
using corvella::test::PostgresServer;

namespace {

QString connectionOf(const QString& address)
{
    return store::MakeConnectionString(QString(), address);
}

/// Every value of a query's rows, in order, a row a list.
QList<QVariantList> rowsOf(const QString& connectionString, const QStringList& sql)
{
    store::QueryDataSet query;
    query.setConnectionString(connectionString);
    query.setSql(sql);
    query.open();
    QList<QVariantList> rows;
    for (query.first(); !query.eof(); query.next()) {
        QVariantList row;
        for (int i = 0; i < query.fieldCount(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

/// A contact whose texts vary with its number: Turkish letters, letter case, apostrophes, empty and missing values.
QVariantMap sampleContact(int no)
{
    static const QStringList companies = {u"Çelik A.Ş."_qs, u"çınar ltd"_qs,   u"IŞIK Tekstil"_qs, u"ışık tekstil"_qs,
                                          u"İpek Halı"_qs,  u"ipekyolu"_qs,    u"Öz'can"_qs,       u"Şahin"_qs,
                                          u"zeytin"_qs,     u"Ağaç İşleri"_qs, u"GÜNEŞ"_qs,        u"güneş"_qs};
    static const QStringList names = {u"ayşe"_qs, u"Mehmet"_qs, u"İlker"_qs, u"ılgın"_qs, u"Zeki"_qs, u"Ömer"_qs};
    static const QStringList cities = {u"İzmir"_qs, u"izmir"_qs, u"IZMIR"_qs, u"Ankara"_qs, u"Muğla"_qs};
    QVariantMap columns = {
        {store::contact::Company, companies.at(no % companies.size())},
        {store::contact::FirstName, names.at(no % names.size())},
        {store::contact::LastName, u"Soyad %1"_qs.arg(no)},
        {store::contact::City, cities.at(no % cities.size())},
        {store::contact::Email, u"kisi%1@example.com"_qs.arg(no)},
        {store::contact::Sector, no % 7 == 0 ? QString(u""_qs) : u"Sektör %1"_qs.arg(no % 4)},
        {store::contact::Notes, QString(70, QChar(u'ğ'))},
    };
    if (no % 5 == 3)
        columns.remove(store::contact::City); // NULL, unlike the empty sector
    return columns;
}

} // namespace

class TestPostgres : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tablesMatchTheFile();
    void searchListsTheFileRows_data();
    void searchListsTheFileRows();
    void likeIgnoresTurkishCase();
    void quickFindListsTheFileRows_data();
    void quickFindListsTheFileRows();
    void concurrentInsertsGetDistinctNumbers();
    void secondEditOfOneRecordIsRefused();
    void mailListBelongsToItsSession();
    void copyKeepsEveryField();

private:
    std::unique_ptr<ContactFileFixture> m_file;
    QString m_database; // the same contacts as m_file, copied
};

void TestPostgres::initTestCase()
{
    try {
        PostgresServer::shared();
    } catch (const std::exception& error) {
        QFAIL(error.what());
    }
    m_file = std::make_unique<ContactFileFixture>();
    m_file->addContacts(ContactFileFixture::numbers(11, 130), sampleContact);
    m_database = connectionOf(PostgresServer::shared().createDatabase(u"same"_qs));
    QCOMPARE(store::copyContacts(store::ContactConnectionString(), m_database), qint64(120));
}

void TestPostgres::tablesMatchTheFile()
{
    for (const QString& table : {store::tables::Contacts, store::tables::Settings, store::tables::MailList}) {
        store::TableDataSet file, server;
        file.setTableName(table);
        file.setConnectionString(store::ContactConnectionString());
        server.setTableName(table);
        server.setConnectionString(m_database);
        file.open();
        server.open();
        QCOMPARE(server.fieldCount(), file.fieldCount());
        for (int i = 0; i < file.fieldCount(); ++i) {
            QCOMPARE(server.fieldDef(i).name, file.fieldDef(i).name);
            QCOMPARE(int(server.fieldDef(i).kind), int(file.fieldDef(i).kind));
            QCOMPARE(server.fieldDef(i).size, file.fieldDef(i).size);
        }
        QCOMPARE(server.recordCount(), file.recordCount());
    }
}

void TestPostgres::searchListsTheFileRows_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("expectedRows");
    // Ranges cross Turkish letters in both cases; the orders have ties that only letter case tells apart.
    QTest::newRow("company range") << u"Firma Adi"_qs << u"ç"_qs << u"İPEK"_qs << u"Firma Adi"_qs << 60;
    QTest::newRow("dotless i apart from i") << u"Firma Adi"_qs << u"ı"_qs << u"ızzz"_qs << u"Ad"_qs << 20;
    QTest::newRow("one city, any case") << u"Sehir"_qs << u"İZMİR"_qs << u"izmir"_qs << u"Sehir"_qs << 48;
    QTest::newRow("names a to m") << u"Ad"_qs << u"A"_qs << u"m"_qs << u"Soyad"_qs << 60;
}

void TestPostgres::searchListsTheFileRows()
{
    QFETCH(QString, column);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, order);
    QFETCH(int, expectedRows);
    search::SearchConfiguration configuration;
    configuration.table = store::tables::Contacts;
    const QString listed[] = {u"Firma Adi"_qs, u"Sektör"_qs, u"Ad"_qs, u"Soyad"_qs, u"Sehir"_qs, u"e-mail"_qs};
    for (int i = 0; i < 6; ++i)
        configuration.listedColumns[i] = listed[i];
    configuration.fieldCount = 6;
    configuration.orderColumn = order;
    configuration.orderFlag = search::SortedOrderFlag;
    std::array<search::CriterionRow, search::CriterionRowCount> rows;
    rows[0] = {true, true, column, u"Dizi"_qs, u"Aralık"_qs, from, to};
    const QStringList sql = search::buildSearchSql(configuration, rows);

    const QList<QVariantList> fromFile = rowsOf(store::ContactConnectionString(), sql);
    const QList<QVariantList> fromServer = rowsOf(m_database, sql);
    QCOMPARE(fromFile.size(), expectedRows);
    QCOMPARE(fromServer, fromFile);
}

void TestPostgres::likeIgnoresTurkishCase()
{
    // "iz%" is İzmir and izmir in Turkish, never IZMIR (whose small letters are "ızmır").
    const QList<QVariantList> rows = rowsOf(m_database, {u"select count(*) from kayit where [sehir] like 'iz%'"_qs});
    QCOMPARE(rows.value(0).value(0).toInt(), 48);
}

void TestPostgres::quickFindListsTheFileRows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expectedRows");
    QTest::newRow("I is the capital of ı") << u"ışık"_qs << 20;
    QTest::newRow("İ is the capital of i") << u"İPEK"_qs << 20;
    QTest::newRow("apostrophe") << u"öz'can"_qs << 10;
    QTest::newRow("two words, two columns") << u"GÜNEŞ izmir"_qs << 8;
    QTest::newRow("wildcards taken literally") << u"% _"_qs << 0;
}

// The server's ILIKE under the Turkish collation finds what the file's LIKE finds.
void TestPostgres::quickFindListsTheFileRows()
{
    QFETCH(QString, typed);
    QFETCH(int, expectedRows);
    const QStringList sql = search::buildQuickFindSql(typed);
    const QList<QVariantList> fromFile = rowsOf(store::ContactConnectionString(), sql);
    QCOMPARE(fromFile.size(), expectedRows);
    QCOMPARE(rowsOf(m_database, sql), fromFile);
}

void TestPostgres::concurrentInsertsGetDistinctNumbers()
{
    const QString database = connectionOf(PostgresServer::shared().createDatabase(u"numbers"_qs));
    {
        store::Connection setup(database);
        store::createContactTables(setup.database());
    }
    constexpr int Clients = 8;
    constexpr int EachInserts = 500;
    std::vector<std::thread> clients;
    QStringList failures;
    std::mutex failuresLock;
    for (int c = 0; c < Clients; ++c) {
        clients.emplace_back([&, c] {
            try {
                store::TableDataSet contacts;
                store::QueryDataSet highest;
                contacts.setTableName(store::tables::Contacts);
                contacts.setConnectionString(database);
                highest.setConnectionString(database);
                highest.setSql({u"select max([No]) from kayit"_qs});
                contacts.setBeforePost([&](store::DataSet& set) {
                    set.fieldByName(store::contact::RecordNumber).setValue(store::nextRecordNumber(highest));
                });
                contacts.open();
                for (int i = 0; i < EachInserts; ++i) {
                    contacts.insert();
                    contacts.fieldByName(store::contact::FirstName).setValue(u"client %1"_qs.arg(c));
                    contacts.post();
                }
            } catch (const Error& error) {
                const std::lock_guard lock(failuresLock);
                failures << error.message();
            }
        });
    }
    for (std::thread& client : clients)
        client.join();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u"\n"_qs)));
    const QString counts = PostgresServer::shared().psql(
        u"numbers"_qs, u"SELECT count(*), count(DISTINCT \"No\"), min(\"No\"), max(\"No\") FROM kayit"_qs);
    // Every number taken once, with no gap: the highest plus one each time.
    QCOMPARE(counts, u"4000|4000|11|4010\n"_qs);
}

void TestPostgres::secondEditOfOneRecordIsRefused()
{
    store::TableDataSet first, second;
    for (store::TableDataSet* user : {&first, &second}) {
        user->setTableName(store::tables::Contacts);
        user->setConnectionString(m_database);
        user->open();
        QVERIFY(user->locate(store::contact::RecordNumber, 20));
    }
    first.fieldByName(store::contact::City).setValue(u"Bursa"_qs);
    second.fieldByName(store::contact::City).setValue(u"Edirne"_qs);
    first.post();
    const QString refusal = test::errorOf([&] { second.post(); });
    QVERIFY2(refusal.contains(u"changed this record"_qs), qPrintable(refusal));
    QVERIFY(second.isEditing()); // the typed value stays for the user to reload or retry
    second.cancel();
    second.close();
    second.open();
    QVERIFY(second.locate(store::contact::RecordNumber, 20));
    QCOMPARE(second.fieldByName(store::contact::City).asString(), u"Bursa"_qs);

    // A record deleted meanwhile is refused as well, and not stored again.
    second.fieldByName(store::contact::City).setValue(u"Kars"_qs);
    first.deleteRecord();
    QVERIFY(test::errorOf([&] { second.post(); }).contains(u"deleted"_qs));
    QCOMPARE(PostgresServer::shared().psql(u"same"_qs, u"SELECT count(*) FROM kayit WHERE \"No\" = 20"_qs), u"0\n"_qs);
}

void TestPostgres::mailListBelongsToItsSession()
{
    store::QueryDataSet clear;
    clear.setConnectionString(m_database);
    clear.setSql({u"delete from maillist"_qs});
    clear.execSql();
    store::TableDataSet mine;
    mine.setTableName(store::tables::MailList);
    mine.setConnectionString(m_database);
    mine.open();
    for (const QString& address : {u"a@x.tr"_qs, u"b@x.tr"_qs, u"c@x.tr"_qs}) {
        mine.insert();
        mine.fieldByName(store::maillist::Address).setValue(address);
        mine.post();
    }
    // Another user's program empties and fills its own list meanwhile.
    PostgresServer::shared().psql(u"same"_qs,
                                  u"SELECT set_config('corvella.session', 'other', false);\n"
                                  "DELETE FROM maillist; INSERT INTO maillist (\"e-mail\") VALUES ('z@y');"_qs);
    const QList<QVariantList> rows = rowsOf(m_database, {u"select [e-mail] from maillist"_qs});
    QCOMPARE(rows, (QList<QVariantList>{{u"a@x.tr"_qs}, {u"b@x.tr"_qs}, {u"c@x.tr"_qs}}));
    QCOMPARE(PostgresServer::shared().psql(u"same"_qs, u"SELECT count(*) FROM \"maillist rows\""_qs), u"4\n"_qs);
}

void TestPostgres::copyKeepsEveryField()
{
    ContactFileFixture file;
    file.addContacts(ContactFileFixture::numbers(11, 10010), [](int no) {
        QVariantMap columns = sampleContact(no);
        for (const store::ContactColumn& column : store::contactColumns())
            if (!columns.contains(column.name) && no % 3)
                columns.insert(column.name, QString(column.size, QChar(u"aİıŞ'\""_qs.at(no % 6))));
        return columns;
    });
    const QString database = connectionOf(PostgresServer::shared().createDatabase(u"copy"_qs));
    QCOMPARE(store::copyContacts(store::ContactConnectionString(), database), qint64(10000));
    const QStringList all = {u"select * from kayit order by [No]"_qs};
    const QList<QVariantList> copied = rowsOf(database, all);
    const QList<QVariantList> original = rowsOf(store::ContactConnectionString(), all);
    QCOMPARE(copied.size(), 10000);
    for (qsizetype r = 0; r < original.size(); ++r)
        for (qsizetype c = 0; c < original.at(r).size(); ++c)
            if (!store::sameValue(copied.at(r).at(c), original.at(r).at(c)))
                QFAIL(qPrintable(u"contact %1, column %2: %3 became %4"_qs.arg(original.at(r).at(0).toString())
                                     .arg(c)
                                     .arg(original.at(r).at(c).toString(), copied.at(r).at(c).toString())));
    // A second copy would mix two lists.
    QVERIFY(test::errorOf([&] {
                store::copyContacts(store::ContactConnectionString(), database);
            }).contains(u"holds contacts already"_qs));
}

QTEST_GUILESS_MAIN(TestPostgres)
#include "tst_postgres.moc"
