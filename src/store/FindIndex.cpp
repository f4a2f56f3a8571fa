#include "FindIndex.h"

#include "Columns.h"
#include "Connection.h"
#include "ContactSchema.h"
#include "SqliteExec.h"
#include "TurkishCollation.h"
#include "TurkishLike.h"
#include "core/ScopeGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace corvella::store::findindex {

namespace {

// 2 added find_order; its index is in the collation's order, so a change of the collation needs a new format too.
constexpr int FormatVersion = 2;
// Each batch is one short transaction on the index file; writers of the contact file wait only for its reading.
constexpr int BatchRows = 5000;
// More logged changes than this (about a second's work) are applied in the background while finds scan.
constexpr qint64 MostChangesApplied = 2000;

/// The log and its triggers, in the contact file: plain SQL, so that every program and every SQLite still writes it.
const QString LogStatements[] = {
    u"CREATE TABLE IF NOT EXISTS main.find_changes (changed_no INTEGER)"_qs,
    u"CREATE TABLE IF NOT EXISTS main.find_sync (index_id TEXT, generation INTEGER)"_qs,
    u"CREATE TRIGGER IF NOT EXISTS main.find_log_insert AFTER INSERT ON kayit BEGIN "
    u"INSERT INTO find_changes (changed_no) VALUES (new.[No]); END"_qs,
    u"CREATE TRIGGER IF NOT EXISTS main.find_log_update AFTER UPDATE ON kayit BEGIN "
    u"INSERT INTO find_changes (changed_no) VALUES (old.[No]); "
    u"INSERT INTO find_changes (changed_no) VALUES (new.[No]); END"_qs,
    u"CREATE TRIGGER IF NOT EXISTS main.find_log_delete AFTER DELETE ON kayit BEGIN "
    u"INSERT INTO find_changes (changed_no) VALUES (old.[No]); END"_qs,
};

class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_statement; }
    sqlite3_stmt* handle() const { return m_statement; }
    /// True while it gives a row; `done` tells the end of the rows from a failure.
    bool next() { return m_statement && (m_code = sqlite3_step(m_statement)) == SQLITE_ROW; }
    bool done() const { return m_code == SQLITE_DONE; }
    void reset() { sqlite3_reset(m_statement); }
    void bind(int index, qint64 value) { sqlite3_bind_int64(m_statement, index, value); }
    bool isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
                                 sqlite3_column_bytes(m_statement, column));
    }

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_code = SQLITE_OK;
};

using sqliteexec::execute;
using sqliteexec::executeQuietly;

QString attachStatement(const QString& indexFile)
{
    return u"ATTACH '"_qs + QString(indexFile).replace(u'\'', u"''"_qs) + u"' AS "_qs + Schema;
}

/// find_fold(column, ...): the columns joined by line feeds, which no typed word holds, and folded as LIKE folds.
void foldFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    std::string joined;
    for (int i = 0; i < argc; ++i) {
        if (i > 0)
            joined += '\n';
        if (const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[i])))
            joined.append(text, size_t(sqlite3_value_bytes(argv[i])));
    }
    const std::string folded = foldedTurkish(joined);
    sqlite3_result_text(context, folded.data(), int(folded.size()), SQLITE_TRANSIENT);
}

void registerFold(sqlite3* db)
{
    sqlite3_create_function_v2(db, "find_fold", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction, nullptr,
                               nullptr, nullptr);
}

/// The indexed text of a contact and its company, and the rows from which they are read.
QString documentsStatement(const QString& where)
{
    QStringList columns;
    for (const ContactColumn& column : contactColumns())
        columns << u'[' + column.name + u']';
    return u"SELECT [No], find_fold("_qs + columns.join(u", "_qs) + u"), ["_qs + contact::Company +
           u"] FROM main.kayit WHERE "_qs + where;
}

using Value = std::unique_ptr<sqlite3_value, decltype(&sqlite3_value_free)>;

/// What one contact puts in the index: its folded text, and its company as stored (NULL, text or other) so that
/// find_order sorts it as the list sorts the contact table.
struct Document {
    qint64 no;
    std::string text;
    Value company;
};

Document documentOf(sqlite3_stmt* read)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(read, 1));
    return {sqlite3_column_int64(read, 0),
            text ? std::string(text, size_t(sqlite3_column_bytes(read, 1))) : std::string(),
            Value(sqlite3_value_dup(sqlite3_column_value(read, 2)), &sqlite3_value_free)};
}

