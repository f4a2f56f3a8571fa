#pragma once

#include "core/Error.h"
#include "exchange/ContactImport.h"
#include "search/QueryBuilder.h"

#include <QHash>
#include <QString>

#include <array>

namespace corvella::cli {

/// A mistake in the command line itself (unknown command or option, a bad value): exit status 2.
class UsageError : public Error {
public:
    using Error::Error;
};

enum class FileFormat { Csv, VCard };

/// The format a file's name suggests: vCard for `.vcf` and `.vcard`, CSV for anything else.
FileFormat formatOfFileName(const QString& fileName);

struct ImportOptions {
    QString inputFile;
    FileFormat format = FileFormat::Csv;
    exchange::DuplicatePolicy policy = exchange::DuplicatePolicy::Skip;
    /// Per contact column, the heading of the CSV column that fills it; empty to take the recognised columns.
    QHash<QString, QString> headingOf;
};

struct OutputOptions {
    FileFormat format = FileFormat::Csv;
    /// Empty for standard output.
    QString outFile;
    bool byteOrderMark = false;
};

using CriterionRows = std::array<search::CriterionRow, search::CriterionRowCount>;

// The commands work on the contact file at `contactFile`, which must exist, print their result on standard output
// and throw an Error naming the file when they fail.

/// Imports a file's contacts and prints the import's report. Refused while a Corvella has the contact file open.
void runImport(const QString& contactFile, const ImportOptions& options);
/// Writes every contact.
void runExport(const QString& contactFile, const OutputOptions& output);
/// Prints the number of contacts.
void runCount(const QString& contactFile);
/// Writes every contact (all columns) the ticked rows select, sorted by `orderColumn`.
void runSearch(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const OutputOptions& output);

/// What a printing command draws and where it writes it.
struct PrintOptions {
    QString pdfFile;
    /// "BRAND PART" of a catalogue sheet, instead of the sheet in the print settings.
    QString sheet;
    int firstLabel = 1;
    /// The report's title; empty for the list window's.
    QString title;
};

// The printing commands draw with the windows' code on the contact file's print settings into a PDF file, which is
// replaced only once complete. They need a GUI application (fonts), but no display.

/// Prints one label per contact the ticked rows select, sorted by `orderColumn`.
void runLabels(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const PrintOptions& options);
/// Prints the report of the list window's columns for the contacts the ticked rows select.
void runReport(const QString& contactFile, const CriterionRows& rows, const QString& orderColumn,
               const PrintOptions& options);
/// Writes a consistent copy of the contact file to `destination`.
void runBackup(const QString& contactFile, const QString& destination);
/// Copies every contact into an empty contact file or server database (made when missing) and says how many.
void runCopy(const QString& contactFile, const QString& destination);

/// Asks for a server database's password on the terminal, without echo, when ~/.pgpass and PGPASSWORD give none.
void installPasswordPrompt();

/// Text on standard output, in UTF-8.
void printOut(const QString& text);
/// One error line, "corvella: <message>", on standard error.
void printError(const QString& message);

} // namespace corvella::cli
