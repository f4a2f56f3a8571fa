#include "QuerySnapshot.h"

#include "Connection.h"
#include "StatementCollation.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>

namespace corvella::store::snapshot {

namespace {

const QString TableName = u"snapshot"_qs;
const QString QualifiedName = u"temp."_qs + TableName;

/// Declared types of every column of the file's tables, by lower-case name; where names repeat, the table the
/// statement selects from wins.
QHash<QString, QString> declaredTypes(const QSqlDatabase& db, const QString& statement)
{
    QHash<QString, QString> declared;
    auto collect = [&](const QString& tableName, bool override) {
        QSqlQuery info = runQuery(db, u"PRAGMA main.table_info("_qs + quotedIdentifier(tableName) + u')');
        while (info.next()) {
            const QString key = info.value(1).toString().toLower();
            QString type = info.value(2).toString();
            if (info.value(5).toInt() == 1 && type.compare(u"INTEGER"_qs, Qt::CaseInsensitive) == 0)
                type = u"AUTONUMBER"_qs;
            if (override || !declared.contains(key))
                declared.insert(key, type);
        }
    };
    QSqlQuery tables = runQuery(db, u"SELECT name FROM main.sqlite_master WHERE type = 'table'"_qs);
    QStringList tableNames;
    while (tables.next())
        tableNames << tables.value(0).toString();
    for (const QString& name : std::as_const(tableNames))
        collect(name, false);
    static const QRegularExpression fromTable(uR"re(\bfrom\s+(?:\[([^\]]+)\]|"([^"]+)"|([^\s;,()]+)))re"_qs,
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = fromTable.match(statement);
    if (match.hasMatch()) {
        const QString name = match.captured(1) + match.captured(2) + match.captured(3);
        for (const QString& candidate : std::as_const(tableNames))
            if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                collect(candidate, true);
    }
    return declared;
}

/// The statement's own spelling of each bracketed name, by lower-case name.
QHash<QString, QString> spellings(const QString& statement)
{
    QHash<QString, QString> spelling;
    static const QRegularExpression bracketedName(uR"re(\[([^\]]+)\])re"_qs);
    for (auto it = bracketedName.globalMatch(statement); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!spelling.contains(name.toLower()))
            spelling.insert(name.toLower(), name);
    }
    return spelling;
}

} // namespace

QString create(const QSqlDatabase& db, const QString& statement)
{
    runQuery(db, u"DROP TABLE IF EXISTS "_qs + QualifiedName);
    runQuery(db, u"CREATE TEMP TABLE "_qs + TableName + u" AS "_qs + withTurkishComparisons(statement));
    return QualifiedName;
}

QString createInStatement(const QString& statement, const QString& schema)
{
    return u"CREATE TABLE "_qs + schema + u'.' + TableName + u" AS "_qs + withTurkishComparisons(statement);
}

void drop(const QSqlDatabase& db)
{
    if (db.isOpen()) {
        QSqlQuery query(db);
        query.exec(u"DROP TABLE IF EXISTS "_qs + QualifiedName);
    }
}

QList<FieldDef> fields(const QSqlDatabase& db, const QString& statement, const QString& schema)
{
    // The snapshot knows only affinities; the declared types come from the tables. A result column is named as the
    // statement spells it ("[e-mail]" gives "e-mail" although the table says "E-mail"), where the engine would use
    // the table's spelling.
    const QHash<QString, QString> declared = declaredTypes(db, statement);
    const QHash<QString, QString> spelling = spellings(statement);
    QSqlQuery info = runQuery(db, u"PRAGMA "_qs + schema + u".table_info("_qs + TableName + u')');
    QList<FieldDef> fields;
    while (info.next()) {
        const QString stored = info.value(1).toString();
        const QString name = spelling.value(stored.toLower(), stored);
        const QString type = declared.value(stored.toLower(), info.value(2).toString());
        fields.append(fieldDefFromDeclaredType(name, type, type == u"AUTONUMBER"_qs));
    }
    return fields;
}

qint64 rowCount(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery count =
        runQuery(db, u"SELECT coalesce(max(rowid), 0) FROM "_qs + (table.isEmpty() ? QualifiedName : table));
    return count.next() ? count.value(0).toLongLong() : 0;
}

} // namespace corvella::store::snapshot
