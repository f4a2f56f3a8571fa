#include "search/QueryBuilder.h"
#include "search/QuickFind.h"
#include "store/BackgroundSnapshot.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/FindIndex.h"
#include "store/StatementCollation.h"
#include "store/TurkishCollation.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace corvella;

namespace {
enum class Origin { PreviousVersion, StockShell, ThisVersion };
/// What happens to the files between a find and the next, besides the shell's statements.
enum class Mishap { None, IndexDeleted, IndexOfAnotherFile, OlderCopyRestored, BuildStopped, IndexOfPreviousFormat };
} // namespace

Q_DECLARE_METATYPE(Origin)
Q_DECLARE_METATYPE(Mishap)
Q_DECLARE_METATYPE(corvella::store::findindex::Status)

namespace {

struct Person {
    QString name, surname, company = {};
};

// The names of the report that asked for Turkish search on every file, and surnames for each Turkish letter.
const QList<Person> people = {
    {u"ahmet"_qs, u"Işık"_qs},
    {u"Ahmet"_qs, u"ılık"_qs},
    {u"Mehmet"_qs, u"İnce"_qs},
    {u"M"_qs, u"inan"_qs},
    {u"Çetin"_qs, u"Ağca"_qs},
    {u"Cem"_qs, u"Agah"_qs},
    {u"İsmail"_qs, u"Öztürk"_qs},
    {u"O'Brien"_qs, u"Ozan"_qs},
    {QString(), u"Şahin"_qs, u"%100 Yerli"_qs},
    {QString(), u"Sarı"_qs, u"A_B Ltd"_qs},
    {QString(), u"Ünal"_qs, u"Yol\\Su A.Ş."_qs},
    {QString(), u"Uçar"_qs, u"ABC Ltd"_qs},
};

QString literal(const QString& text)
{
    return text.isNull() ? u"NULL"_qs : u'\'' + QString(text).replace(u'\'', u"''"_qs) + u'\'';
}

QStringList insertStatements()
{
    QStringList statements;
    int no = 11;
    for (const Person& person : people)
        statements << u"INSERT INTO kayit ([No], [Ad], [Soyad], [Firma Adi]) VALUES (%1, %2, %3, %4)"_qs.arg(no++).arg(
            literal(person.name), literal(person.surname), literal(person.company));
    return statements;
}

struct ShellRun {
    QString output;
    QString errors; // empty when every statement ran
};

/// Runs statements in the stock sqlite3 shell, stopping at the first error.
ShellRun shell(const QString& file, const QString& statements)
{
    QProcess process;
    process.start(u"sqlite3"_qs, {u"-bail"_qs, file});
    process.write(statements.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {{}, u"sqlite3 did not run: "_qs + process.errorString()};
    ShellRun run{QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    if (run.errors.isEmpty() && (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0))
        run.errors = u"sqlite3 exit code %1"_qs.arg(process.exitCode());
    return run;
}

/// The same contacts in three files: one the previous version made (text columns declared with the Turkish
/// collation), one the stock shell made from the contact table's columns (no collation, with an index on the name),
/// and one this version makes.
class ContactFiles {
public:
    ContactFiles()
    {
        {
            auto previous = store::Connection::openFile(path(Origin::PreviousVersion), true);
            for (QString statement : store::contactFileSchema())
                store::execOrThrow(previous->database(),
                                   statement.replace(u"COLLATE NOCASE"_qs, u"COLLATE TR_NOCASE"_qs));
            for (const QString& statement : insertStatements())
                store::execOrThrow(previous->database(), statement);
        }

        QStringList columns{u"[No] INTEGER PRIMARY KEY"_qs};
        for (const store::ContactColumn& column : store::contactColumns())
            columns << u"[%1] VARCHAR(%2)"_qs.arg(column.name).arg(column.size);
        m_shellErrors = shell(path(Origin::StockShell),
                              u"CREATE TABLE kayit (%1);\n%2;\nCREATE INDEX names ON kayit([Ad]);\n"_qs.arg(
                                  columns.join(u", "_qs), insertStatements().join(u";\n"_qs)))
                            .errors;

        store::createContactFile(path(Origin::ThisVersion));
        auto current = store::Connection::openFile(path(Origin::ThisVersion), false);
        for (const QString& statement : insertStatements())
            store::execOrThrow(current->database(), statement);
    }

    QString folder() const { return m_dir.path() + u'/'; }
    static QString fileName(Origin origin)
    {
        return origin == Origin::PreviousVersion ? u"previous.mdb"_qs
               : origin == Origin::StockShell    ? u"shell.mdb"_qs
                                                 : u"current.mdb"_qs;
    }
    QString path(Origin origin) const { return folder() + fileName(origin); }
    QString connectionString(Origin origin) const { return store::MakeConnectionString(folder(), fileName(origin)); }
    const QString& shellErrors() const { return m_shellErrors; }

private:
    QTemporaryDir m_dir;
    QString m_shellErrors;
};

void addOriginRows(std::initializer_list<Origin> origins)
{
    QTest::addColumn<Origin>("origin");
    for (const Origin origin : origins)
        QTest::newRow(qPrintable(ContactFiles::fileName(origin))) << origin;
}

/// One column's values, in the order the query gave them.
QStringList columnValues(store::QueryDataSet& query, const QString& column)
{
    QStringList values;
    const int field = query.findField(column);
    for (qint64 row = 0; row < query.recordCount(); ++row)
        values << query.valueAt(row, field).toString();
    return values;
}

bool inTurkishOrder(const QStringList& values)
{
    return std::is_sorted(values.begin(), values.end(),
                          [](const QString& a, const QString& b) { return store::compareTurkish(a, b) < 0; });
}

QStringList sorted(QStringList values)
{
    values.sort();
    return values;
}

struct Found {
    QStringList surnames;
    QStringList companies;
    QStringList firstNumbers; // the record numbers of the first rows, shown before all of them
    store::findindex::Status status = store::findindex::Status::Unavailable;
    bool indexUsed = false;
};

/// The quick find as the list window runs it: on a thread, through the file's index when that is current.
Found findInBackground(const QString& file, const QString& typed, int firstRows)
{
    auto joined = [](const QStringList& lines) { return lines.join(u"\r\n"_qs); };
    const QStringList sql = search::buildQuickFindSql(typed);
    Found found;
    if (sql.isEmpty())
        return found;
    store::BackgroundSnapshot finder;
    QSignalSpy checked(&finder, &store::BackgroundSnapshot::indexChecked);
    QSignalSpy first(&finder, &store::BackgroundSnapshot::firstRowsReady);
    QSignalSpy failed(&finder, &store::BackgroundSnapshot::failed);
    const search::IndexedFind indexed = search::buildIndexedQuickFindSql(typed);
    finder.start(file, joined(sql), firstRows,
                 {store::findindex::indexFileFor(file), joined(indexed.first), joined(indexed.all), indexed.walked});
    QSignalSpy all(&finder, &store::BackgroundSnapshot::allRowsReady);
    const auto finished = [&] {
        return !failed.isEmpty() || all.size() == 1 || (first.size() == 1 && first.at(0).at(1).toBool());
    };
    if (!QTest::qWaitFor(finished, 20000) || !failed.isEmpty() || checked.size() != 1) {
        found.surnames << u"no find: "_qs + (failed.isEmpty() ? u"timed out"_qs : failed.at(0).at(0).toString());
        return found;
    }
    found.status = store::findindex::Status(checked.at(0).at(0).toInt());
    found.indexUsed = checked.at(0).at(1).toBool();
    store::QueryDataSet query;
    query.setConnectionString(store::MakeConnectionString(QString(), file));
    query.setSql(sql);
    query.openPrepared(first.at(0).at(0).toString());
    found.firstNumbers = columnValues(query, u"No"_qs);
    query.close();
    query.openPrepared(all.isEmpty() ? first.at(0).at(0).toString() : all.at(0).at(0).toString());
    found.surnames = columnValues(query, u"Soyad"_qs);
    found.companies = columnValues(query, u"Firma Adi"_qs);
    return found;
}

bool buildIndex(const QString& file, bool stopAtOnce = false)
{
    const std::atomic<bool> stop = stopAtOnce;
    QString error;
    const bool built = store::findindex::build(file, stop, error);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return built;
}

QString integrityThroughProgram(const QString& file)
{
    auto connection = store::Connection::openFile(file, false);
    QSqlQuery check = store::runQuery(connection->database(), u"PRAGMA integrity_check"_qs);
    return check.next() ? check.value(0).toString() : QString();
}

} // namespace

class ContactFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void statementsCompareTheTurkishWay_data();
    void statementsCompareTheTurkishWay();
    void searchIsTheSameOnEveryFile_data();
    void searchIsTheSameOnEveryFile();
    void lookUpIgnoresTurkishCase_data();
    void lookUpIgnoresTurkishCase();
    void quickFindIsTheSameOnEveryFile_data();
    void quickFindIsTheSameOnEveryFile();
    void findIndexFollowsEveryWriter_data();
    void findIndexFollowsEveryWriter();
    void shortWordsFirstRowsAreTheListsFirst_data();
    void shortWordsFirstRowsAreTheListsFirst();
    void stockShellQueriesTheNewFile();
    void integrityHoldsAfterBothWrote_data();
    void integrityHoldsAfterBothWrote();

private:
    std::unique_ptr<ContactFiles> m_files;
};

void ContactFilesTest::initTestCase()
{
    m_files = std::make_unique<ContactFiles>();
    QCOMPARE(m_files->shellErrors(), QString());
}

void ContactFilesTest::statementsCompareTheTurkishWay_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("rewritten");
    const QString tr = u" COLLATE TR_NOCASE"_qs;
    QTest::newRow("where and order, not the select list")
        << u"select [Ad] from kayit where ([Ad]>='a') and ([Ad]<='m') ORDER BY [Firma Adi] desc"_qs
        << u"select [Ad] from kayit where ([Ad]%1>='a') and ([Ad]%1<='m') ORDER BY [Firma Adi]%1 desc"_qs.arg(tr);
    QTest::newRow("every quoting, a qualified name")
        << u"SELECT * FROM \"kayit\" k WHERE \"Ad\" = ? OR `soyad` = :s OR k.[Sehir] = $c"_qs
        << u"SELECT * FROM \"kayit\" k WHERE \"Ad\"%1 = ? OR `soyad`%1 = :s OR k.[Sehir]%1 = $c"_qs.arg(tr);
    QTest::newRow("literals and comments stay")
        << u"select * from kayit where [Ad] = 'x'' [Soyad]' -- [Sehir]\n and /* [Meslek] */ [No] > 1"_qs
        << u"select * from kayit where [Ad]%1 = 'x'' [Soyad]' -- [Sehir]\n and /* [Meslek] */ [No] > 1"_qs.arg(tr);
    QTest::newRow("group, having, a subquery's own select list")
        << u"select [Sehir], count(*) from kayit where [Ad] in (select [Soyad] from kayit) group by [Sehir] "
           u"having [Sehir] > 'a'"_qs
        << u"select [Sehir], count(*) from kayit where [Ad]%1 in (select [Soyad] from kayit) group by [Sehir]%1 "
           u"having [Sehir]%1 > 'a'"_qs.arg(tr);
    QTest::newRow("changes: the where part only") << u"UPDATE \"kayit\" SET \"Ad\" = ? WHERE \"Ad\" = ?"_qs
                                                  << u"UPDATE \"kayit\" SET \"Ad\" = ? WHERE \"Ad\"%1 = ?"_qs.arg(tr);
    const QString unchanged[] = {
        u"select * from kayit order by [Ad] collate binary"_qs,             // a collation of its own
        u"select * from maillist where [e-mail] = 'a'"_qs,                  // not the contact table
        u"create index names on kayit([Ad]) where [Ad] > 'a'"_qs,           // not a query
        u"select rowid, [Ad] from kayit where rowid > ? order by rowid"_qs, // no text column compared
    };
    for (const QString& statement : unchanged)
        QTest::newRow(qPrintable(statement)) << statement << statement;
}

