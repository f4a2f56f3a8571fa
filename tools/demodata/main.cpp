// Fills a contact file with made-up contacts, for demonstrations and for measuring the program on large files.

#include "ContactGenerator.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactSchema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace corvella;

struct Options {
    QString file;
    qint64 rows = 300;
    quint64 seed = 1;
};

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& message)
{
    std::fprintf(stderr, "%s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    std::exit(2);
}

Options parseArguments(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Appends made-up contacts to a Corvella contact file, creating the file "
                                     u"when it does not exist."_qs);
    parser.addHelpOption();
    const QCommandLineOption rowsOption(u"rows"_qs, u"Number of contacts to append (default 300)."_qs, u"N"_qs);
    const QCommandLineOption seedOption(u"seed"_qs,
                                        u"Seed of the generator; the same seed gives the same "
                                        u"contacts (default 1)."_qs,
                                        u"S"_qs);
    parser.addOption(rowsOption);
    parser.addOption(seedOption);
    parser.addPositionalArgument(u"FILE"_qs, u"The contact file."_qs);
    parser.process(application);

    Options options;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        usageError(parser, u"Give exactly one contact file."_qs);
    options.file = files.first();
    bool ok = true;
    if (parser.isSet(rowsOption)) {
        options.rows = parser.value(rowsOption).toLongLong(&ok);
        if (!ok || options.rows < 0)
            usageError(parser, u"--rows needs a whole number of 0 or more."_qs);
    }
    if (parser.isSet(seedOption)) {
        options.seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok)
            usageError(parser, u"--seed needs a non-negative whole number."_qs);
    }
    return options;
}

// The raw statement skips the per-value bookkeeping of QSqlQuery, which takes more time than the engine itself
// when a million rows go in.
class Inserter {
public:
    explicit Inserter(const QSqlDatabase& db)
    {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            throw DatabaseError(u"The contact file is not open through SQLite."_qs);
        m_db = *static_cast<sqlite3* const*>(handle.constData());
        QByteArray sql =
            "INSERT INTO " + store::tables::Contacts.toUtf8() + " ([" + store::contact::RecordNumber.toUtf8() + ']';
        QByteArray marks = "?";
        for (const store::ContactColumn& column : store::contactColumns()) {
            sql += ", [" + column.name.toUtf8() + ']';
            marks += ", ?";
        }
        sql += ") VALUES (" + marks + ')';
        check(sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_statement, nullptr));
    }
    ~Inserter() { sqlite3_finalize(m_statement); }
    Inserter(const Inserter&) = delete;
    Inserter& operator=(const Inserter&) = delete;

    void insert(qint64 number, const QVariantList& values)
    {
        check(sqlite3_bind_int64(m_statement, 1, number));
        for (qsizetype i = 0; i < values.size(); ++i) {
            const QVariant& value = values.at(i);
            const int index = int(i) + 2;
            if (value.typeId() == QMetaType::QString) {
                // The text stays alive until the step below, so the engine need not copy it.
                const auto* text = static_cast<const QString*>(value.constData());
                check(sqlite3_bind_text16(m_statement, index, text->utf16(), int(text->size() * 2), SQLITE_STATIC));
            } else {
                check(sqlite3_bind_null(m_statement, index));
            }
        }
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_reset(m_statement);
    }

private:
    void check(int result) const
    {
        if (result != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    }

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

qint64 firstFreeNumber(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT max(["_qs + store::contact::RecordNumber + u"]) FROM "_qs + store::tables::Contacts) ||
        !query.next())
        throw DatabaseError(store::engineMessage(query.lastError()));
    // Numbering of a new file starts at 11, as the program's own does.
    return query.value(0).isNull() ? 11 : query.value(0).toLongLong() + 1;
}

void run(const Options& options)
{
    QElapsedTimer timer;
    timer.start();
    const bool created = !QFileInfo::exists(options.file);
    if (created)
        store::createContactFile(options.file);

    auto connection = store::Connection::openFile(options.file, false);
    const QSqlDatabase db = connection->database();
    const qint64 first = firstFreeNumber(db);
    {
        Inserter inserter(db);
        demodata::ContactGenerator generator(options.seed);
        QVariantList values;
        store::execOrThrow(db, u"BEGIN"_qs);
        OnFailure rollback([&db] { QSqlQuery(db).exec(u"ROLLBACK"_qs); });
        for (qint64 i = 0; i < options.rows; ++i) {
            generator.next(values);
            inserter.insert(first + i, values);
        }
        store::execOrThrow(db, u"COMMIT"_qs);
    }

    const QString range = options.rows > 0 ? u" (No %1-%2)"_qs.arg(first).arg(first + options.rows - 1) : QString();
    std::printf("%s: %s, %lld contacts added%s, seed %llu, %.1f s\n", qPrintable(options.file),
                created ? "created" : "existing file", static_cast<long long>(options.rows), qPrintable(range),
                static_cast<unsigned long long>(options.seed), double(timer.elapsed()) / 1000.0);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"corvella-demodata"_qs);
    const Options options = parseArguments(application);
    try {
        run(options);
    } catch (const corvella::Error& error) {
        std::fprintf(stderr, "corvella-demodata: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