/// The statements that add a contact to the index and take it out, prepared once for many contacts.
class Writer {
public:
    explicit Writer(sqlite3* db)
        : m_db(db)
        , m_text(prepare(u"INSERT INTO %1.find (rowid, doc) VALUES (?1, ?2)"_qs))
        , m_order(prepare(u"INSERT INTO %1.find_order (contact_no, company) VALUES (?1, ?2)"_qs))
        , m_removeText(prepare(u"DELETE FROM %1.find WHERE rowid = ?1"_qs))
        , m_removeOrder(prepare(u"DELETE FROM %1.find_order WHERE contact_no = ?1"_qs))
    {}
    ~Writer()
    {
        for (sqlite3_stmt* statement : {m_text, m_order, m_removeText, m_removeOrder})
            sqlite3_finalize(statement);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    bool add(const Document& document)
    {
        sqlite3_bind_int64(m_text, 1, document.no);
        sqlite3_bind_text(m_text, 2, document.text.data(), int(document.text.size()), SQLITE_STATIC);
        sqlite3_bind_int64(m_order, 1, document.no);
        // No copy of the company (out of memory) must not pass for a NULL one.
        return document.company && sqlite3_bind_value(m_order, 2, document.company.get()) == SQLITE_OK && run(m_text) &&
               run(m_order);
    }
    bool remove(qint64 no)
    {
        sqlite3_bind_int64(m_removeText, 1, no);
        sqlite3_bind_int64(m_removeOrder, 1, no);
        return run(m_removeText) && run(m_removeOrder);
    }

private:
    sqlite3_stmt* prepare(const QString& sql)
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db, sql.arg(Schema).toUtf8().constData(), -1, &statement, nullptr);
        return statement;
    }
    static bool run(sqlite3_stmt* statement)
    {
        const bool done = statement && sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_reset(statement);
        return done;
    }

    sqlite3* m_db;
    sqlite3_stmt* m_text;
    sqlite3_stmt* m_order;
    sqlite3_stmt* m_removeText;
    sqlite3_stmt* m_removeOrder;
};

struct State {
    bool triggers = false;
    QString contactId;
    qint64 contactGeneration = -1;
    int format = 0;
    QString indexId;
    qint64 indexGeneration = -2;
    bool complete = false;
    qint64 changes = 0;
};

/// What the contact file and the attached index say of each other.
State inspect(sqlite3* db)
{
    State state;
    Statement triggers(db, u"SELECT count(*) FROM main.sqlite_master WHERE type = 'trigger' AND "
                           u"name IN ('find_log_insert', 'find_log_update', 'find_log_delete')"_qs);
    state.triggers = triggers.next() && triggers.integer(0) == 3;
    Statement sync(db, u"SELECT index_id, generation FROM main.find_sync"_qs);
    if (sync.next()) {
        state.contactId = sync.text(0);
        state.contactGeneration = sync.integer(1);
    }
    Statement about(db, u"SELECT format, index_id, generation, complete FROM "_qs + Schema + u".find_about"_qs);
    if (about.next()) {
        state.format = int(about.integer(0));
        state.indexId = about.text(1);
        state.indexGeneration = about.integer(2);
        state.complete = about.integer(3) != 0;
    }
    Statement changes(db, u"SELECT count(*) FROM main.find_changes"_qs);
    if (changes.next())
        state.changes = changes.integer(0);
    return state;
}

Status statusOf(const State& state)
{
    if (!state.triggers || state.contactId.isEmpty() || state.format != FormatVersion ||
        state.indexId != state.contactId || state.indexGeneration != state.contactGeneration)
        return Status::Outdated;
    if (!state.complete)
        return Status::Unfinished;
    return state.changes > MostChangesApplied ? Status::Behind : Status::Current;
}

/// After a failure: a lock, a stop, a read-only or full disk pass; anything else means the index is not right.
Status statusAfterFailure(sqlite3* db)
{
    switch (sqlite3_errcode(db) & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_INTERRUPT:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return Status::Unavailable;
    default:
        return Status::Outdated;
    }
}

