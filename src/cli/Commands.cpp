#include "Commands.h"

#include "core/ScopeGuard.h"
#include "print/LabelLayout.h"
#include "print/PdfSurface.h"
#include "print/ReportLayout.h"
#include "print/SheetCatalogue.h"
#include "print/TRaporV2.h"
#include "print/Tgenel.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactCopy.h"
#include "store/ContactFile.h"
#include "store/ContactFileLock.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/ServerDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace corvella::cli {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

/// Runs `action` on the contact file; an engine error, which says what failed but not where, gets the file's
/// name in front.
template <class Action> auto onContactFile(const QString& contactFile, Action action)
{
    try {
        return action();
    } catch (const DatabaseError& error) {
        if (error.message().contains(shown(contactFile)))
            throw;
        throw DatabaseError(shown(contactFile) + u": "_qs + error.message());
    }
}

std::unique_ptr<store::Connection> openContactFile(const QString& path)
{
    auto connection = store::Connection::openFile(path, false);
    if (connection->isServer() && !store::server::hasContactTable(connection->database()))
        throw DatabaseError(QCoreApplication::translate("cli", "The database '%1' has no contact table %2: 'corvella "
                                                               "copy --to %1' fills an empty one from a contact file.")
                                .arg(path, store::tables::Contacts));
    if (!connection->database().tables().contains(store::tables::Contacts, Qt::CaseInsensitive))
        throw DatabaseError(
            QCoreApplication::translate("cli", "The file '%1' is not a Corvella contact file: it has no table %2.")
                .arg(shown(path), store::tables::Contacts));
    return connection;
}

bool stderrIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

/// A running count on standard error, a few times a second, only for a person watching a terminal: scripts and
/// tests see nothing. Clears its line when done.
class TerminalProgress {
public:
    explicit TerminalProgress(QString verb)
        : m_verb(std::move(verb))
    {
        m_sinceShown.start();
    }
    ~TerminalProgress()
    {
        if (m_shownAny)
            std::fputs("\r\033[K", stderr);
    }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    exchange::ImportProgress callback()
    {
        if (!stderrIsTerminal())
            return {};
        return [this](qint64 rows, double fraction) {
            if (m_sinceShown.elapsed() < 250)
                return true;
            m_sinceShown.restart();
            m_shownAny = true;
            QString text = u'\r' + QCoreApplication::translate("cli", "%1: %2 rows").arg(m_verb).arg(rows);
            if (fraction > 0)
                text += u" (%1 %)"_qs.arg(qRound(fraction * 100));
            std::fputs(text.toLocal8Bit().constData(), stderr);
            return true;
        };
    }

private:
    QString m_verb;
    QElapsedTimer m_sinceShown;
    bool m_shownAny = false;
};

/// Writes what `sql` selects to the output file, or standard output. A file is written beside its place and
/// renamed over it only when complete, so a failure leaves any earlier file as it was.
void writeContacts(const QSqlDatabase& db, const QString& sql, const OutputOptions& output)
{
    TerminalProgress progress(QCoreApplication::translate("cli", "Writing"));
    const auto write = [&](QIODevice& device, const QString& name) {
        if (output.format == FileFormat::VCard)
            exchange::exportVCards(db, sql, device, name, progress.callback());
        else
            exchange::exportCsv(db, sql, device, name, output.byteOrderMark, progress.callback());
    };
    if (output.outFile.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            throw Error(
                QCoreApplication::translate("cli", "Cannot write to standard output: %1").arg(out.errorString()));
        write(out, QCoreApplication::translate("cli", "standard output"));
        if (!out.flush())
            throw Error(
                QCoreApplication::translate("cli", "Cannot write to standard output: %1").arg(out.errorString()));
        return;
    }
    QSaveFile file(output.outFile);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(
            QCoreApplication::translate("cli", "Cannot write '%1': %2").arg(shown(output.outFile), file.errorString()));
    write(file, output.outFile);
    if (!file.commit())
        throw Error(
            QCoreApplication::translate("cli", "Cannot write '%1': %2").arg(shown(output.outFile), file.errorString()));
}

