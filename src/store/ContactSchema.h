#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace corvella::store {

class Connection;
class QueryDataSet;

/// One text column of the contact table and its maximum length.
struct ContactColumn {
    QString name;
    int size;
};

/// The text columns of `kayit` in their table order (after the record number `No`).
const QList<ContactColumn>& contactColumns();

/// The statements that create the three tables of a new contact file.
QStringList contactFileSchema();

/// Settings for a new file: A4 paper, a 3 x 8 sheet of 70 x 37 mm labels, Arial fonts, 5 mm list lines.
QList<QPair<QString, QVariant>> defaultPrintSettings();

/// Creates a new, empty contact file at `filePath` (its folder included) with one settings row.
/// Refuses to touch a file that already exists.
void createContactFile(const QString& filePath);

/// Adds the tables of a new contact file that the database lacks, and the settings row when it adds the settings
/// table, in one transaction.
void createContactTables(const QSqlDatabase& db);

/// Record numbering for a new contact: the highest `No` plus 1, or 11 in an empty table. `maxQuery` holds
/// "select max([No]) from kayit" and is closed, opened and closed again.
int nextRecordNumber(QueryDataSet& maxQuery);

} // namespace corvella::store
