#include "ContactImport.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactSchema.h"
#include "store/ContactWriter.h"

#include <QDir>
#include <QLocale>
#include <QSqlQuery>

#include <QCoreApplication>
#include <optional>
#include <vector>

namespace corvella::exchange {

namespace contact = store::contact;

namespace {

/// Lower case by Turkish rules (I to ı, İ to i), for comparing names and addresses as the user reads them.
QString folded(const QString& text)
{
    QString result = text.trimmed();
    for (QChar& c : result) {
        const char16_t u = c.unicode();
        if (u == u'I')
            c = QChar(u'ı');
        else if (u < 0x80)
            c = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
        else if (u == u'İ')
            c = u'i';
        else
            c = c.toLower();
    }
    return result;
}

struct ColumnIndexes {
    qsizetype firstName, lastName, email, company;
};

const ColumnIndexes& keyColumns()
{
    static const ColumnIndexes indexes = [] {
        const auto& columns = store::contactColumns();
        const auto at = [&columns](const QString& name) {
            for (qsizetype i = 0; i < columns.size(); ++i)
                if (columns.at(i).name == name)
                    return i;
            return qsizetype(-1);
        };
        return ColumnIndexes{at(contact::FirstName), at(contact::LastName), at(contact::Email), at(contact::Company)};
    }();
    return indexes;
}

/// The texts by which a contact is known again: its e-mail, and its name, surname and company together. Either is
/// empty when the contact has no e-mail, or neither name nor surname.
struct ContactKeys {
    QString email;
    QString name;

    explicit ContactKeys(const QStringList& values)
    {
        const ColumnIndexes& k = keyColumns();
        const QString mail = folded(values.value(k.email));
        if (!mail.isEmpty())
            email = u"e:"_qs + mail;
        const QString first = folded(values.value(k.firstName));
        const QString last = folded(values.value(k.lastName));
        if (!first.isEmpty() || !last.isEmpty())
            name = u"n:"_qs + first + u'\x1f' + last + u'\x1f' + folded(values.value(k.company));
    }
};

/// Finds contacts by their keys without holding the keys: each slot keeps 32 bits of a key's hash beside the
/// record number, and a match is confirmed by reading the contact. Eight bytes a key keeps memory low on a
/// million contacts. An entry whose contact has since changed simply fails the confirmation.
class DuplicateIndex {
public:
    explicit DuplicateIndex(store::ContactWriter& writer)
        : m_writer(writer)
        , m_slots(1024, 0)
    {}

    void add(const ContactKeys& keys, qint64 number)
    {
        // Numbers outside 1..2^32-1 cannot be held in a slot; such contacts are not found again.
        if (number <= 0 || number > 0xFFFFFFFFLL)
            return;
        for (const QString* key : {&keys.email, &keys.name})
            if (!key->isEmpty())
                insert(hashOf(*key), quint32(number));
    }

    /// The number of a contact that shares a key with `keys`, the e-mail first; 0 when none does.
    qint64 find(const ContactKeys& keys)
    {
        for (const QString* key : {&keys.email, &keys.name}) {
            if (key->isEmpty())
                continue;
            const quint32 hash = hashOf(*key);
            const bool isEmail = key == &keys.email;
            for (size_t i = hash & mask(); m_slots[i]; i = (i + 1) & mask()) {
                if (quint32(m_slots[i] >> 32) != hash)
                    continue;
                const qint64 number = qint64(m_slots[i] & 0xFFFFFFFFu);
                if (m_writer.read(number, m_values)) {
                    const ContactKeys stored(m_values);
                    if ((isEmail ? stored.email : stored.name) == *key)
                        return number;
                }
            }
        }
        return 0;
    }

private:
    static quint32 hashOf(const QString& key) { return quint32(qHash(key, 0x5eed)) | 1u; }
    size_t mask() const { return m_slots.size() - 1; }

    void insert(quint32 hash, quint32 number)
    {
        if ((m_used + 1) * 4 > m_slots.size() * 3)
            grow();
        const quint64 slot = (quint64(hash) << 32) | number;
        size_t i = hash & mask();
        while (m_slots[i]) {
            if (m_slots[i] == slot)
                return;
            i = (i + 1) & mask();
        }
        m_slots[i] = slot;
        ++m_used;
    }

    void grow()
    {
        std::vector<quint64> old(m_slots.size() * 2, 0);
        old.swap(m_slots);
        m_used = 0;
        for (quint64 slot : old)
            if (slot)
                insert(quint32(slot >> 32), quint32(slot));
    }

