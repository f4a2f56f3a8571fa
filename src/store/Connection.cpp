#include "Connection.h"

#include "ConnectionString.h"
#include "ServerDatabase.h"
#include "StatementCollation.h"
#include "TurkishCollation.h"
#include "TurkishLike.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QAtomicInteger>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <QCoreApplication>
#include <sqlite3.h>

namespace corvella::store {

namespace {

QString uniqueConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return u"corvella-"_qs + QString::number(++counter);
}

int turkishCollation(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return compareTurkish(std::string_view(static_cast<const char*>(a), size_t(lengthA)),
                          std::string_view(static_cast<const char*>(b), size_t(lengthB)));
}

void cdateFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QString iso = cdate(QString::fromUtf8(text, sqlite3_value_bytes(argv[0])));
    if (iso.isNull()) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray utf8 = iso.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

BusyHandler& busyHandler()
{
    static BusyHandler handler;
    return handler;
}

int& busyTimeoutSetting()
{
    static int milliseconds = 5000;
    return milliseconds;
}

/// The engine's result code without its extended part (SQLITE_IOERR for every kind of I/O error).
int primaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString inUseMessage(const QString& filePath, const QString& engine)
{
    return QCoreApplication::translate("store", "The contact file '%1' is in use by another program (%2).")
        .arg(QDir::toNativeSeparators(filePath), engine);
}

/// After a statement failed: true when it met another program's lock and the user wants to wait for it again.
bool retryWhenBusy(const QSqlDatabase& db, const QSqlError& error)
{
    // A server waits for its own locks.
    if (server::isServer(db) || primaryCode(error) != SQLITE_BUSY || !busyHandler())
        return false;
    if (busyHandler()(db.databaseName()))
        return true;
    throw CancelledError(inUseMessage(db.databaseName(), engineMessage(error)));
}

} // namespace

void setBusyHandler(BusyHandler handler)
{
    busyHandler() = std::move(handler);
}

void setBusyTimeout(int milliseconds)
{
    busyTimeoutSetting() = milliseconds;
}

int busyTimeout()
{
    return busyTimeoutSetting();
}

QString engineMessage(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QCoreApplication::translate("store", "Unknown database error") : text;
}

void registerSqlExtensions(sqlite3* handle)
{
    // Only a name of our own: redefining NOCASE here would read an index that another tool built with the engine's
    // NOCASE in a different order, and corrupt it on the next write.
    sqlite3_create_collation_v2(handle, TurkishCollationName, SQLITE_UTF8, nullptr, turkishCollation, nullptr);
    sqlite3_create_function_v2(handle, "cdate", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, cdateFunction, nullptr,
                               nullptr, nullptr);
    // A server's ILIKE under the Turkish collation matches the same way.
    registerTurkishLike(handle);
}

QString cdate(const QString& input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return {};
    const QLocale locale;
    const QString dateFormats[] = {
        u"yyyy-MM-dd"_qs,
        locale.dateFormat(QLocale::ShortFormat),
        locale.dateFormat(QLocale::LongFormat),
        u"d.M.yyyy"_qs,
        u"d/M/yyyy"_qs,
        u"d-M-yyyy"_qs,
    };
    const QString timeFormats[] = {u""_qs, u" H:mm"_qs, u" H:mm:ss"_qs, u"THH:mm:ss"_qs};
    for (const QString& dateFormat : dateFormats) {
        for (const QString& timeFormat : timeFormats) {
            const QString format = dateFormat + timeFormat;
            // Two-digit years: 00-29 are this century, 30-99 the last, as dates are usually typed.
            const bool shortYear = !dateFormat.contains(u"yyyy"_qs) && dateFormat.contains(u"yy"_qs);
            auto fixCentury = [&](QDate date) { return shortYear && date.year() < 1930 ? date.addYears(100) : date; };
            if (timeFormat.isEmpty()) {
                const QDate date = locale.toDate(text, format);
                if (date.isValid())
                    return fixCentury(date).toString(Qt::ISODate);
            } else {
                const QDateTime stamp = locale.toDateTime(text, format);
                if (stamp.isValid())
                    return QDateTime(fixCentury(stamp.date()), stamp.time()).toString(u"yyyy-MM-dd HH:mm:ss"_qs);
            }
        }
    }
    return {};
}

void throwEngineError(const QString& filePath, int code, const QString& engine)
{
    const QString file = QDir::toNativeSeparators(filePath);
    switch (code & 0xff) {
    case SQLITE_BUSY:
        throw FileInUseError(inUseMessage(filePath, engine));
    case SQLITE_FULL:
        throw DatabaseError(
            QCoreApplication::translate("store", "Cannot write to the contact file '%1': the disk is full (%2).")
                .arg(file, engine));
    case SQLITE_READONLY:
    case SQLITE_PERM:
        throw DatabaseError(
            QCoreApplication::translate(
                "store",
                "Cannot write to the contact file '%1': there is no permission to change it or its folder (%2).")
                .arg(file, engine));
    case SQLITE_CANTOPEN:
        throw DatabaseError(
            QCoreApplication::translate("store",
                                        "Cannot open the contact file '%1' or the journal SQLite keeps beside it (%2).")
                .arg(file, engine));
    case SQLITE_IOERR:
        throw DatabaseError(QCoreApplication::translate(
                                "store", "Cannot read or write the contact file '%1': the disk reported an error (%2).")
                                .arg(file, engine));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        throw DatabaseError(
            QCoreApplication::translate("store", "The contact file '%1' is damaged (%2).").arg(file, engine));
    case SQLITE_CONSTRAINT:
        if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE)
            throw KeyClashError(engine);
        break;
    default:
        break;
    }
    throw DatabaseError(engine);
}

