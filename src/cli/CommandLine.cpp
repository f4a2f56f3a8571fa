#include "CommandLine.h"

#include "Commands.h"
#include "ContactFields.h"
#include "store/Columns.h"
#include "store/ConnectionString.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace corvella::cli {

namespace {

using search::CriterionRowCount;

const QString FileOptionName = u"file"_qs;
const QString DatabaseOptionName = u"database"_qs;
const QString HelpOptionName = u"help"_qs;

/// The contact file, or the database the settings file names; throws when that file is not usable.
QString defaultContactFile()
{
    return store::dataSourceOf(store::ContactConnectionString());
}

/// The same for the help, which a broken settings file must not stop: the file names itself there.
QString shownDefault()
{
    try {
        return defaultContactFile();
    } catch (const Error&) {
        return store::dataFolder() + QString::fromLatin1(store::DatabaseSettingsName);
    }
}

QCommandLineOption fileOption()
{
    return {FileOptionName,
            QCoreApplication::translate("cli", "The contact file, or a postgresql://user@host:port/dbname database "
                                               "(default: %1).")
                .arg(shownDefault()),
            u"PATH"_qs};
}

/// Another name of --file, for a server database; the help shows --file only.
QCommandLineOption databaseOption()
{
    QCommandLineOption option(DatabaseOptionName, QString(), u"ADDRESS"_qs);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

QCommandLineOption helpOption()
{
    return {{u"h"_qs, HelpOptionName}, QCoreApplication::translate("cli", "Show this help.")};
}

struct Command {
    QString name;
    QString synopsis;
    QString summary;
    void (*addOptions)(QCommandLineParser& parser);
    void (*run)(const QCommandLineParser& parser, const QString& contactFile);
    QString (*moreHelp)();
};

FileFormat formatOption(const QCommandLineParser& parser, FileFormat fallback)
{
    if (!parser.isSet(u"format"_qs))
        return fallback;
    const QString value = parser.value(u"format"_qs).toLower();
    if (value == u"csv"_qs)
        return FileFormat::Csv;
    if (value == u"vcard"_qs)
        return FileFormat::VCard;
    throw UsageError(
        QCoreApplication::translate("cli", "--format: '%1' is neither csv nor vcard").arg(parser.value(u"format"_qs)));
}

void expectArguments(const QCommandLineParser& parser, qsizetype count, const QString& missing = {})
{
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > count)
        throw UsageError(QCoreApplication::translate("cli", "unexpected argument '%1'").arg(arguments.at(count)));
    if (arguments.size() < count)
        throw UsageError(missing + QCoreApplication::translate("cli", " is missing"));
}

QString fieldTable()
{
    QString text =
        QCoreApplication::translate("cli", "\nFields (FIELD may also be the column's own name, e.g. \"Firma Adi\"):\n");
    for (const ContactField& field : contactFields())
        text += u"  "_qs + field.name.leftJustified(20) + field.column + u'\n';
    return text;
}

QString exitStatusHelp()
{
    return QCoreApplication::translate(
        "cli", "\nExit status: 0 done, 1 failed (the message names the file), 2 wrong usage.\n");
}

// import

void addImportOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument(u"FILE"_qs, QCoreApplication::translate("cli", "The CSV or vCard file to import."));
    parser.addOption(
        {u"format"_qs,
         QCoreApplication::translate("cli", "The file's format (default: vcard for .vcf and .vcard, csv otherwise)."),
         u"csv|vcard"_qs});
    parser.addOption(
        {u"on-duplicate"_qs,
         QCoreApplication::translate(
             "cli", "A contact whose e-mail, or name, surname and company, is already in the file is skipped, "
                    "updated with the file's non-empty values, or added anyway (default: skip)."),
         u"skip|update|add"_qs});
    parser.addOption(
        {u"map"_qs,
         QCoreApplication::translate(
             "cli", "Fill FIELD from the CSV column headed HEADING; once per field. With any --map only the "
                    "mapped columns are imported."),
         u"FIELD=HEADING"_qs});
}

exchange::DuplicatePolicy duplicatePolicy(const QCommandLineParser& parser)
{
    const QString value = parser.value(u"on-duplicate"_qs).toLower();
    if (value.isEmpty() || value == u"skip"_qs)
        return exchange::DuplicatePolicy::Skip;
    if (value == u"update"_qs)
        return exchange::DuplicatePolicy::Update;
    if (value == u"add"_qs)
        return exchange::DuplicatePolicy::Add;
    throw UsageError(QCoreApplication::translate("cli", "--on-duplicate: '%1' is not skip, update or add")
                         .arg(parser.value(u"on-duplicate"_qs)));
}