QString unrecognisedColumnsMessage(const QString& fileName, const QStringList& heading)
{
    QStringList quoted;
    for (const QString& column : heading)
        quoted << u'"' + column + u'"';
    const QString example = heading.isEmpty() ? u"Name"_qs : heading.first();
    return QCoreApplication::translate(
               "cli", "The columns of '%1' are not recognised: %2. Map them with --map FIELD=HEADING, e.g. --map "
                      "name=\"%3\" (corvella import --help lists the fields).")
        .arg(shown(fileName), quoted.join(u", "_qs), example);
}

std::unique_ptr<exchange::ContactSource> contactSource(QFile& input, const ImportOptions& options)
{
    if (options.format == FileFormat::VCard)
        return std::make_unique<exchange::VCardContactSource>(input, options.inputFile);
    auto csv = std::make_unique<exchange::CsvContactSource>(input, options.inputFile);
    if (!options.headingOf.isEmpty()) {
        try {
            csv->setColumnMap(exchange::columnMapFromChoices(csv->heading(), options.headingOf));
        } catch (const Error& error) {
            throw Error(shown(options.inputFile) + u": "_qs + error.message());
        }
    } else if (csv->columnMap().layout == exchange::CsvLayout::Unknown) {
        throw Error(unrecognisedColumnsMessage(options.inputFile, csv->heading()));
    }
    return csv;
}

/// The statement of a search, listing `listed` (every column when it is "*"), sorted by `orderColumn`.
QString searchSql(const CriterionRows& rows, const QStringList& listed, const QString& orderColumn)
{
    search::SearchConfiguration configuration;
    configuration.table = store::tables::Contacts;
    for (qsizetype i = 0; i < listed.size(); ++i)
        configuration.listedColumns[size_t(i)] = listed.at(i);
    configuration.fieldCount = int(listed.size());
    configuration.returnCode = u"1"_qs; // the list's own search: the record number comes first
    configuration.orderColumn = orderColumn;
    configuration.orderFlag = search::SortedOrderFlag;
    return search::buildSearchSql(configuration, rows).join(u'\n');
}

/// The print settings row of the contact file; an absent row reads as empty, as in the windows.
print::SettingsReader storedSettings(const QSqlDatabase& db)
{
    // On a server each user has a row of their own, made from the shared one when first needed.
    if (store::server::isServer(db))
        store::server::ensureOwnSettings(db);
    QSqlQuery query = store::runQuery(db, u"select * from "_qs + store::quotedIdentifier(store::tables::Settings));
    const QSqlRecord row = query.next() ? query.record() : QSqlRecord();
    return [row](const QString& column) {
        const int index = row.indexOf(column);
        return index < 0 ? QVariant() : row.value(index);
    };
}

/// A PDF printer whose file takes the place of `pdfFile` only when the job completed.
class PdfJob {
public:
    PdfJob(const QString& pdfFile, const QPageSize& pageSize)
        : m_target(pdfFile)
        , m_partial(pdfFile + u".part"_qs)
        , m_printer(std::make_unique<print::PdfSurface>(m_partial, 1200,
                                                        print::edgeToEdge(pageSize, print::Orientation::Portrait)))
    {}
    ~PdfJob() { QFile::remove(m_partial); }
    PdfJob(const PdfJob&) = delete;
    PdfJob& operator=(const PdfJob&) = delete;

    print::Tgenel& printer() { return m_printer; }

    void commit()
    {
        QFile::remove(m_target);
        if (!QFile::rename(m_partial, m_target))
            throw Error(QCoreApplication::translate("cli", "Cannot write '%1'.").arg(shown(m_target)));
        printOut(QCoreApplication::translate("cli", "Written to %1\n").arg(shown(m_target)));
    }

private:
    QString m_target;
    QString m_partial;
    print::Tgenel m_printer;
};

QPageSize pageOf(const print::LabelSheet& sheet)
{
    if (sheet.pageWidthMm <= 0 || sheet.pageHeightMm <= 0)
        return QPageSize(QPageSize::A4);
    return QPageSize(QSizeF(sheet.pageWidthMm, sheet.pageHeightMm), QPageSize::Millimeter);
}