void throwStatementError(const QSqlDatabase& db, const QSqlError& error)
{
    if (server::isServer(db))
        server::throwError(error);
    throwEngineError(db.databaseName(), error.nativeErrorCode().toInt(), engineMessage(error));
}

void execOrThrow(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    const QString statement = server::isServer(db) ? server::toServerStatement(sql) : sql;
    while (!query.exec(statement)) {
        if (!retryWhenBusy(db, query.lastError()))
            throwStatementError(db, query.lastError());
    }
}

QSqlQuery runQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (values.isEmpty() && server::isServer(db)) {
        // The server prepares queries and changes of rows only, not CREATE TABLE ... AS.
        if (!query.exec(server::toServerStatement(sql)))
            server::throwError(query.lastError());
        return query;
    }
    // Preparing reads the schema, so it can meet a lock as well.
    const QString statement = server::isServer(db) ? server::toServerStatement(sql) : withTurkishComparisons(sql);
    while (!query.prepare(statement)) {
        if (!retryWhenBusy(db, query.lastError()))
            throwStatementError(db, query.lastError());
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    while (!query.exec()) {
        if (!retryWhenBusy(db, query.lastError()))
            throwStatementError(db, query.lastError());
    }
    return query;
}

QString quotedIdentifier(const QString& identifier)
{
    QString text = identifier;
    text.replace(u'"', u"\"\""_qs);
    return u'"' + text + u'"';
}

Connection::Connection(const QString& connectionString)
    : m_name(uniqueConnectionName())
{
    QString path = dataSourceOf(connectionString);
    if (path.isEmpty())
        throw DatabaseError(QCoreApplication::translate("store", "The connection string names no data source."));
    if (!QFileInfo::exists(path) && !server::isAddress(path))
        path.replace(u'\\', u'/');
    m_filePath = path;
    if (server::isAddress(path))
        openServer();
    else
        open(false);
}

void Connection::openServer()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_qs, m_name);
    OnFailure removeAgain([&] {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    });
    server::open(db, m_filePath);
}

bool Connection::isServer() const
{
    return server::isServer(database());
}

Connection::Connection(const QString& filePath, bool create, int)
    : m_name(uniqueConnectionName())
    , m_filePath(filePath)
{
    open(create);
}

std::unique_ptr<Connection> Connection::openFile(const QString& filePath, bool create)
{
    if (server::isAddress(filePath))
        return std::make_unique<Connection>(MakeConnectionString(QString(), filePath));
    return std::unique_ptr<Connection>(new Connection(filePath, create, 0));
}

void Connection::open(bool create)
{
    const QString shownPath = QDir::toNativeSeparators(m_filePath);
    if (!create && !QFileInfo(m_filePath).isFile())
        throw DatabaseError(QCoreApplication::translate("store", "Could not find file '%1'.").arg(shownPath));

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, m_name);
    OnFailure removeAgain([&] {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    });
    db.setDatabaseName(m_filePath);
    // Another program's brief write lock is waited for rather than failed.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_qs.arg(busyTimeout()));
    openEngine(db);
}

void Connection::openEngine(QSqlDatabase& db)
{
    const QString shownPath = QDir::toNativeSeparators(m_filePath);
    if (!db.open())
        throw DatabaseError(QCoreApplication::translate("store", "Cannot open the contact file '%1': %2")
                                .arg(shownPath, engineMessage(db.lastError())));
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        sqlite3* engine = *static_cast<sqlite3* const*>(handle.constData());
        registerSqlExtensions(engine);
        // Tells a clash of keys and the kinds of I/O error apart.
        sqlite3_extended_result_codes(engine, 1);
    }

    // The first read of the file: a file locked by another program is in use, not foreign.
    QSqlQuery probe(db);
    while (!probe.exec(u"PRAGMA schema_version"_qs)) {
        const QSqlError error = probe.lastError();
        if (retryWhenBusy(db, error))
            continue;
        if (primaryCode(error) == SQLITE_NOTADB)
            throw DatabaseError(QCoreApplication::translate(
                                    "store", "The file '%1' is not a Corvella contact file (an SQLite database): %2")
                                    .arg(shownPath, engineMessage(error)));
        throwStatementError(db, error);
    }
    probe.exec(u"PRAGMA synchronous=FULL"_qs);
    // Query snapshots live in temporary tables; keep them on disk so a large result costs no memory.
    probe.exec(u"PRAGMA temp_store=FILE"_qs);
}

void Connection::reopenIfReadOnly()
{
    QSqlDatabase db = database();
    if (isServer())
        return;
    if (db.isOpen()) {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return;
        if (sqlite3_db_readonly(*static_cast<sqlite3* const*>(handle.constData()), "main") != 1)
            return;
        db.close();
    }
    openEngine(db);
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

} // namespace corvella::store