QHash<QString, QString> columnChoices(const QStringList& maps)
{
    QHash<QString, QString> headingOf;
    for (const QString& map : maps) {
        const qsizetype equals = map.indexOf(u'=');
        if (equals <= 0 || equals == map.size() - 1)
            throw UsageError(QCoreApplication::translate("cli", "--map: '%1' is not FIELD=HEADING").arg(map));
        const QString column = columnOfField(map.left(equals));
        if (column.isEmpty())
            throw UsageError(
                QCoreApplication::translate("cli", "--map: no field is called '%1'").arg(map.left(equals)));
        if (headingOf.contains(column))
            throw UsageError(QCoreApplication::translate("cli", "--map: %1 is mapped twice").arg(column));
        headingOf.insert(column, map.mid(equals + 1));
    }
    return headingOf;
}

void importCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 1, QCoreApplication::translate("cli", "a FILE to import"));
    ImportOptions options;
    options.inputFile = parser.positionalArguments().first();
    options.format = formatOption(parser, formatOfFileName(options.inputFile));
    options.policy = duplicatePolicy(parser);
    options.headingOf = columnChoices(parser.values(u"map"_qs));
    if (options.format == FileFormat::VCard && !options.headingOf.isEmpty())
        throw UsageError(QCoreApplication::translate("cli", "--map applies to CSV files only"));
    runImport(contactFile, options);
}

QString importHelp()
{
    return QCoreApplication::translate(
               "cli", "\nPrints how many contacts were read, added, updated and skipped, then one line per row\n"
                      "not imported or imported with a value longer than its column. Exits with 0 when the\n"
                      "import was stored, rejected rows included; with 1 when an error stopped it, and then\n"
                      "the contact file is as it was.\n") +
           fieldTable();
}

// export and search

void addOutputOptions(QCommandLineParser& parser)
{
    parser.addOption({u"format"_qs,
                      QCoreApplication::translate(
                          "cli", "Write CSV or vCard 3.0 (default: vcard when --out ends in .vcf or .vcard)."),
                      u"csv|vcard"_qs});
    parser.addOption({u"out"_qs,
                      QCoreApplication::translate(
                          "cli", "Write to FILE instead of standard output; FILE is replaced only once complete."),
                      u"FILE"_qs});
    parser.addOption({u"bom"_qs, QCoreApplication::translate(
                                     "cli", "Begin the CSV with a UTF-8 byte-order mark (for spreadsheets).")});
}

OutputOptions outputOptions(const QCommandLineParser& parser)
{
    OutputOptions output;
    output.outFile = parser.value(u"out"_qs);
    output.format = formatOption(parser, output.outFile.isEmpty() ? FileFormat::Csv : formatOfFileName(output.outFile));
    output.byteOrderMark = parser.isSet(u"bom"_qs);
    if (output.byteOrderMark && output.format != FileFormat::Csv)
        throw UsageError(QCoreApplication::translate("cli", "--bom applies to CSV only"));
    return output;
}

void exportCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    runExport(contactFile, outputOptions(parser));
}

void addCriterionOptions(QCommandLineParser& parser, const QString& defaultOrder)
{
    for (const ContactField& field : contactFields())
        parser.addOption(
            {field.name,
             QCoreApplication::translate("cli", "%1 is VALUE, or in the range FIRST..LAST.").arg(field.column),
             u"VALUE"_qs});
    parser.addOption(
        {u"order"_qs,
         QCoreApplication::translate("cli", "Sort by this field or column (default: %1).").arg(defaultOrder),
         u"FIELD"_qs});
}

void addSearchOptions(QCommandLineParser& parser)
{
    addCriterionOptions(parser, QCoreApplication::translate("cli", "No, the record number"));
    addOutputOptions(parser);
}

search::CriterionRow criterion(const ContactField& field, const QString& value)
{
    search::CriterionRow row;
    row.ticked = true;
    row.shown = true;
    row.column = field.column;
    row.type = u"Dizi"_qs;
    const qsizetype dots = value.indexOf(u".."_qs);
    if (dots < 0) {
        row.kind = u"Tek"_qs;
        row.first = value;
        return row;
    }
    row.kind = u"Aralık"_qs;
    row.first = value.left(dots);
    row.second = value.mid(dots + 2);
    if (row.first.isEmpty() || row.second.isEmpty())
        throw UsageError(QCoreApplication::translate("cli", "--%1 %2: a range needs both ends, as FIRST..LAST")
                             .arg(field.name, value));
    return row;
}