void ContactFilesTest::statementsCompareTheTurkishWay()
{
    QFETCH(QString, statement);
    QFETCH(QString, rewritten);
    QCOMPARE(store::withTurkishComparisons(statement), rewritten);
}

void ContactFilesTest::searchIsTheSameOnEveryFile_data()
{
    QTest::addColumn<Origin>("origin");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("expected");
    struct Case {
        const char* name;
        QString column, from, to;
        QStringList expected;
    };
    const QStringList aToM = {u"ahmet"_qs, u"Ahmet"_qs, u"M"_qs, u"Çetin"_qs, u"Cem"_qs, u"İsmail"_qs};
    const Case cases[] = {
        {"names a to m", u"Ad"_qs, u"a"_qs, u"m"_qs, aToM},
        {"names A to M", u"Ad"_qs, u"A"_qs, u"M"_qs, aToM},
        {"I is the capital of ı", u"Soyad"_qs, u"ı"_qs, u"ız"_qs, {u"Işık"_qs, u"ılık"_qs}},
        {"İ is the capital of i", u"Soyad"_qs, u"İ"_qs, u"İZ"_qs, {u"İnce"_qs, u"inan"_qs}},
        {"g before ğ", u"Soyad"_qs, u"ag"_qs, u"agz"_qs, {u"Agah"_qs}},
        {"ğ before h", u"Soyad"_qs, u"ağ"_qs, u"ah"_qs, {u"Ağca"_qs}},
        {"ö between o and p", u"Soyad"_qs, u"ö"_qs, u"p"_qs, {u"Öztürk"_qs}},
        {"ş between s and t", u"Soyad"_qs, u"Ş"_qs, u"T"_qs, {u"Şahin"_qs}},
        {"ü between u and v", u"Soyad"_qs, u"ü"_qs, u"v"_qs, {u"Ünal"_qs}},
        {"everyone in order",
         u"Soyad"_qs,
         u"a"_qs,
         u"zz"_qs,
         {u"Agah"_qs, u"Ağca"_qs, u"ılık"_qs, u"Işık"_qs, u"inan"_qs, u"İnce"_qs, u"Ozan"_qs, u"Öztürk"_qs, u"Sarı"_qs,
          u"Şahin"_qs, u"Uçar"_qs, u"Ünal"_qs}},
    };
    for (const Origin origin : {Origin::PreviousVersion, Origin::StockShell, Origin::ThisVersion})
        for (const Case& c : cases)
            QTest::addRow("%s, %s", qPrintable(ContactFiles::fileName(origin)), c.name)
                << origin << c.column << c.from << c.to << c.expected;
}

