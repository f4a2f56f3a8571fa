// Fills a contact file with made-up contacts, for demonstrations and for measuring the program on large files.

#include "ContactGenerator.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactSchema.h"
#include "store/ContactWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>

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

void run(const Options& options)
{
    QElapsedTimer timer;
    timer.start();
    const bool created = !QFileInfo::exists(options.file);
    if (created)
        store::createContactFile(options.file);

    auto connection = store::Connection::openFile(options.file, false);
    const QSqlDatabase db = connection->database();
    qint64 first = 0;
    {
        store::ContactWriter writer(db);
        first = writer.nextRecordNumber();
        demodata::ContactGenerator generator(options.seed);
        QVariantList values;
        QStringList texts;
        store::execOrThrow(db, u"BEGIN"_qs);
        OnFailure rollback([&db] { QSqlQuery(db).exec(u"ROLLBACK"_qs); });
        for (qint64 i = 0; i < options.rows; ++i) {
            generator.next(values);
            texts.resize(values.size());
            for (qsizetype v = 0; v < values.size(); ++v)
                texts[v] = values.at(v).isNull() ? QString() : values.at(v).toString();
            writer.insert(first + i, texts);
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
