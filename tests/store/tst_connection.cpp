#include "ContactFileFixture.h"
#include "DataSetsOnFile.h"
#include "ErrorOf.h"

#include "core/Error.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactFile.h"
#include "store/ContactSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace corvella;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

/// Waits for another program's lock only briefly, and forgets any busy handler, for one test.
struct ShortBusyWait {
    ShortBusyWait() { store::setBusyTimeout(100); }
    ~ShortBusyWait()
    {
        store::setBusyTimeout(5000);
        store::setBusyHandler(nullptr);
    }
};

/// Another program with the contact file open, holding a lock while the test lets it.
struct OtherProgram {
    std::unique_ptr<store::Connection> connection;
    explicit OtherProgram(const QString& path, const QString& begin = u"BEGIN EXCLUSIVE"_qs)
        : connection(store::Connection::openFile(path, false))
    {
        run(begin);
    }
    void run(const QString& sql) { store::execOrThrow(connection->database(), sql); }
};

} // namespace

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
    void fileIsLookedAtWithoutChange_data();
    void fileIsLookedAtWithoutChange();
    void lockedFileIsInUseAndCanBeWaitedFor();
    void backupIsACopyOfOneMoment();
    void backupRefusals_data();
    void backupRefusals();
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

void ConnectionTest::fileIsLookedAtWithoutChange_data()
{
    using State = store::ContactFileState;
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("state"); // -1: refused as foreign
    QTest::newRow("missing") << u"missing"_qs << int(State::Missing);
    QTest::newRow("empty") << u"empty"_qs << int(State::Empty);
    QTest::newRow("SQLite without the contact table") << u"other database"_qs << int(State::WithoutContactTable);
    QTest::newRow("contact file") << u"contact file"_qs << int(State::Ready);
    QTest::newRow("not SQLite") << u"foreign"_qs << -1;
}

void ConnectionTest::fileIsLookedAtWithoutChange()
{
    using State = store::ContactFileState;
    QFETCH(QString, kind);
    QFETCH(int, state);
    test::ContactFileFixture fixture(kind == u"contact file"_qs);
    const QString path = fixture.filePath();
    if (kind == u"empty"_qs)
        writeFile(path, {});
    if (kind == u"foreign"_qs)
        writeFile(path, QByteArray("Standard Jet DB\0 an old database of another engine", 50) + QByteArray(4096, 'Z'));
    if (kind == u"other database"_qs) {
        QDir().mkpath(fixture.folder() + u"VT"_qs);
        store::execOrThrow(store::Connection::openFile(path, true)->database(), u"create table notes (x)"_qs);
    }
    const QByteArray before = contentOf(path);
    const bool existed = QFile::exists(path);
    const auto look = [&] { return int(store::inspectContactFile(path)); };

    if (state < 0)
        QVERIFY(test::errorOf([&] { look(); }).contains(u"not a Corvella contact file"_qs));
    else
        QCOMPARE(look(), state);
    QCOMPARE(contentOf(path), before);
    QCOMPARE(QFile::exists(path), existed);

    // The tables are added to an empty file and to another SQLite database only; anything else is left alone.
    const QString refused = test::errorOf([&] { store::addContactTables(path); });
    if (state == int(State::Empty) || state == int(State::WithoutContactTable)) {
        QCOMPARE(refused, QString());
        QCOMPARE(look(), int(State::Ready));
        QCOMPARE(fixture.scalar(u"select count(*) from YAYAR"_qs).toInt(), 1);
        QCOMPARE(fixture.scalar(u"select count(*) from sqlite_master where name = 'notes'"_qs).toInt(),
                 kind == u"other database"_qs ? 1 : 0);
    } else {
        QVERIFY(!refused.isEmpty());
        QCOMPARE(contentOf(path), before);
        QCOMPARE(QFile::exists(path), existed);
    }
}