// The search window's statement, as the builder writes it, run by the list window's kind of query.
void ContactFilesTest::searchIsTheSameOnEveryFile()
{
    QFETCH(Origin, origin);
    QFETCH(QString, column);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, expected);

    search::SearchConfiguration configuration;
    configuration.table = u"kayit"_qs;
    configuration.listedColumns[0] = column;
    configuration.fieldCount = 1;
    configuration.orderColumn = column;
    configuration.orderFlag = search::SortedOrderFlag;
    std::array<search::CriterionRow, search::CriterionRowCount> rows;
    rows[0] = {true, true, column, u"Dizi"_qs, u"Aralık"_qs, from, to};

    store::QueryDataSet query;
    query.setConnectionString(m_files->connectionString(origin));
    query.setSql(search::buildSearchSql(configuration, rows));
    query.open();
    const QStringList found = columnValues(query, column);
    QVERIFY2(inTurkishOrder(found), qPrintable(found.join(u", "_qs)));
    QCOMPARE(sorted(found), sorted(expected));
}

void ContactFilesTest::lookUpIgnoresTurkishCase_data()
{
    addOriginRows({Origin::PreviousVersion, Origin::StockShell, Origin::ThisVersion});
}

void ContactFilesTest::lookUpIgnoresTurkishCase()
{
    QFETCH(Origin, origin);
    store::TableDataSet contacts;
    contacts.setTableName(u"kayit"_qs);
    contacts.setConnectionString(m_files->connectionString(origin));
    contacts.open();
    QVERIFY(contacts.locate(u"Ad"_qs, u"İSMAİL"_qs));
    QCOMPARE(contacts.fieldByName(u"Ad"_qs).asString(), u"İsmail"_qs);
    QVERIFY(contacts.locate(u"soyad"_qs, u"ILIK"_qs));
    QCOMPARE(contacts.fieldByName(u"No"_qs).asInteger(), 12);
    QVERIFY(!contacts.locate(u"Soyad"_qs, u"ISIK"_qs)); // Işık has ş, and I is ı
}