    store::ContactWriter& m_writer;
    std::vector<quint64> m_slots; // 0 is a free slot: hashes are odd
    size_t m_used = 0;
    QStringList m_values;
};

bool isBlank(const QString& value)
{
    return value.trimmed().isEmpty();
}

void note(QList<ImportNote>& notes, qint64& count, int line, const QString& text)
{
    if (notes.size() < ImportReport::MaxNotes)
        notes.append({line, text});
    ++count;
}

/// The columns of `values` longer than their declared size, as one note's text; empty when none is.
QString longValuesText(const QStringList& values)
{
    QStringList texts;
    const auto& columns = store::contactColumns();
    for (qsizetype i = 0; i < columns.size() && i < values.size(); ++i)
        if (values.at(i).size() > columns.at(i).size)
            texts << QCoreApplication::translate("exchange", "'%1' has %2 characters, %3 fit the column")
                         .arg(columns.at(i).name)
                         .arg(values.at(i).size())
                         .arg(columns.at(i).size);
    return texts.isEmpty() ? QString() : texts.join(u"; "_qs) + QCoreApplication::translate("exchange", "; kept whole");
}

/// Reports every 256 rows; the caller decides how often to redraw. False when the user cancelled.
bool tick(const ImportProgress& progress, qint64 rows, double fraction)
{
    return !progress || (rows & 255) != 0 || progress(rows, fraction);
}

void indexExisting(const QSqlDatabase& db, DuplicateIndex& index)
{
    const auto& columns = store::contactColumns();
    const ColumnIndexes& k = keyColumns();
    const auto name = [&columns](qsizetype i) { return store::quotedIdentifier(columns.at(i).name); };
    store::RowReader reader(db, u"SELECT %1, %2, %3, %4, %5 FROM %6"_qs.arg(
                                    store::quotedIdentifier(contact::RecordNumber), name(k.firstName), name(k.lastName),
                                    name(k.email), name(k.company), store::tables::Contacts));
    QStringList row;
    QStringList values(columns.size());
    while (reader.next(row)) {
        values[k.firstName] = row.at(1);
        values[k.lastName] = row.at(2);
        values[k.email] = row.at(3);
        values[k.company] = row.at(4);
        index.add(ContactKeys(values), row.at(0).toLongLong());
    }
}

} // namespace

QString ImportReport::summary() const
{
    const QLocale c(QLocale::English, QLocale::UnitedStates); // thousands grouped, as in the other messages
    QString text = cancelled ? QCoreApplication::translate(
                                   "exchange", "The import was cancelled; the contact file is as it was before.\n")
                             : QString();
    text += QCoreApplication::translate(
                "exchange", "Rows read: %1. Added: %2. Updated: %3. Skipped as duplicates: %4. Rejected: %5.")
                .arg(c.toString(read), c.toString(added), c.toString(updated), c.toString(skipped),
                     c.toString(rejectedRows));
    if (longValueRows > 0)
        text += QCoreApplication::translate("exchange",
                                            "\n%1 rows have values longer than their column; they were kept whole.")
                    .arg(c.toString(longValueRows));
    return text;
}

QStringList ImportReport::details() const
{
    QStringList lines;
    for (const ImportNote& n : rejected)
        lines << QCoreApplication::translate("exchange", "line %1: rejected: %2").arg(n.line).arg(n.text);
    if (rejectedRows > rejected.size())
        lines << QCoreApplication::translate("exchange", "... and %1 more rejected rows")
                     .arg(rejectedRows - rejected.size());
    for (const ImportNote& n : longValues)
        lines << QCoreApplication::translate("exchange", "line %1: %2").arg(n.line).arg(n.text);
    if (longValueRows > longValues.size())
        lines << QCoreApplication::translate("exchange", "... and %1 more rows with long values")
                     .arg(longValueRows - longValues.size());
    return lines;
}

namespace {

ImportReport importInTransaction(const QSqlDatabase& db, ContactSource& source, DuplicatePolicy policy,
                                 const ImportProgress& progress)
{
    ImportReport report;
    // Taking the write lock at the start makes a file in use fail before any work, not at the commit.
    store::execOrThrow(db, u"BEGIN IMMEDIATE"_qs);
    OnFailure rollback([&db] { QSqlQuery(db).exec(u"ROLLBACK"_qs); });
    store::ContactWriter writer(db);
    DuplicateIndex index(writer);
    const bool findDuplicates = policy != DuplicatePolicy::Add;
    if (findDuplicates)
        indexExisting(db, index);
    qint64 nextNumber = writer.nextRecordNumber();

    QStringList values;
    while (source.next(values)) {
        ++report.read;
        const int line = source.line();
        const ColumnIndexes& k = keyColumns();
        std::optional<ContactKeys> keys; // only when duplicates are looked for
        bool stored = true;
        if (isBlank(values.at(k.firstName)) && isBlank(values.at(k.lastName)) && isBlank(values.at(k.email)) &&
            isBlank(values.at(k.company))) {
            note(report.rejected, report.rejectedRows, line,
                 QCoreApplication::translate("exchange", "no name, surname, company or e-mail"));
            stored = false;
        } else if (const qint64 existing = findDuplicates ? index.find(keys.emplace(values)) : 0) {
            stored = policy == DuplicatePolicy::Update;
            if (stored) {
                writer.update(existing, values);
                index.add(ContactKeys(values), existing); // the row may have brought a new e-mail
                ++report.updated;
            } else {
                ++report.skipped;
            }
        } else {
            for (QString& value : values)
                if (value.isEmpty())
                    value = QString(); // an empty cell is stored as NULL, as the editor stores an empty field
            writer.insert(nextNumber, values);
            if (findDuplicates)
                index.add(*keys, nextNumber);
            ++nextNumber;
            ++report.added;
        }
        if (stored) {
            const QString longText = longValuesText(values);
            if (!longText.isEmpty())
                note(report.longValues, report.longValueRows, line, longText);
        }
        if (!tick(progress, report.read, source.fraction())) {
            report.cancelled = true;
            break;
        }
    }
    if (!report.cancelled && progress && !progress(report.read, 1.0))
        report.cancelled = true;
    if (report.cancelled) {
        store::execOrThrow(db, u"ROLLBACK"_qs);
        rollback.dismiss();
        return report;
    }
    store::execOrThrow(db, u"COMMIT"_qs);
    rollback.dismiss();
    return report;
}

} // namespace

ImportReport importContacts(const QSqlDatabase& db, ContactSource& source, DuplicatePolicy policy,
                            const ImportProgress& progress)
{
    try {
        return importInTransaction(db, source, policy, progress);
    } catch (const DatabaseError& error) {
        throw DatabaseError(
            QCoreApplication::translate("exchange", "Cannot import into the contact file '%1'; it is unchanged. %2")
                .arg(QDir::toNativeSeparators(db.databaseName()), error.message()));
    }
}

} // namespace corvella::exchange
