#include "Connection.h"
#include "DataSet.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>

namespace corvella::store {

TableDataSet::TableDataSet(QObject* parent)
    : DataSet(parent)
{}

QString TableDataSet::openSource(QSqlDatabase db)
{
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

} // namespace corvella::store