void ContactFilesTest::quickFindIsTheSameOnEveryFile_data()
{
    QTest::addColumn<Origin>("origin");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<int>("firstRows"); // through the index, on a thread, when not 0 (-1: all rows at once)
    struct Case {
        const char* name;
        QString typed;
        QStringList surnames;
    };
    const Case cases[] = {
        {"any case", u"AHMET"_qs, {u"Işık"_qs, u"ılık"_qs}},
        {"I is the capital of ı", u"IŞIK"_qs, {u"Işık"_qs}},
        {"ı is not i", u"isik"_qs, {}},
        {"İ is the capital of i", u"İNAN"_qs, {u"inan"_qs}},
        {"Turkish capitals", u"ÇETİN AĞCA"_qs, {u"Ağca"_qs}},
        {"ö and ü", u"öZTÜRK"_qs, {u"Öztürk"_qs}},
        {"g is not ğ", u"ag"_qs, {u"Agah"_qs}},
        {"ş in any column", u"Ş"_qs, {u"Işık"_qs, u"Şahin"_qs, u"Ünal"_qs}},
        {"apostrophe", u"o'b"_qs, {u"Ozan"_qs}},
        {"percent taken literally", u"%"_qs, {u"Şahin"_qs}},
        {"percent at the end", u"100%"_qs, {}},
        {"underscore taken literally", u"_"_qs, {u"Sarı"_qs}},
        {"underscore in a longer word", u"a_B"_qs, {u"Sarı"_qs}},
        {"backslash taken literally", u"\\"_qs, {u"Ünal"_qs}},
        {"backslash in a longer word", u"L\\SU"_qs, {u"Ünal"_qs}},
        {"every word, each in any column", u"  cem   AGAH "_qs, {u"Agah"_qs}},
        {"words of two contacts", u"cem ağca"_qs, {}},
        {"contains, in the company", u"ltd"_qs, {u"Sarı"_qs, u"Uçar"_qs}},
        {"empty text finds nothing", u"   "_qs, {}},
    };
    // The first rows come through the index alone; all of them, after one, through the index and LIKE.
    const std::pair<const char*, int> ways[] = {
        {"", 0}, {"first through the index, ", 1000}, {"all through it, ", 1}, {"all at once through it, ", -1}};
    for (const auto& [way, firstRows] : ways)
        for (const Origin origin : {Origin::PreviousVersion, Origin::StockShell, Origin::ThisVersion})
            for (const Case& c : cases)
                QTest::addRow("%s%s, %s", way, qPrintable(ContactFiles::fileName(origin)), c.name)
                    << origin << c.typed << c.surnames << firstRows;
}