/// The report's rows: the listed columns after the record number.
class QueryRows : public print::ReportRows {
public:
    explicit QueryRows(store::QueryDataSet& query)
        : m_query(query)
    {}
    qint64 count() const override { return m_query.recordCount(); }
    void first() override { m_query.first(); }
    void next() override { m_query.next(); }
    QVariant value(int column) const override { return m_query.value(column + 1); }

private:
    store::QueryDataSet& m_query;
};

QString connectionStringOf(const QString& contactFile)
{
    if (store::server::isAddress(contactFile))
        return store::MakeConnectionString(QString(), contactFile);
    return store::MakeConnectionString(QString(), QFileInfo(contactFile).absoluteFilePath());
}

} // namespace

void runCopy(const QString& contactFile, const QString& destination)
{
    if (!store::server::isAddress(destination) && !QFileInfo::exists(destination))
        store::createContactFile(destination);
    const qint64 copied = store::copyContacts(connectionStringOf(contactFile), connectionStringOf(destination));
    printOut(QCoreApplication::translate("cli", "Contacts copied: %1.").arg(copied) + u'\n');
}

FileFormat formatOfFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == u"vcf"_qs || suffix == u"vcard"_qs ? FileFormat::VCard : FileFormat::Csv;
}

void runImport(const QString& contactFile, const ImportOptions& options)
{
    if (store::server::isAddress(contactFile))
        throw Error(QCoreApplication::translate("cli", "corvella import writes into a contact file, not into the "
                                                       "database '%1': import into a new contact file, then 'corvella "
                                                       "--file FILE copy --to %1'.")
                        .arg(contactFile));
    const auto connection = openContactFile(contactFile);
    // Corvella numbers new records as the import does: the two at once would give out the same numbers.
    store::ContactFileLock lock(contactFile);
    if (lock.tryLock() == store::ContactFileLock::Outcome::HeldByOther)
        throw Error(
            lock.heldMessage() +
            QCoreApplication::translate("cli", " Close it there, then import again; the contact file is unchanged."));
    QFile input(options.inputFile);
    if (!input.open(QIODevice::ReadOnly))
        throw Error(QCoreApplication::translate("cli", "Cannot open '%1': %2")
                        .arg(shown(options.inputFile), input.errorString()));
    const auto source = contactSource(input, options);
    TerminalProgress progress(QCoreApplication::translate("cli", "Importing"));
    const exchange::ImportReport report = onContactFile(contactFile, [&] {
        return exchange::importContacts(connection->database(), *source, options.policy, progress.callback());
    });
    printOut(report.summary() + u'\n');
    for (const QString& line : report.details())
        printOut(line + u'\n');
}

void runExport(const QString& contactFile, const OutputOptions& output)
{
    const auto connection = openContactFile(contactFile);
    onContactFile(contactFile, [&] { writeContacts(connection->database(), exchange::allContactsSql(), output); });
}

void runCount(const QString& contactFile)
{
    const auto connection = openContactFile(contactFile);
    const qint64 count = onContactFile(contactFile, [&] {
        QSqlQuery query = store::runQuery(connection->database(), u"select count(*) from "_qs +
                                                                      store::quotedIdentifier(store::tables::Contacts));
        return query.next() ? query.value(0).toLongLong() : 0;
    });
    printOut(QString::number(count) + u'\n');
}

void runSearch(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const OutputOptions& output)
{
    search::SearchConfiguration configuration;
    configuration.table = store::tables::Contacts;
    configuration.listedColumns[0] = u"*"_qs;
    configuration.orderColumn = orderColumn;
    configuration.orderFlag = search::SortedOrderFlag;
    const QString sql = search::buildSearchSql(configuration, rows).join(u'\n');

    const auto connection = openContactFile(contactFile);
    onContactFile(contactFile, [&] { writeContacts(connection->database(), sql, output); });
}