CriterionRows criterionRows(const QCommandLineParser& parser)
{
    CriterionRows rows;
    int used = 0;
    for (const ContactField& field : contactFields()) {
        for (const QString& value : parser.values(field.name)) {
            if (used == CriterionRowCount)
                throw UsageError(
                    QCoreApplication::translate("cli", "at most %1 criteria can be given").arg(CriterionRowCount));
            rows[used++] = criterion(field, value);
        }
    }
    return rows;
}

QString orderColumn(const QCommandLineParser& parser, const QString& fallback)
{
    if (!parser.isSet(u"order"_qs))
        return fallback;
    const QString wanted = parser.value(u"order"_qs);
    const QString order = wanted.compare(store::contact::RecordNumber, Qt::CaseInsensitive) == 0
                              ? store::contact::RecordNumber
                              : columnOfField(wanted);
    if (order.isEmpty())
        throw UsageError(QCoreApplication::translate("cli", "--order: no field is called '%1'").arg(wanted));
    return order;
}

void searchCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    const CriterionRows rows = criterionRows(parser);
    runSearch(contactFile, rows, orderColumn(parser, store::contact::RecordNumber), outputOptions(parser));
}

QString searchHelp()
{
    return QCoreApplication::translate(
               "cli", "\nEach field option is one criterion (at most %1, all must hold); a field may be given\n"
                      "more than once. Without criteria every contact is written. Values compare as in the\n"
                      "search window.\n")
        .arg(CriterionRowCount);
}

// labels and report

void addPdfOption(QCommandLineParser& parser)
{
    parser.addOption(
        {u"pdf"_qs,
         QCoreApplication::translate("cli", "Write the pages to FILE (required); it is replaced only once complete."),
         u"FILE"_qs});
}

void addLabelOptions(QCommandLineParser& parser)
{
    addCriterionOptions(parser, QCoreApplication::translate("cli", "Company, as the list window"));
    parser.addOption({u"sheet"_qs,
                      QCoreApplication::translate(
                          "cli", "Print on this label sheet, named by brand and product code (e.g. \"Avery L7160\"), "
                                 "instead of the sheet in the print settings."),
                      u"\"BRAND PART\""_qs});
    parser.addOption(
        {u"start"_qs,
         QCoreApplication::translate(
             "cli", "The first label to use on the first sheet: 1 is the top left, counting across (default 1)."),
         u"N"_qs});
    addPdfOption(parser);
}

void addReportOptions(QCommandLineParser& parser)
{
    addCriterionOptions(parser, QCoreApplication::translate("cli", "Company, as the list window"));
    parser.addOption({u"title"_qs,
                      QCoreApplication::translate("cli", "The title over the list (default: List/Report)."),
                      u"TEXT"_qs});
    addPdfOption(parser);
}

PrintOptions printOptions(const QCommandLineParser& parser)
{
    PrintOptions options;
    options.pdfFile = parser.value(u"pdf"_qs);
    if (options.pdfFile.isEmpty())
        throw UsageError(QCoreApplication::translate("cli", "--pdf FILE is required"));
    return options;
}

void labelsCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    const CriterionRows rows = criterionRows(parser);
    PrintOptions options = printOptions(parser);
    options.sheet = parser.value(u"sheet"_qs);
    if (parser.isSet(u"sheet"_qs) && options.sheet.trimmed().isEmpty())
        throw UsageError(
            QCoreApplication::translate("cli", "--sheet: give the brand and the product code, e.g. \"Avery L7160\""));
    if (parser.isSet(u"start"_qs)) {
        bool ok = false;
        options.firstLabel = parser.value(u"start"_qs).toInt(&ok);
        if (!ok || options.firstLabel < 1)
            throw UsageError(QCoreApplication::translate("cli", "--start: '%1' is not a label number from 1")
                                 .arg(parser.value(u"start"_qs)));
    }
    runLabels(contactFile, rows, orderColumn(parser, store::contact::Company), options);
}

void reportCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    const CriterionRows rows = criterionRows(parser);
    PrintOptions options = printOptions(parser);
    options.title = parser.value(u"title"_qs);
    runReport(contactFile, rows, orderColumn(parser, store::contact::Company), options);
}

QString printHelp()
{
    return QCoreApplication::translate(
        "cli", "\nThe field options select contacts as 'corvella search' does. The fonts, the line height and the\n"
               "label layout come from the print settings in the contact file, and the pages are drawn as the\n"
               "list window prints them. No window is shown and no display is needed.\n");
}

// count

void addNoOptions(QCommandLineParser&) {}

void countCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    runCount(contactFile);
}

// backup

void addBackupOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument(u"DEST"_qs, QCoreApplication::translate("cli", "The file to write the copy to."));
}

void backupCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 1, QCoreApplication::translate("cli", "the DEST to write the copy to"));
    runBackup(contactFile, parser.positionalArguments().first());
}

QString backupHelp()
{
    return QCoreApplication::translate(
        "cli", "\nThe copy is an SQLite file like the contact file: Corvella opens it with --file DEST,\n"
               "and the standard SQLite tools read it. It shows the file as it stood at one moment, also\n"
               "while Corvella or another program writes to it. It is written under a temporary name\n"
               "beside DEST and renamed to DEST only when complete, so a failed backup leaves any earlier\n"
               "DEST as it was. DEST may not be the contact file itself.\n");
}

// copy

void addCopyOptions(QCommandLineParser& parser)
{
    parser.addOption(
        {u"to"_qs, QCoreApplication::translate("cli", "The empty contact file or database to copy into."), u"DEST"_qs});
}

void copyCommand(const QCommandLineParser& parser, const QString& contactFile)
{
    expectArguments(parser, 0);
    if (!parser.isSet(u"to"_qs))
        throw UsageError(QCoreApplication::translate("cli", "--to DEST is required"));
    runCopy(contactFile, parser.value(u"to"_qs));
}

const QList<Command>& commands()
{
    static const QList<Command> list = {
        {u"import"_qs,
         u"import FILE [--format csv|vcard] [--on-duplicate skip|update|add] [--map FIELD=HEADING ...]"_qs,
         QCoreApplication::translate("cli",
                                     "Bring the contacts of a CSV or vCard file into the contact file, in one go."),
         addImportOptions, importCommand, importHelp},
        {u"export"_qs, u"export [--format csv|vcard] [--out FILE] [--bom]"_qs,
         QCoreApplication::translate("cli", "Write every contact, in record-number order, as CSV or vCard."),
         addOutputOptions, exportCommand, nullptr},
        {u"count"_qs, u"count"_qs, QCoreApplication::translate("cli", "Print the number of contacts."), addNoOptions,
         countCommand, nullptr},
        {u"search"_qs, u"search [--FIELD VALUE ...] [--order FIELD] [--format csv|vcard] [--out FILE] [--bom]"_qs,
         QCoreApplication::translate("cli", "Write the contacts that meet every criterion, with all their columns."),
         addSearchOptions, searchCommand, searchHelp},
        {u"backup"_qs, u"backup DEST"_qs,
         QCoreApplication::translate("cli", "Write a copy of the contact file to DEST, also while it is in use."),
         addBackupOptions, backupCommand, backupHelp},
        {u"copy"_qs, u"copy --to DEST"_qs,
         QCoreApplication::translate("cli", "Copy every contact into an empty contact file or PostgreSQL database."),
         addCopyOptions, copyCommand, nullptr},
        {u"labels"_qs, u"labels [--FIELD VALUE ...] [--order FIELD] [--sheet \"BRAND PART\"] [--start N] --pdf FILE"_qs,
         QCoreApplication::translate("cli", "Print one address label per selected contact into a PDF file."),
         addLabelOptions, labelsCommand, printHelp},
        {u"report"_qs, u"report [--FIELD VALUE ...] [--order FIELD] [--title TEXT] --pdf FILE"_qs,
         QCoreApplication::translate("cli", "Print the list report of the selected contacts into a PDF file."),
         addReportOptions, reportCommand, printHelp},
    };
    return list;
}

const Command* commandNamed(const QString& name)
{
    for (const Command& command : commands())
        if (command.name == name)
            return &command;
    return nullptr;
}

/// The options part of a parser's help, under a usage line of our own: the parser's own line would show the
/// command's arguments without the command.
QString optionsHelp(const QCommandLineParser& parser)
{
    const QString text = parser.helpText();
    // Qt's own heading, in the language of Qt's catalogue.
    static const char* const heading = "Options:";
    const qsizetype options = text.indexOf(QCoreApplication::translate("QCommandLineParser", heading));
    return options < 0 ? text : text.mid(options);
}

QString generalHelp(const QCommandLineParser& parser)
{
    QString text = QCoreApplication::translate(
        "cli", "Usage: corvella [--file PATH] COMMAND [options]\n"
               "Without a command or option, corvella opens its windows; --lang tr|en before it chooses the\n"
               "language of its texts (default: the locale's).\n\nCommands:\n");
    for (const Command& command : commands())
        text += u"  corvella %1\n      %2\n"_qs.arg(command.synopsis, command.summary);
    text += u'\n' + optionsHelp(parser);
    text += QCoreApplication::translate(
                "cli", "\nRun 'corvella COMMAND --help' for a command's options and the field names.\n") +
            exitStatusHelp();
    return text;
}