void ContactFilesTest::quickFindIsTheSameOnEveryFile()
{
    QFETCH(Origin, origin);
    QFETCH(QString, typed);
    QFETCH(QStringList, surnames);
    QFETCH(int, firstRows);
    const QStringList sql = search::buildQuickFindSql(typed);
    QStringList found;
    if (firstRows != 0) {
        QVERIFY(buildIndex(m_files->path(origin)));
        const Found background = findInBackground(m_files->path(origin), typed,
                                                  firstRows < 0 ? store::BackgroundSnapshot::AllRowsAtOnce : firstRows);
        QVERIFY(inTurkishOrder(background.companies));
        found = background.surnames;
        // Words the trigrams cannot narrow take their first rows from walking the index's list order.
        QCOMPARE(background.indexUsed, !sql.isEmpty());
        if (!sql.isEmpty())
            QCOMPARE(background.status, store::findindex::Status::Current);
    } else if (!sql.isEmpty()) {
        store::QueryDataSet query;
        query.setConnectionString(m_files->connectionString(origin));
        query.setSql(sql);
        query.open();
        QVERIFY(inTurkishOrder(columnValues(query, u"Firma Adi"_qs)));
        found = columnValues(query, u"Soyad"_qs);
    }
    QCOMPARE(sorted(found), sorted(surnames));
}