void ConnectionTest::lockedFileIsInUseAndCanBeWaitedFor()
{
    test::ContactFileFixture fixture;
    ShortBusyWait shortWait;
    OtherProgram other(fixture.filePath());
    test::TableOnFile table(u"kayit"_qs);
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(test::errorOf([&] { table.open(); }),
             u"The contact file '%1' is in use by another program (database is locked)."_qs.arg(fixture.filePath()));
    QVERIFY(waited.elapsed() < 2000);

    // Each Retry waits once more; here the other program finishes while the second question is read.
    QStringList asked;
    store::setBusyHandler([&](const QString& file) {
        asked << file;
        if (asked.size() == 2)
            other.run(u"ROLLBACK"_qs);
        return true;
    });
    table.open();
    QVERIFY(table.isActive());
    QCOMPARE(asked, QStringList(2, fixture.filePath()));

    table.close();
    other.run(u"BEGIN EXCLUSIVE"_qs);
    store::setBusyHandler([](const QString&) { return false; });
    QVERIFY_THROWS_EXCEPTION(CancelledError, table.open());
    QVERIFY(!table.isActive());
}

void ConnectionTest::backupIsACopyOfOneMoment()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(fixture.numbers(11, 510), [](int no) {
        return QVariantMap{{u"Ad"_qs, u"Kişi %1"_qs.arg(no)}};
    });
    const QString copy = fixture.folder() + u"copy.mdb"_qs;
    writeFile(copy, "an older backup");
    // Another program is half-way through a change: the copy has none of it.
    OtherProgram other(fixture.filePath(), u"BEGIN IMMEDIATE"_qs);
    other.run(u"delete from kayit where [No] > 100"_qs);
    store::backupContactFile(fixture.filePath(), copy);
    other.run(u"COMMIT"_qs);

    const auto copied = store::Connection::openFile(copy, false);
    const auto value = [&](const QString& sql) {
        QSqlQuery query = store::runQuery(copied->database(), sql);
        return query.next() ? query.value(0) : QVariant();
    };
    QCOMPARE(value(u"select count(*) from kayit"_qs).toInt(), 500);
    QCOMPARE(value(u"select [Ad] from kayit where [No] = 510"_qs).toString(), u"Kişi 510"_qs);
    QCOMPARE(value(u"PRAGMA integrity_check"_qs).toString(), u"ok"_qs);
    QCOMPARE(QDir(fixture.folder()).entryList(QDir::Files), QStringList{u"copy.mdb"_qs});
}

void ConnectionTest::backupRefusals_data()
{
    QTest::addColumn<QString>("destination"); // "@/" is the fixture's folder
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("why");
    QTest::newRow("onto the contact file")
        << u"@/VT/Dorlune.mdb"_qs << false << u"cannot be written over the contact file"_qs;
    QTest::newRow("onto the contact file by another name")
        << u"@/VT/../VT/Dorlune.mdb"_qs << false << u"cannot be written over the contact file"_qs;
    QTest::newRow("into a missing folder") << u"@/none/copy.mdb"_qs << false << u"does not exist"_qs;
    QTest::newRow("onto a folder") << u"@/VT"_qs << false << u"is a folder"_qs;
    QTest::newRow("from a locked file") << u"@/copy.mdb"_qs << true << u"in use by another program"_qs;
}

void ConnectionTest::backupRefusals()
{
    QFETCH(QString, destination);
    QFETCH(bool, locked);
    QFETCH(QString, why);
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12});
    destination.replace(u"@/"_qs, fixture.folder());
    const QString older = fixture.folder() + u"copy.mdb"_qs;
    writeFile(older, "an older backup");
    const QByteArray before = contentOf(fixture.filePath());
    ShortBusyWait shortWait;
    std::optional<OtherProgram> other;
    if (locked)
        other.emplace(fixture.filePath());

    const QString error = test::errorOf([&] { store::backupContactFile(fixture.filePath(), destination); });
    QVERIFY2(error.contains(why), qPrintable(error));
    other.reset();
    QCOMPARE(contentOf(fixture.filePath()), before);
    QCOMPARE(contentOf(older), QByteArray("an older backup"));
    QCOMPARE(QDir(fixture.folder()).entryList(QDir::Files), QStringList{u"copy.mdb"_qs});
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
