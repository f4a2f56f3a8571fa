#include "ContactImport.h"

#include "core/Error.h"
#include "store/Columns.h"
#include "store/ContactSchema.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>

namespace corvella::exchange {

namespace contact = store::contact;

namespace {

qsizetype contactIndex(const QString& column)
{
    const auto& columns = store::contactColumns();
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns.at(i).name == column)
            return i;
    return -1;
}

QString firstOfMany(const QString& value)
{
    const qsizetype separator = value.indexOf(u" ::: "_qs);
    return separator < 0 ? value : value.left(separator);
}

bool isBlank(const QStringList& fields)
{
    return fields.size() == 1 && fields.first().isEmpty();
}

double fractionOf(qint64 done, qint64 total)
{
    return total > 0 ? std::min(1.0, double(done) / double(total)) : 0.0;
}

} // namespace

void ContactSource::checkLengths(const QStringList& values, int line) const
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QString& value : values)
        if (value.size() > MaxValueLength)
            throw ParseError(m_fileName, line,
                             QCoreApplication::translate(
                                 "exchange", "a value of %1 characters is longer than the %2 a contact field can hold")
                                 .arg(english.toString(value.size()), english.toString(MaxValueLength)));
}

CsvContactSource::CsvContactSource(QIODevice& device, const QString& fileName)
    : ContactSource(fileName)
    , m_device(device)
    , m_reader(device, fileName)
{
    int line = 0;
    if (!nextRecord(m_heading, line))
        throw ParseError(fileName, m_reader.recordLine(),
                         QCoreApplication::translate("exchange", "the file has no heading row"));
    m_map = recogniseColumns(m_heading);
    QStringList record;
    while (m_preview.size() < PreviewRows && nextRecord(record, line)) {
        m_preview.append(record);
        m_previewLines.append(line);
    }
}

bool CsvContactSource::nextRecord(QStringList& fields, int& line)
{
    while (m_reader.next(fields)) {
        if (!isBlank(fields)) {
            line = m_reader.recordLine();
            return true;
        }
    }
    return false;
}

void CsvContactSource::prepareColumns()
{
    m_target.clear();
    for (const QString& column : std::as_const(m_map.contactColumnOf))
        m_target.append(column.isEmpty() ? -1 : int(contactIndex(column)));
    m_firstOfMany = m_map.layout == CsvLayout::Google;
}

bool CsvContactSource::next(QStringList& values)
{
    if (m_target.isEmpty())
        prepareColumns();
    QStringList* fields = &m_fields;
    if (m_previewUsed < m_preview.size()) {
        m_line = m_previewLines.at(m_previewUsed);
        fields = &m_preview[m_previewUsed++];
    } else if (!nextRecord(m_fields, m_line)) {
        return false;
    }
    if (fields->size() != m_heading.size())
        throw ParseError(fileName(), m_line,
                         QCoreApplication::translate("exchange", "the row has %1 fields where the heading row has %2")
                             .arg(fields->size())
                             .arg(m_heading.size()));

    values.fill(QString(), store::contactColumns().size());
    for (qsizetype i = 0; i < fields->size() && i < m_target.size(); ++i) {
        const int target = m_target.at(i);
        if (target >= 0 && values.at(target).isEmpty())
            values[target] = m_firstOfMany ? firstOfMany(fields->at(i)) : fields->at(i);
    }
    if (!m_map.phoneTypeAndValue.isEmpty()) {
        // Google's phones are filled through contactValues, which knows its kinds of number.
        const ContactValues phones = contactValues(m_map, *fields);
        for (const QString& column : {contact::WorkPhone, contact::HomePhone, contact::MobilePhone, contact::Fax}) {
            const qsizetype target = contactIndex(column);
            if (values.at(target).isEmpty())
                values[target] = phones.value(column);
        }
    }
    checkLengths(values, m_line);
    return true;
}

