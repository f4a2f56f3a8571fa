#pragma once

#include "ContactColumnsMap.h"
#include "CsvReader.h"
#include "VCard.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QIODevice;

namespace corvella::exchange {

/// A contact's values by contact column name (`store::contact::`); a missing column is an empty value.
using ContactValues = QHash<QString, QString>;

/// The contacts of a file, read one at a time. Reading errors are ParseErrors naming the file and line.
class ContactSource {
public:
    /// No contact value may be longer: the editor's fields hold no more, and a longer one is a file that is not a
    /// list of contacts.
    static constexpr qsizetype MaxValueLength = 32767;

    explicit ContactSource(const QString& fileName)
        : m_fileName(fileName)
    {}
    virtual ~ContactSource() = default;
    const QString& fileName() const { return m_fileName; }
    /// The next contact: one value per column of `store::contactColumns()`, in its order, an empty text where the
    /// file has none. False at the end of the file.
    virtual bool next(QStringList& values) = 0;
    /// The line the last contact started on.
    virtual int line() const = 0;
    /// How much of the file has been read, from 0 to 1.
    virtual double fraction() const = 0;

protected:
    /// Raises a ParseError for a value longer than `MaxValueLength`.
    void checkLengths(const QStringList& values, int line) const;

private:
    QString m_fileName;
};

/// The records of a CSV file as contacts. The heading row is read (and its columns recognised) on construction,
/// and the first records are read ahead for a preview; every record must have as many fields as the heading.
/// Blank lines are passed over.
class CsvContactSource : public ContactSource {
public:
    static constexpr int PreviewRows = 5;

    CsvContactSource(QIODevice& device, const QString& fileName);

    const QStringList& heading() const { return m_heading; }
    const ColumnMap& columnMap() const { return m_map; }
    /// Replaces the recognised columns, e.g. with the user's choice; call before the first `next`.
    void setColumnMap(const ColumnMap& map) { m_map = map; }
    /// Up to `PreviewRows` records after the heading, as the file has them.
    const QList<QStringList>& previewRecords() const { return m_preview; }
    TextEncoding encoding() const { return m_reader.encoding(); }
    QChar delimiter() const { return m_reader.delimiter(); }

    bool next(QStringList& values) override;
    int line() const override { return m_line; }
    double fraction() const override;

private:
    bool nextRecord(QStringList& fields, int& line);
    void prepareColumns();

    QIODevice& m_device;
    CsvReader m_reader;
    QStringList m_heading;
    ColumnMap m_map;
    QList<QStringList> m_preview;
    QList<int> m_previewLines;
    qsizetype m_previewUsed = 0;
    QStringList m_fields;
    QList<int> m_target;        // per file column: the contact column's index, or -1
    bool m_firstOfMany = false; // Google joins several values of one field with " ::: "
    int m_line = 0;
};

/// Builds a column map from the user's choices: `columnOf` names, per contact column, the file column (by heading)
/// that fills it. Unknown headings or contact columns raise an error naming them.
ColumnMap columnMapFromChoices(const QStringList& heading, const QHash<QString, QString>& columnOf);

/// The cards of a vCard file as contacts. The whole file is read on construction (a card file is small beside a
/// CSV export of the same contacts).
class VCardContactSource : public ContactSource {
public:
    VCardContactSource(QIODevice& device, const QString& fileName);

    bool next(QStringList& values) override;
    int line() const override { return m_line; }
    double fraction() const override;

private:
    QList<VCard> m_cards;
    qsizetype m_next = 0;
    int m_line = 0;
};

/// A card's values as a contact: N, FN, ORG, TITLE, TEL by type, EMAIL, ADR, NOTE and Corvella's own X- properties.
ContactValues contactFromVCard(const VCard& card);
/// The card of a contact, the inverse of `contactFromVCard`: every non-empty column goes into the card.
QList<VCardProperty> vCardOfContact(const ContactValues& contact);

enum class DuplicatePolicy { Skip, Update, Add };

/// A row of the file the report mentions, by its line.
struct ImportNote {
    int line = 0;
    QString text;
};

struct ImportReport {
    static constexpr int MaxNotes = 1000;

    qint64 read = 0;
    qint64 added = 0;
    qint64 updated = 0;
    qint64 skipped = 0;
    /// Rows not imported, each with the reason (the first `MaxNotes`; `rejectedRows` counts them all).
    QList<ImportNote> rejected;
    qint64 rejectedRows = 0;
    /// Rows imported with a value longer than its column's declared size; the value is kept whole.
    QList<ImportNote> longValues;
    qint64 longValueRows = 0;
    bool cancelled = false;

    /// One paragraph with the counts, for a message box or the command line.
    QString summary() const;
    /// One line per rejected or long-valued row: "line N: reason".
    QStringList details() const;
};

/// Called now and then during an import with the rows read so far and the fraction of the file; returning false
/// cancels the import.
using ImportProgress = std::function<bool(qint64 rows, double fraction)>;

/// Brings the contacts of a source into the contact file, all in one transaction: a cancel or an error leaves the
/// file as it was. New contacts are numbered after the highest existing number (from 11 in an empty file), in file
/// order. A contact whose e-mail (Turkish case rules) or whose name, surname and company match a contact already
/// in the file, one imported before it included, is a duplicate and handled by `policy`; `Update` stores the
/// row's non-empty values over the contact's. Values longer than their column's size are kept whole and listed.
/// A row without name, surname, company or e-mail is rejected.
ImportReport importContacts(const QSqlDatabase& db, ContactSource& source, DuplicatePolicy policy,
                            const ImportProgress& progress = {});

/// The statement that selects every contact, in record-number order, with all columns.
QString allContactsSql();

/// Writes every row `sql` selects as CSV: a heading of the column names, then the rows. Returns the rows written.
qint64 exportCsv(const QSqlDatabase& db, const QString& sql, QIODevice& out, const QString& fileName,
                 bool byteOrderMark, const ImportProgress& progress = {});
/// Writes every row `sql` selects as a vCard 3.0 card; the statement must select the contact columns by name.
qint64 exportVCards(const QSqlDatabase& db, const QString& sql, QIODevice& out, const QString& fileName,
                    const ImportProgress& progress = {});

} // namespace corvella::exchange