void ContactFilesTest::findIndexFollowsEveryWriter_data()
{
    QTest::addColumn<QString>("statements");
    QTest::addColumn<Mishap>("mishap");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<store::findindex::Status>("status");
    using enum store::findindex::Status;
    const QString added = u"INSERT INTO kayit ([No], [Soyad]) VALUES (500, 'Yıldırım');"_qs;
    QTest::newRow("added by the shell") << added << Mishap::None << u"YILDIRIM"_qs << QStringList{u"Yıldırım"_qs}
                                        << Current;
    QTest::newRow("edited by the shell") << u"UPDATE kayit SET [Soyad] = 'Kılıç' WHERE [No] = 11;"_qs << Mishap::None
                                         << u"kılıç"_qs << QStringList{u"Kılıç"_qs} << Current;
    QTest::newRow("deleted and added again under its number")
        << u"DELETE FROM kayit WHERE [No] = 11; INSERT INTO kayit ([No], [Soyad]) VALUES (11, 'Ekinci');"_qs
        << Mishap::None << u"ekİncİ"_qs << QStringList{u"Ekinci"_qs} << Current;
    QTest::newRow("deleted by the shell") << u"DELETE FROM kayit WHERE [No] = 12;"_qs << Mishap::None << u"ahmet"_qs
                                          << QStringList{u"Işık"_qs} << Current;
    QTest::newRow("too many changes to apply ahead of a find")
        << u"WITH RECURSIVE n(i) AS (SELECT 1000 UNION ALL SELECT i + 1 FROM n WHERE i < 3100) "
           u"INSERT INTO kayit ([No], [Soyad]) SELECT i, 'Dolgu' FROM n; "
           u"UPDATE kayit SET [Ad] = 'Yıldız' WHERE [No] = 11;"_qs
        << Mishap::None << u"YILDIZ"_qs << QStringList{u"Işık"_qs} << Behind;
    QTest::newRow("a trigger dropped") << u"DROP TRIGGER find_log_insert;"_qs + added << Mishap::None << u"yıldırım"_qs
                                       << QStringList{u"Yıldırım"_qs} << Outdated;
    QTest::newRow("the log dropped") << u"DROP TABLE find_sync;"_qs << Mishap::None << u"ahmet"_qs
                                     << QStringList{u"Işık"_qs, u"ılık"_qs} << Outdated;
    QTest::newRow("index file deleted") << added << Mishap::IndexDeleted << u"yıldırım"_qs
                                        << QStringList{u"Yıldırım"_qs} << Outdated;
    QTest::newRow("index of another file")
        << added << Mishap::IndexOfAnotherFile << u"yıldırım"_qs << QStringList{u"Yıldırım"_qs} << Outdated;
    QTest::newRow("an older copy of the file restored")
        << added << Mishap::OlderCopyRestored << u"yıldırım"_qs << QStringList{u"Yıldırım"_qs} << Outdated;
    QTest::newRow("an index file without the list order, as the previous version made it")
        << added << Mishap::IndexOfPreviousFormat << u"ım"_qs << QStringList{u"Yıldırım"_qs} << Outdated;
    QTest::newRow("build stopped at once")
        << added << Mishap::BuildStopped << u"yıldırım"_qs << QStringList{u"Yıldırım"_qs} << Unfinished;
}