/// Re-indexes the contacts of the first `entries` of the log and drops those entries, in the transaction the caller
/// opened; the entries logged after them (a number may come again) are left for the next time.
bool applyChanges(sqlite3* db, qint64 entries, QString& error)
{
    std::vector<qint64> numbers;
    qint64 lastEntry = std::numeric_limits<qint64>::min();
    {
        Statement changed(db, u"SELECT rowid, changed_no FROM main.find_changes ORDER BY rowid LIMIT ?1"_qs);
        changed.bind(1, entries);
        while (changed.next()) {
            lastEntry = changed.integer(0);
            if (!changed.isNull(1))
                numbers.push_back(changed.integer(1));
        }
        if (!changed.done()) {
            error = QString::fromUtf8(sqlite3_errmsg(db));
            return false;
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    Statement read(db, documentsStatement(u"[No] = ?1"_qs));
    Writer writer(db);
    bool ok = read.isValid();
    for (auto no = numbers.begin(); ok && no != numbers.end(); ++no) {
        read.bind(1, *no);
        const bool exists = read.next();
        ok = writer.remove(*no) && (exists || read.done()) && (!exists || writer.add(documentOf(read.handle())));
        read.reset();
    }
    if (!ok) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        return false;
    }
    return execute(db,
                   u"DELETE FROM main.find_changes WHERE rowid <= %1; "
                   u"UPDATE main.find_sync SET generation = generation + 1; "
                   u"UPDATE %2.find_about SET generation = generation + 1"_qs.arg(lastEntry)
                       .arg(Schema),
                   error);
}

/// Only a record number that is the table's rowid keeps its value through a VACUUM, and FTS5 keys rows by rowid.
bool keyedByRecordNumber(sqlite3* db)
{
    Statement keys(db, u"SELECT name, type FROM pragma_table_info('kayit') WHERE pk > 0"_qs);
    if (!keys.next())
        return false;
    const bool integerKey = keys.text(0).compare(contact::RecordNumber, Qt::CaseInsensitive) == 0 &&
                            keys.text(1).compare(u"INTEGER"_qs, Qt::CaseInsensitive) == 0;
    return integerKey && !keys.next();
}

/// A new, empty index and a fresh log, in one transaction over both files.
bool startAfresh(sqlite3* db, const QString& indexFile, QString& error)
{
    for (const QString& suffix : {u""_qs, u"-journal"_qs, u"-wal"_qs, u"-shm"_qs})
        QFile::remove(indexFile + suffix);
    if (!execute(db, attachStatement(indexFile), error))
        return false;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QStringList statements{u"BEGIN IMMEDIATE"_qs};
    for (const QString& statement : LogStatements)
        statements << statement;
    statements << u"DELETE FROM main.find_changes"_qs << u"DELETE FROM main.find_sync"_qs
               << u"INSERT INTO main.find_sync VALUES ('%1', 0)"_qs.arg(id)
               // Folded already: the tokenizer's own folding would pair I with i.
               << u"CREATE VIRTUAL TABLE %1.find USING fts5(doc, tokenize = 'trigram case_sensitive 1')"_qs.arg(Schema)
               // The list's order of the contacts (company, then record number as a scan meets ties), for finds
               // the trigrams cannot narrow; the company is kept as stored, without a type to convert it.
               << u"CREATE TABLE %1.find_order (contact_no INTEGER PRIMARY KEY, company)"_qs.arg(Schema)
               << u"CREATE TABLE %1.find_about (format INTEGER, index_id TEXT, generation INTEGER, "
                  u"built_upto INTEGER, complete INTEGER)"_qs.arg(Schema)
               << u"INSERT INTO %1.find_about VALUES (%2, '%3', 0, NULL, 0)"_qs.arg(Schema).arg(FormatVersion).arg(id)
               << u"COMMIT"_qs;
    if (execute(db, statements.join(u"; "_qs), error))
        return true;
    executeQuietly(db, u"ROLLBACK"_qs);
    return false;
}

/// Indexes the next batch of contacts after the last one indexed; false when none is left or it failed.
bool indexNextBatch(sqlite3* db, bool& finished, QString& error)
{
    qint64 after = std::numeric_limits<qint64>::min();
    {
        Statement last(db, u"SELECT built_upto FROM "_qs + Schema + u".find_about"_qs);
        if (!last.next()) {
            error = QString::fromUtf8(sqlite3_errmsg(db));
            return false;
        }
        if (!last.isNull(0))
            after = last.integer(0);
    }
    // Read apart from the write, so the contact file is held for the reading only.
    std::vector<Document> documents;
    {
        Statement read(db, documentsStatement(u"[No] > ?1 ORDER BY [No] LIMIT "_qs + QString::number(BatchRows)));
        read.bind(1, after);
        while (read.next())
            documents.push_back(documentOf(read.handle()));
        if (!read.done()) {
            error = QString::fromUtf8(sqlite3_errmsg(db));
            return false;
        }
    }
    if (!execute(db, u"BEGIN"_qs, error))
        return false;
    bool ok = true;
    {
        Writer writer(db);
        for (auto document = documents.begin(); ok && document != documents.end(); ++document)
            ok = writer.add(*document);
    }
    finished = documents.empty();
    // find_order is sorted once, when the last batch is in: kept sorted, each batch would write pages all over it.
    const QString progress =
        finished ? u"CREATE INDEX %1.find_order_company ON find_order (company COLLATE %2); "
                   u"UPDATE %1.find_about SET complete = 1"_qs.arg(Schema, QString::fromLatin1(TurkishCollationName))
                 : u"UPDATE %1.find_about SET built_upto = %2"_qs.arg(Schema).arg(documents.back().no);
    if (!ok)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    if (ok && execute(db, progress + u"; COMMIT"_qs, error))
        return true;
    executeQuietly(db, u"ROLLBACK"_qs);
    return false;
}

} // namespace

