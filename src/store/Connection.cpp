#include "Connection.h"

#include "ConnectionString.h"
#include "StatementCollation.h"
#include "TurkishCollation.h"
#include "core/Error.h"

#include <QAtomicInteger>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

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

} // namespace

QString engineMessage(const QSqlError& error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? u"Unknown database error"_qs : text;
}

void registerSqlExtensions(sqlite3* handle)
{
    // Only a name of our own: redefining NOCASE here would read an index that another tool built with the engine's
    // NOCASE in a different order, and corrupt it on the next write.
    sqlite3_create_collation_v2(handle, TurkishCollationName, SQLITE_UTF8, nullptr, turkishCollation, nullptr);
    sqlite3_create_function_v2(handle, "cdate", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, cdateFunction, nullptr,
                               nullptr, nullptr);
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

void execOrThrow(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw DatabaseError(engineMessage(query.lastError()));
}

QSqlQuery runQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(withTurkishComparisons(sql)))
        throw DatabaseError(engineMessage(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw DatabaseError(engineMessage(query.lastError()));
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
        throw DatabaseError(u"The connection string names no data source."_qs);
    if (!QFileInfo::exists(path))
        path.replace(u'\\', u'/');
    m_filePath = path;
    open(false);
}

Connection::Connection(const QString& filePath, bool create, int)
    : m_name(uniqueConnectionName())
    , m_filePath(filePath)
{
    open(create);
}

std::unique_ptr<Connection> Connection::openFile(const QString& filePath, bool create)
{
    return std::unique_ptr<Connection>(new Connection(filePath, create, 0));
}

void Connection::open(bool create)
{
    const QString shownPath = QDir::toNativeSeparators(m_filePath);
    if (!create && !QFileInfo(m_filePath).isFile())
        throw DatabaseError(u"Could not find file '%1'."_qs.arg(shownPath));

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, m_name);
    db.setDatabaseName(m_filePath);
    // A second instance's brief write lock is waited for rather than failed.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_qs);
    if (!db.open()) {
        const QString message = engineMessage(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DatabaseError(u"Cannot open the contact file '%1': %2"_qs.arg(shownPath, message));
    }
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        registerSqlExtensions(*static_cast<sqlite3* const*>(handle.constData()));

    QSqlQuery probe(db);
    if (!probe.exec(u"PRAGMA schema_version"_qs)) {
        const QString message = engineMessage(probe.lastError());
        probe = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DatabaseError(
            u"The file '%1' is not a Corvella contact file (an SQLite database): %2"_qs.arg(shownPath, message));
    }
    probe.exec(u"PRAGMA synchronous=FULL"_qs);
    // Query snapshots live in temporary tables; keep them on disk so a large result costs no memory.
    probe.exec(u"PRAGMA temp_store=FILE"_qs);
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