double CsvContactSource::fraction() const
{
    return m_device.isSequential() ? 0.0 : fractionOf(m_reader.bytesRead(), m_device.size());
}

ColumnMap columnMapFromChoices(const QStringList& heading, const QHash<QString, QString>& columnOf)
{
    ColumnMap map;
    map.contactColumnOf = QStringList(heading.size(), QString());
    for (auto it = columnOf.begin(); it != columnOf.end(); ++it) {
        if (contactIndex(it.key()) < 0)
            throw Error(QCoreApplication::translate("exchange", "'%1' is not a contact field.").arg(it.key()));
        const qsizetype fileColumn = heading.indexOf(it.value());
        if (fileColumn < 0)
            throw Error(QCoreApplication::translate("exchange", "The file has no column '%1'; its columns are: %2.")
                            .arg(it.value(), heading.join(u", "_qs)));
        map.contactColumnOf[fileColumn] = it.key();
    }
    return map;
}

// vCard ---------------------------------------------------------------------------------------------------------

namespace {

/// Corvella's columns that vCard has no property for travel as X- properties, so a card round trip loses nothing.
const QList<std::pair<QString, const QString*>>& ownProperties()
{
    static const QList<std::pair<QString, const QString*>> properties = {
        {u"X-CORVELLA-EXTENSION"_qs, &contact::Extension},
        {u"X-CORVELLA-INVOICE-ADDRESS-1"_qs, &contact::InvoiceAddress1},
        {u"X-CORVELLA-INVOICE-ADDRESS-2"_qs, &contact::InvoiceAddress2},
        {u"X-CORVELLA-TAX-OFFICE"_qs, &contact::TaxOffice},
        {u"X-CORVELLA-TAX-NUMBER"_qs, &contact::TaxNumber},
        {u"X-CORVELLA-SECTOR"_qs, &contact::Sector},
        {u"X-CORVELLA-SUB-SECTOR"_qs, &contact::SubSector},
    };
    return properties;
}

QString component(const VCardProperty& property, qsizetype index)
{
    return property.values.value(index).trimmed();
}

} // namespace

ContactValues contactFromVCard(const VCard& card)
{
    ContactValues values;
    const auto setOnce = [&values](const QString& column, const QString& value) {
        if (!value.isEmpty() && values.value(column).isEmpty())
            values.insert(column, value);
    };

    const VCardProperty name = card.first(u"N"_qs);
    setOnce(contact::LastName, component(name, 0));
    setOnce(contact::FirstName, component(name, 1));
    const QString formatted = card.first(u"FN"_qs).value().trimmed();
    // Without N, the formatted name's last word is taken for the surname; a card whose formatted name is its
    // organisation is a company's card.
    if (values.isEmpty() && formatted != component(card.first(u"ORG"_qs), 0)) {
        const qsizetype space = formatted.lastIndexOf(u' ');
        setOnce(contact::FirstName, space < 0 ? formatted : formatted.left(space).trimmed());
        setOnce(contact::LastName, space < 0 ? QString() : formatted.mid(space + 1));
    }
    setOnce(contact::Company, component(card.first(u"ORG"_qs), 0));
    setOnce(contact::Occupation, card.first(u"TITLE"_qs).value().trimmed());
    setOnce(contact::Email, card.first(u"EMAIL"_qs).value().trimmed());
    setOnce(contact::Notes, card.first(u"NOTE"_qs).value());

    QStringList untyped;
    for (const VCardProperty& tel : card.all(u"TEL"_qs)) {
        const QString number = tel.value().trimmed();
        const auto is = [&tel](const char16_t* type) { return tel.types.contains(QString::fromUtf16(type)); };
        if (is(u"fax"))
            setOnce(contact::Fax, number);
        else if (is(u"cell"))
            setOnce(contact::MobilePhone, number);
        else if (is(u"work"))
            setOnce(contact::WorkPhone, number);
        else if (is(u"home"))
            setOnce(contact::HomePhone, number);
        else
            untyped << number;
    }
    for (const QString& number : std::as_const(untyped))
        for (const QString& column : {contact::WorkPhone, contact::MobilePhone, contact::HomePhone})
            if (values.value(column).isEmpty()) {
                setOnce(column, number);
                break;
            }

    // ADR: post office box; extended address; street; locality; region; postal code; country.
    const VCardProperty address = card.first(u"ADR"_qs);
    setOnce(contact::Address1, component(address, 2));
    setOnce(contact::Address2, component(address, 1));
    setOnce(contact::City, component(address, 3));
    setOnce(contact::PostalCode, component(address, 5));

    for (const auto& [property, column] : ownProperties())
        setOnce(*column, card.first(property).value());
    return values;
}

