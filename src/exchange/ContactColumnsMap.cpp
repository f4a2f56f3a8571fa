#include "ContactColumnsMap.h"

#include "store/Columns.h"
#include "store/ContactSchema.h"

namespace corvella::exchange {

namespace {

namespace contact = store::contact;

using NameTable = QList<std::pair<const char16_t*, const QString*>>;

const NameTable& googleNames()
{
    static const NameTable names = {
        {u"First Name", &contact::FirstName},
        {u"Last Name", &contact::LastName},
        {u"Organization Name", &contact::Company},
        {u"Organization 1 - Name", &contact::Company},
        {u"Organization Title", &contact::Occupation},
        {u"Organization 1 - Title", &contact::Occupation},
        {u"E-mail 1 - Value", &contact::Email},
        {u"Address 1 - Street", &contact::Address1},
        {u"Address 1 - City", &contact::City},
        {u"Address 1 - Postal Code", &contact::PostalCode},
        {u"Notes", &contact::Notes},
    };
    return names;
}

const NameTable& outlookNames()
{
    static const NameTable names = {
        {u"First Name", &contact::FirstName}, {u"Last Name", &contact::LastName},
        {u"Company", &contact::Company},      {u"Job Title", &contact::Occupation},
        {u"E-mail Address", &contact::Email}, {u"Business Phone", &contact::WorkPhone},
        {u"Home Phone", &contact::HomePhone}, {u"Mobile Phone", &contact::MobilePhone},
        {u"Business Fax", &contact::Fax},     {u"Business Street", &contact::Address1},
        {u"Business City", &contact::City},   {u"Business Postal Code", &contact::PostalCode},
        {u"Notes", &contact::Notes},
    };
    return names;
}

QString lookUp(const NameTable& names, const QString& heading)
{
    for (const auto& [name, column] : names)
        if (heading.compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0)
            return *column;
    return {};
}

/// The contact column a Google phone kind goes to; other kinds ("Pager", "Main") are not imported.
QString phoneColumn(const QString& kind)
{
    const QString k = kind.trimmed().toLower();
    if (k.contains(u"fax"_qs))
        return contact::Fax;
    if (k.contains(u"mobile"_qs))
        return contact::MobilePhone;
    if (k.contains(u"work"_qs))
        return contact::WorkPhone;
    if (k.contains(u"home"_qs))
        return contact::HomePhone;
    return {};
}

QString firstOfMany(const QString& value)
{
    const qsizetype separator = value.indexOf(u" ::: "_qs);
    return separator < 0 ? value : value.left(separator);
}

} // namespace

ColumnMap recogniseColumns(const QStringList& header)
{
    ColumnMap map;
    const auto has = [&header](const char16_t* name) {
        return header.contains(QString::fromUtf16(name), Qt::CaseInsensitive);
    };

    // Corvella's own export: every heading is a column of the contact table, in any case.
    QHash<QString, QString> ownSpelling{{contact::RecordNumber.toLower(), contact::RecordNumber}};
    for (const store::ContactColumn& column : store::contactColumns())
        ownSpelling.insert(column.name.toLower(), column.name);
    QStringList own;
    for (const QString& heading : header)
        own << ownSpelling.value(heading.trimmed().toLower());
    if (!header.isEmpty() && !own.contains(QString())) {
        map.layout = CsvLayout::Corvella;
        // New contacts get new numbers, so "No" is not imported.
        for (const QString& column : own)
            map.contactColumnOf << (column == contact::RecordNumber ? QString() : column);
        return map;
    }
    if (has(u"E-mail 1 - Value") || has(u"Phone 1 - Value") || has(u"Organization Name") ||
        has(u"Organization 1 - Name")) {
        map.layout = CsvLayout::Google;
        for (qsizetype i = 0; i < header.size(); ++i) {
            map.contactColumnOf << lookUp(googleNames(), header.at(i).trimmed());
            const QString heading = header.at(i).trimmed();
            if (heading.startsWith(u"Phone "_qs) && heading.endsWith(u" - Type"_qs)) {
                const QString valueHeading = heading.chopped(4) + u"Value"_qs;
                const qsizetype value = header.indexOf(valueHeading);
                if (value >= 0)
                    map.phoneTypeAndValue.append({int(i), int(value)});
            }
        }
        return map;
    }
    if (has(u"E-mail Address") || has(u"Business Phone") || has(u"Job Title")) {
        map.layout = CsvLayout::Outlook;
        for (const QString& heading : header)
            map.contactColumnOf << lookUp(outlookNames(), heading.trimmed());
        return map;
    }
    map.contactColumnOf = QStringList(header.size(), QString());
    return map;
}

QHash<QString, QString> contactValues(const ColumnMap& map, const QStringList& record)
{
    QHash<QString, QString> values;
    const qsizetype columns = std::min(record.size(), map.contactColumnOf.size());
    for (qsizetype i = 0; i < columns; ++i) {
        const QString& column = map.contactColumnOf.at(i);
        if (!column.isEmpty() && !values.contains(column))
            values.insert(column, map.layout == CsvLayout::Google ? firstOfMany(record.at(i)) : record.at(i));
    }
    for (const auto& [typeColumn, valueColumn] : map.phoneTypeAndValue) {
        if (typeColumn >= record.size() || valueColumn >= record.size())
            continue;
        const QString column = phoneColumn(record.at(typeColumn));
        if (!column.isEmpty() && values.value(column).isEmpty())
            values.insert(column, firstOfMany(record.at(valueColumn)));
    }
    return values;
}

} // namespace corvella::exchange
