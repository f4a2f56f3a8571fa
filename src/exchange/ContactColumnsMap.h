#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvella::exchange {

/// Whose CSV export a file is, judged from its header row.
enum class CsvLayout { Corvella, Google, Outlook, Unknown };

/// Where each contact column's value is in a CSV file's records.
struct ColumnMap {
    CsvLayout layout = CsvLayout::Unknown;
    /// Per file column: the contact column it fills, or empty for a column that is not imported.
    QStringList contactColumnOf;
    /// Google writes phones as pairs of columns: the number's kind ("Mobile", "Work Fax", ...) and the number.
    QList<std::pair<int, int>> phoneTypeAndValue;
};

/// Recognises the header row of Corvella's own export (the contact columns by name, "No" left to numbering), of
/// Google Contacts and of Outlook; anything else is `Unknown`, for the user to map.
ColumnMap recogniseColumns(const QStringList& header);

/// The contact's values in one record, by contact column; columns the record lacks (a short row) are left out.
/// Where Google's export joins several values with " ::: ", the first is taken.
QHash<QString, QString> contactValues(const ColumnMap& map, const QStringList& record);

} // namespace corvella::exchange