QString commandHelp(const QCommandLineParser& parser, const Command& command)
{
    QString text = QCoreApplication::translate("cli", "Usage: corvella [--file PATH] %1\n\n%2\n\n")
                       .arg(command.synopsis, command.summary);
    text += optionsHelp(parser);
    if (command.moreHelp)
        text += command.moreHelp();
    return text + exitStatusHelp();
}

QString usageMessage(QString error, const QString& helpCommand)
{
    if (error.endsWith(u'.'))
        error.chop(1);
    return QCoreApplication::translate("cli", "%1 (see 'corvella %2--help')")
        .arg(error, helpCommand.isEmpty() ? QString() : helpCommand + u' ');
}

int dispatch(const QStringList& arguments)
{
    QCommandLineParser global;
    // Everything after the command is the command's, options included.
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    global.addOption(fileOption());
    global.addOption(databaseOption());
    global.addOption(helpOption());
    const QCommandLineOption version(u"version"_qs, QCoreApplication::translate("cli", "Show the program's version."));
    global.addOption(version);
    global.addPositionalArgument(
        u"COMMAND"_qs,
        QCoreApplication::translate("cli", "import, export, count, search, backup, copy, labels or report."));
    if (!global.parse(arguments))
        throw UsageError(usageMessage(global.errorText(), {}));
    if (global.isSet(version)) {
        printOut(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return 0;
    }
    if (global.isSet(HelpOptionName)) {
        printOut(generalHelp(global));
        return 0;
    }
    const QStringList positional = global.positionalArguments();
    if (positional.isEmpty())
        throw UsageError(usageMessage(QCoreApplication::translate("cli", "no command given"), {}));
    const Command* command = commandNamed(positional.first());
    if (!command)
        throw UsageError(usageMessage(
            QCoreApplication::translate(
                "cli", "unknown command '%1'; the commands are import, export, count, search, backup, copy, labels and "
                       "report")
                .arg(positional.first()),
            {}));

    QCommandLineParser parser;
    parser.addOption(fileOption());
    parser.addOption(databaseOption());
    parser.addOption(helpOption());
    command->addOptions(parser);
    if (!parser.parse(QStringList{arguments.first()} + positional.mid(1)))
        throw UsageError(usageMessage(parser.errorText(), command->name));
    if (parser.isSet(HelpOptionName)) {
        printOut(commandHelp(parser, *command));
        return 0;
    }
    QString contactFile;
    for (const QCommandLineParser* given : {&parser, &global}) {
        if (given->isSet(FileOptionName) || given->isSet(DatabaseOptionName)) {
            contactFile = given->value(given->isSet(FileOptionName) ? FileOptionName : DatabaseOptionName);
            break;
        }
    }
    if (contactFile.isEmpty())
        contactFile = defaultContactFile();
    try {
        command->run(parser, contactFile);
    } catch (const UsageError& error) {
        throw UsageError(usageMessage(error.message(), command->name));
    }
    return 0;
}

} // namespace

bool drawsPages(const QStringList& arguments)
{
    // The command is the first word after the global options; --file takes the word after it.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--file"_qs || argument == u"--database"_qs) {
            ++i;
            continue;
        }
        if (argument.startsWith(u'-'))
            continue;
        return argument == u"labels"_qs || argument == u"report"_qs;
    }
    return false;
}

bool isCommandLine(const QString& firstArgument)
{
    static const QStringList globalOptions = {u"--file"_qs, u"--database"_qs, u"-h"_qs, u"--help"_qs, u"--version"_qs};
    // A word that is no option is a command, a misspelt one included: it gets "unknown command", not a window.
    // Options of Qt's own (-platform, -style) still open the windows.
    return !firstArgument.startsWith(u'-') || globalOptions.contains(firstArgument) ||
           firstArgument.startsWith(u"--file="_qs) || firstArgument.startsWith(u"--database="_qs);
}

int run(const QStringList& arguments)
{
    int status = 0;
    installPasswordPrompt();
    try {
        status = dispatch(arguments);
    } catch (const UsageError& error) {
        printError(error.message());
        return 2;
    } catch (const Error& error) {
        printError(error.message());
        return 1;
    } catch (const std::exception& error) {
        printError(QString::fromLocal8Bit(error.what()));
        return 1;
    }
    // A result that did not reach its reader (a full disk, a closed pipe) is a failure, not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printError(QCoreApplication::translate("cli", "Cannot write to standard output: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }
    return status;
}

} // namespace corvella::cli