QList<VCardProperty> vCardOfContact(const ContactValues& contact)
{
    const auto value = [&contact](const QString& column) { return contact.value(column).trimmed(); };
    QList<VCardProperty> card;
    const auto add = [&card](const QString& name, const QStringList& types, const QStringList& values) {
        for (const QString& v : values)
            if (!v.isEmpty()) {
                card.append({name, types, values});
                return;
            }
    };

    const QString fullName = QString(value(contact::FirstName) + u' ' + value(contact::LastName)).trimmed();
    // N and FN are required in version 3.0, even when empty.
    card.append({u"N"_qs, {}, {value(contact::LastName), value(contact::FirstName), {}, {}, {}}});
    card.append({u"FN"_qs,
                 {},
                 {!fullName.isEmpty()                  ? fullName
                  : !value(contact::Company).isEmpty() ? value(contact::Company)
                                                       : value(contact::Email)}});
    add(u"ORG"_qs, {}, {value(contact::Company)});
    add(u"TITLE"_qs, {}, {value(contact::Occupation)});
    add(u"TEL"_qs, {u"work"_qs, u"voice"_qs}, {value(contact::WorkPhone)});
    add(u"TEL"_qs, {u"home"_qs, u"voice"_qs}, {value(contact::HomePhone)});
    add(u"TEL"_qs, {u"cell"_qs}, {value(contact::MobilePhone)});
    add(u"TEL"_qs, {u"work"_qs, u"fax"_qs}, {value(contact::Fax)});
    add(u"EMAIL"_qs, {u"internet"_qs}, {value(contact::Email)});
    add(u"ADR"_qs, {u"work"_qs},
        {{},
         value(contact::Address2),
         value(contact::Address1),
         value(contact::City),
         {},
         value(contact::PostalCode),
         {}});
    add(u"NOTE"_qs, {}, {contact.value(contact::Notes)});
    for (const auto& [property, column] : ownProperties())
        add(property, {}, {value(*column)});
    return card;
}

VCardContactSource::VCardContactSource(QIODevice& device, const QString& fileName)
    : ContactSource(fileName)
{
    QByteArray bytes;
    while (!device.atEnd()) {
        const QByteArray chunk = device.read(1 << 20);
        if (chunk.isEmpty())
            throw ParseError(
                fileName, int(bytes.count('\n')) + 1,
                QCoreApplication::translate("exchange", "the file cannot be read: %1").arg(device.errorString()));
        bytes += chunk;
    }
    m_cards = readVCards(bytes, fileName);
}

bool VCardContactSource::next(QStringList& values)
{
    if (m_next >= m_cards.size())
        return false;
    const VCard& card = m_cards.at(m_next++);
    m_line = card.line;
    const ContactValues contact = contactFromVCard(card);
    values.fill(QString(), store::contactColumns().size());
    for (auto it = contact.begin(); it != contact.end(); ++it)
        values[contactIndex(it.key())] = it.value();
    checkLengths(values, m_line);
    return true;
}

double VCardContactSource::fraction() const
{
    return fractionOf(m_next, m_cards.size());
}

} // namespace corvella::exchange