QString indexFileFor(const QString& contactFile)
{
    const QFileInfo info(contactFile);
    return info.dir().filePath(info.completeBaseName() + u".find"_qs);
}

Status bringUpToDate(sqlite3* db, const QString& indexFile, QString& error)
{
    if (!QFileInfo(indexFile).isFile())
        return Status::Outdated;
    registerFold(db);
    if (!execute(db, attachStatement(indexFile), error))
        return statusAfterFailure(db);
    const State first = inspect(db);
    Status status = statusOf(first);
    if (status == Status::Current && first.changes > 0) {
        // Looked at again under the write lock: another program may have brought it up to date meanwhile.
        if (!execute(db, u"BEGIN IMMEDIATE"_qs, error)) {
            status = statusAfterFailure(db);
        } else {
            const State state = inspect(db);
            status = statusOf(state);
            const bool applied =
                status != Status::Current || state.changes == 0 || applyChanges(db, state.changes, error);
            if (!applied || !execute(db, u"COMMIT"_qs, error)) {
                status = statusAfterFailure(db);
                executeQuietly(db, u"ROLLBACK"_qs);
            }
        }
    }
    if (status != Status::Current)
        executeQuietly(db, u"DETACH "_qs + Schema);
    return status;
}

bool ordersMoreThan(sqlite3* db, qint64 contacts)
{
    Statement count(db, u"SELECT count(*) FROM (SELECT 1 FROM "_qs + Schema + u".find_order LIMIT ?1)"_qs);
    count.bind(1, contacts + 1);
    return count.next() && count.integer(0) > contacts;
}

bool build(const QString& contactFile, const std::atomic<bool>& stop, QString& error)
{
    sqlite3* db = nullptr;
    const ScopeExit close([&] { sqlite3_close(db); });
    // Allowed to create, for the index file it attaches; the contact file must be there already.
    if (!QFileInfo(contactFile).isFile()) {
        error = u"No contact file"_qs;
        return false;
    }
    if (sqlite3_open_v2(contactFile.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
        return false;
    }
    registerSqlExtensions(db);
    registerFold(db);
    sqlite3_busy_timeout(db, busyTimeout());
    if (!keyedByRecordNumber(db)) {
        error = u"The contact table has no integer record number to index by."_qs;
        return false;
    }
    const QString indexFile = indexFileFor(contactFile);
    bool resume = false;
    if (QFileInfo(indexFile).isFile() && execute(db, attachStatement(indexFile), error)) {
        Status status = statusOf(inspect(db));
        // Behind by many changes: applied in batches, each its own transaction over both files.
        while (status == Status::Behind && !stop) {
            const bool applied = execute(db, u"BEGIN IMMEDIATE"_qs, error) && applyChanges(db, BatchRows, error) &&
                                 execute(db, u"COMMIT"_qs, error);
            if (!applied) {
                executeQuietly(db, u"ROLLBACK"_qs);
                return false;
            }
            status = statusOf(inspect(db));
        }
        if (status == Status::Current || stop)
            return status == Status::Current;
        resume = status == Status::Unfinished;
        if (!resume)
            executeQuietly(db, u"DETACH "_qs + Schema);
    }
    if (!resume && !startAfresh(db, indexFile, error))
        return false;
    // A stop comes between batches or within one, which is then rolled back: what is committed stays consistent.
    sqlite3_progress_handler(
        db, 1000, [](void* stopped) { return int(static_cast<const std::atomic<bool>*>(stopped)->load()); },
        const_cast<std::atomic<bool>*>(&stop));
    bool finished = false;
    while (!stop && !finished) {
        if (!indexNextBatch(db, finished, error))
            return false;
    }
    if (stop)
        error.clear();
    return finished;
}

} // namespace corvella::store::findindex

namespace corvella::store {

struct FindIndexBuilder::Run {
    std::atomic<bool> stopped = false;
};

FindIndexBuilder::FindIndexBuilder(QObject* parent)
    : QObject(parent)
{}

FindIndexBuilder::~FindIndexBuilder()
{
    stop();
}

void FindIndexBuilder::stop()
{
    if (m_run)
        m_run->stopped = true;
    if (m_thread.joinable())
        m_thread.join();
    m_run.reset();
    m_building = false;
}

void FindIndexBuilder::start(const QString& contactFile)
{
    if (isBuilding(contactFile))
        return;
    stop();
    auto run = std::make_shared<Run>();
    m_run = run;
    m_file = contactFile;
    m_building = true;
    m_thread = std::thread([this, run, contactFile] {
        QString error;
        const bool built = findindex::build(contactFile, run->stopped, error);
        QMetaObject::invokeMethod(
            this,
            [this, run, contactFile, built, error] {
                if (m_run != run)
                    return;
                m_building = false;
                emit finished(contactFile, built, error);
            },
            Qt::QueuedConnection);
    });
}

} // namespace corvella::store