void runLabels(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const PrintOptions& options)
{
    const auto connection = openContactFile(contactFile);
    const print::SettingsReader settings =
        onContactFile(contactFile, [&] { return storedSettings(connection->database()); });
    // Every check comes before the PDF job: a bad sheet, first label or setting leaves no file behind.
    print::LabelSheet sheet;
    if (options.sheet.isEmpty())
        sheet = print::labelSheetFromSettings(settings);
    else
        sheet = print::labelSheetOf(print::SheetCatalogue::load().require(options.sheet));
    print::requireFirstLabel(print::requireLabelGrid(sheet), options.firstLabel);
    const print::LabelElements elements = print::labelElementsFromSettings(
        settings, print::LabelNameChoice::ContactPerson, print::LabelCompanyChoice::Print);

    PdfJob job(options.pdfFile, pageOf(sheet));
    print::TRaporV2 engine;
    engine.setConnectionString(connectionStringOf(contactFile));
    engine.setSheet(sheet);
    engine.setFirstLabel(options.firstLabel);
    for (const print::LabelElement& e : elements.fields)
        engine.AddFieldElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
    for (const print::LabelElement& e : elements.texts)
        engine.AddTextElement(e.xMm, e.yMm, e.text, e.fontName, e.fontSize, e.colour);
    engine.setSql(searchSql(rows, {u"*"_qs}, orderColumn).split(u'\n'));
    engine.setPrinter(&job.printer());
    onContactFile(contactFile, [&] { engine.PrintLabels(); });
    job.commit();
}

void runReport(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const PrintOptions& options)
{
    const auto connection = openContactFile(contactFile);
    const print::SettingsReader settings =
        onContactFile(contactFile, [&] { return storedSettings(connection->database()); });
    print::ReportInput input = print::reportSettingsFromSettings(settings);
    input.title = options.title.isEmpty() ? QCoreApplication::translate("cli", "List/Report") : options.title;

    namespace contact = store::contact;
    // The columns of the main window's list, as its report prints them.
    const QStringList listed = {contact::Company,  contact::Sector, contact::SubSector, contact::FirstName,
                                contact::LastName, contact::City,   u"e-mail"_qs};
    store::QueryDataSet query;
    query.setConnectionString(connectionStringOf(contactFile));
    query.setSql(searchSql(rows, listed, orderColumn).split(u'\n'));
    onContactFile(contactFile, [&] { query.open(); });
    for (int field = 1; field < query.fieldCount(); ++field) {
        const store::FieldDef& def = query.fieldDef(field);
        input.columns << print::ReportColumn{def.name, def.kind, def.size};
    }
    QueryRows reportRows(query);
    PdfJob job(options.pdfFile, QPageSize(QPageSize::A4));
    onContactFile(contactFile, [&] { print::printReport(job.printer(), input, reportRows); });
    job.commit();
}

void runBackup(const QString& contactFile, const QString& destination)
{
    onContactFile(contactFile, [&] { store::backupContactFile(contactFile, destination); });
}

void installPasswordPrompt()
{
    store::server::setPasswordPrompt([](const QString& address) -> std::optional<QString> {
        // Only a person at a terminal can answer; a script gets the server's refusal instead.
        if (isatty(STDIN_FILENO) != 1)
            return std::nullopt;
        const QByteArray prompt = QCoreApplication::translate("cli", "Password for %1: ").arg(address).toLocal8Bit();
        std::fwrite(prompt.constData(), 1, size_t(prompt.size()), stderr);
        termios shown{};
        const bool quiet = tcgetattr(STDIN_FILENO, &shown) == 0;
        if (quiet) {
            termios hidden = shown;
            hidden.c_lflag &= ~tcflag_t(ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
        }
        std::string line;
        const bool read = bool(std::getline(std::cin, line));
        if (quiet)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
        std::fputc('\n', stderr);
        if (!read)
            return std::nullopt;
        return QString::fromLocal8Bit(line);
    });
}

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void printError(const QString& message)
{
    const QByteArray bytes = (u"corvella: "_qs + message + u'\n').toUtf8();
    std::fflush(stdout);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

} // namespace corvella::cli