// Whoever writes the file and whatever becomes of the index, the next find is right: through the index brought up to
// date, or by scanning while the index is built again (or resumed), and through the index after that.
void ContactFilesTest::findIndexFollowsEveryWriter()
{
    QFETCH(QString, statements);
    QFETCH(Mishap, mishap);
    QFETCH(QString, typed);
    QFETCH(QStringList, surnames);
    QFETCH(store::findindex::Status, status);
    ContactFiles files;
    const QString file = files.path(Origin::ThisVersion), index = store::findindex::indexFileFor(file);
    const QString older = files.folder() + u"older.mdb"_qs;
    QCOMPARE(buildIndex(mishap == Mishap::IndexOfAnotherFile ? files.path(Origin::StockShell) : file,
                        mishap == Mishap::BuildStopped),
             mishap != Mishap::BuildStopped);
    if (mishap == Mishap::OlderCopyRestored) {
        QVERIFY(QFile::copy(file, older));
        QCOMPARE(shell(file, u"UPDATE kayit SET [Ad] = 'Veli' WHERE [No] = 13;"_qs).errors, QString());
        QCOMPARE(findInBackground(file, u"veli"_qs, 1000).surnames, QStringList{u"İnce"_qs}); // the index takes it in
        QVERIFY(QFile::remove(file) && QFile::copy(older, file));
    }
    if (mishap == Mishap::IndexDeleted)
        QVERIFY(QFile::remove(index));
    if (mishap == Mishap::IndexOfPreviousFormat)
        QCOMPARE(shell(index, u"DROP TABLE find_order; UPDATE find_about SET format = 1;"_qs).errors, QString());
    if (mishap == Mishap::IndexOfAnotherFile)
        QVERIFY(QFile::copy(store::findindex::indexFileFor(files.path(Origin::StockShell)), index));
    // The stock shell has none of the program's functions: the triggers must not need them.
    QCOMPARE(shell(file, statements).errors, QString());

    const Found found = findInBackground(file, typed, 1000);
    QCOMPARE(found.surnames, surnames);
    QCOMPARE(found.status, status);
    QCOMPARE(found.indexUsed, status == store::findindex::Status::Current);
    if (status != store::findindex::Status::Current) {
        QVERIFY(buildIndex(file));
        const Found again = findInBackground(file, typed, 1000);
        QCOMPARE(again.surnames, surnames);
        QCOMPARE(again.status, store::findindex::Status::Current);
        QVERIFY(again.indexUsed);
    }
    QCOMPARE(integrityThroughProgram(file), u"ok"_qs);
}

void ContactFilesTest::shortWordsFirstRowsAreTheListsFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("firstRows");
    QTest::addColumn<bool>("writtenAfterBuild"); // by the shell, so the find's catch-up reorders the walk
    QTest::addColumn<bool>("moreThanWalked");    // contacts beyond those a walk looks at, sorted last
    QTest::addColumn<bool>("walked");            // whether the walk gave the first rows, not the scan
    const std::pair<const char*, QString> texts[] = {
        {"one letter", u"a"_qs}, {"a Turkish pair", u"şi"_qs},   {"İ pairs with i", u"İ"_qs},
        {"ı is not i", u"ı"_qs}, {"two short words", u"a k"_qs}, {"a pair found nowhere", u"qx"_qs},
    };
    for (const bool after : {false, true})
        for (const auto& [name, typed] : texts)
            for (const int firstRows : {7, 1000})
                QTest::addRow("%s, first %d, %s", name, firstRows, after ? "written after the build" : "built after")
                    << typed << firstRows << after << false << true;
    QTest::newRow("a common letter among more contacts than walked") << u"a"_qs << 7 << false << true << true;
    QTest::newRow("a pair only in the last of more contacts than walked") << u"qx"_qs << 7 << false << true << false;
}

// The walk of the index must give the rows the scan sorts first, ties in company (equal under the collation, or
// NULL) included: the scan meets them in record-number order and SQLite's sort keeps that order.
void ContactFilesTest::shortWordsFirstRowsAreTheListsFirst()
{
    QFETCH(QString, typed);
    QFETCH(int, firstRows);
    QFETCH(bool, writtenAfterBuild);
    QFETCH(bool, moreThanWalked);
    QFETCH(bool, walked);
    ContactFiles files;
    const QString file = files.path(Origin::ThisVersion);
    // Record numbers added downwards, companies repeating under the collation's case folding.
    QString writes =
        u"WITH RECURSIVE n(i) AS (SELECT 3000 UNION ALL SELECT i - 7 FROM n WHERE i > 2100) "
        u"INSERT INTO kayit ([No], [Ad], [Soyad], [Firma Adi]) SELECT i, CASE i % 3 WHEN 0 THEN 'Şİmşek' "
        u"WHEN 1 THEN 'kaya' ELSE 'Işın' END, 'S' || i, CASE i % 5 WHEN 0 THEN 'ışık' WHEN 1 THEN 'IŞIK' "
        u"WHEN 2 THEN NULL WHEN 3 THEN 'Ilık' ELSE 'Ağ' END FROM n; "
        u"UPDATE kayit SET [Firma Adi] = 'AĞ' WHERE [No] % 4 = 0; DELETE FROM kayit WHERE [No] % 9 = 0;"_qs;
    if (moreThanWalked)
        writes += u"WITH RECURSIVE n(i) AS (SELECT 10000 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                  u"INSERT INTO kayit ([No], [Soyad], [Firma Adi]) SELECT i, 'D', 'Z' || (i % 97) FROM n; "
                  u"UPDATE kayit SET [Ad] = 'Qx', [Firma Adi] = 'ZZZ' WHERE [No] = 10001;"_qs.arg(
                      10000 + search::WalkedContacts);
    if (!writtenAfterBuild)
        QCOMPARE(shell(file, writes).errors, QString());
    QVERIFY(buildIndex(file));
    if (writtenAfterBuild)
        QCOMPARE(shell(file, writes).errors, QString());

    store::QueryDataSet list;
    list.setConnectionString(files.connectionString(Origin::ThisVersion));
    list.setSql(search::buildQuickFindSql(typed));
    list.open();
    const QStringList listed = columnValues(list, u"No"_qs);
    const Found found = findInBackground(file, typed, firstRows);
    QCOMPARE(found.status, store::findindex::Status::Current);
    QCOMPARE(found.indexUsed, walked);
    QCOMPARE(found.firstNumbers, listed.mid(0, firstRows));
    QCOMPARE(found.surnames.size(), listed.size());
    if (moreThanWalked && !walked)
        QCOMPARE(listed, QStringList{u"10001"_qs});
}

