#include "Columns.h"
#include "Connection.h"
#include "ConnectionString.h"
#include "DataSet.h"
#include "ServerDatabase.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>

namespace corvella::store {

TableDataSet::TableDataSet(QObject* parent)
    : DataSet(parent)
{}

QString TableDataSet::openSource(QSqlDatabase db)
{
    if (server::isServer(db))
        return openServerTable(db);
    QSqlQuery info = runQuery(db, u"PRAGMA table_info("_qs + quotedIdentifier(m_tableName) + u')');
    QList<FieldDef> fields;
    int primaryKeys = 0;
    int integerKey = -1;
    while (info.next()) {
        const QString name = info.value(1).toString();
        const QString type = info.value(2).toString();
        const int pk = info.value(5).toInt();
        if (pk > 0) {
            ++primaryKeys;
            if (type.compare(u"INTEGER"_qs, Qt::CaseInsensitive) == 0)
                integerKey = int(fields.size());
        }
        fields.append(fieldDefFromDeclaredType(name, type));
    }
    if (fields.isEmpty())
        throw DatabaseError(QCoreApplication::translate("store", "The contact file '%1' has no table %2.")
                                .arg(QDir::toNativeSeparators(db.databaseName()), m_tableName));
    // A single INTEGER primary key is the rowid itself.
    const int alias = primaryKeys == 1 ? integerKey : -1;
    if (alias >= 0)
        fields[alias] = fieldDefFromDeclaredType(fields[alias].name, QString(), true);
    setFields(std::move(fields), alias);
    return quotedIdentifier(m_tableName);
}

QString TableDataSet::openServerTable(QSqlDatabase db)
{
    QString exactName;
    if (m_tableName.compare(tables::Settings, Qt::CaseInsensitive) == 0)
        server::ensureOwnSettings(db);
    const QList<server::Column> columns = server::tableColumns(db, m_tableName, &exactName);
    if (columns.isEmpty())
        throw DatabaseError(
            u"The contact database '%1' has no table %2."_qs.arg(dataSourceOf(connectionString()), m_tableName));
    QList<FieldDef> fields;
    int alias = -1;
    for (const server::Column& column : columns) {
        if (column.key)
            alias = int(fields.size());
        fields.append(fieldDefFromDeclaredType(column.name, column.declaredType, column.key));
    }
    setFields(std::move(fields), alias);
    setRowidColumn(server::rowidColumn(exactName));
    return quotedIdentifier(exactName);
}

} // namespace corvella::store