// The stock shell filters and sorts a file this version made, with its own case rules (ASCII letters only).
void ContactFilesTest::stockShellQueriesTheNewFile()
{
    const ShellRun run = shell(m_files->path(Origin::ThisVersion),
                               u"select [Ad] from kayit where [Ad] >= 'a' and [Ad] <= 'm' order by [Ad];"_qs);
    QCOMPARE(run.errors, QString());
    const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(sorted(lines), sorted({u"ahmet"_qs, u"Ahmet"_qs, u"Cem"_qs, u"M"_qs}));
    QCOMPARE(lines.last(), u"M"_qs);
}

void ContactFilesTest::integrityHoldsAfterBothWrote_data()
{
    addOriginRows({Origin::StockShell, Origin::ThisVersion});
}

// An index the shell builds is written by the program in the order the shell reads it, and the other way round.
void ContactFilesTest::integrityHoldsAfterBothWrote()
{
    QFETCH(Origin, origin);
    ContactFiles files;
    const QString file = files.path(origin);
    const ShellRun shellWrote = shell(file, u"INSERT INTO kayit ([No], [Ad]) VALUES (100, 'zeynep');\n"
                                            u"CREATE INDEX IF NOT EXISTS names ON kayit([Ad]);\n"
                                            u"CREATE INDEX surnames ON kayit([Soyad]);\n"_qs);
    QCOMPARE(shellWrote.errors, QString());
    QCOMPARE(integrityThroughProgram(file), u"ok"_qs);

    store::TableDataSet contacts;
    contacts.setTableName(u"kayit"_qs);
    contacts.setConnectionString(files.connectionString(origin));
    contacts.open();
    contacts.insert();
    contacts.fieldByName(u"No"_qs).setValue(101);
    contacts.fieldByName(u"Ad"_qs).setAsString(u"Irmak"_qs);
    contacts.fieldByName(u"Soyad"_qs).setAsString(u"ıhlamur"_qs);
    contacts.post();
    QVERIFY(contacts.locate(u"Ad"_qs, u"zeynep"_qs));
    contacts.fieldByName(u"Ad"_qs).setAsString(u"ZEYNEP"_qs);
    contacts.fieldByName(u"Soyad"_qs).setAsString(u"İnci"_qs);
    contacts.post();
    contacts.close();

    QCOMPARE(integrityThroughProgram(file), u"ok"_qs);
    const ShellRun check =
        shell(file, u"PRAGMA integrity_check;\nselect count(*) from kayit where [Ad] = 'zeynep';\n"_qs);
    QCOMPARE(check.errors, QString());
    QCOMPARE(check.output, origin == Origin::ThisVersion ? u"ok\n1\n"_qs : u"ok\n0\n"_qs);
}

QTEST_GUILESS_MAIN(ContactFilesTest)
#include "tst_contactfiles.moc"
