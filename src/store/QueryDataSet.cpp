#include "Connection.h"
#include "ConnectionString.h"
#include "DataSet.h"
#include "QuerySnapshot.h"
#include "ServerDatabase.h"
#include "core/ScopeGuard.h"

#include <QSqlQuery>

#include <QSqlQuery>

namespace corvella::store {

namespace {

constexpr int PageSize = 256;
constexpr int MaxCachedPages = 64;
const QString PreparedSchema = u"prepared"_qs;

} // namespace

QueryDataSet::QueryDataSet(QObject* parent)
    : DataSet(parent)
{}

QString QueryDataSet::sqlText() const
{
    QString text;
    for (const QString& line : m_sql)
        text += line + u"\r\n"_qs;
    return text;
}

int QueryDataSet::execSql()
{
    Connection connection(connectionString());
    const QSqlQuery query = runQuery(connection.database(), sqlText());
    return query.numRowsAffected();
}

QVariant QueryDataSet::firstValue()
{
    if (!server::isAddress(dataSourceOf(connectionString()))) {
        close();
        open();
        const QVariant result = isEmpty() || fieldCount() == 0 ? QVariant() : value(0);
        close();
        return result;
    }
    // On a server a snapshot is a table made and dropped, which costs more than the statement itself.
    QSqlQuery query = runQuery(connection().database(), sqlText());
    return query.next() ? query.value(0) : QVariant();
}

QString QueryDataSet::openSource(QSqlDatabase db)
{
    m_pages.clear();
    m_attached = false;
    const QString statement = sqlText();
    if (server::isServer(db)) {
        qint64 rows = 0;
        const QString table = server::createSnapshot(db, statement, &rows);
        QList<FieldDef> fields;
        for (const server::Column& column : server::snapshotColumns(db))
            fields.append(fieldDefFromDeclaredType(column.name, column.declaredType, column.key));
        setFields(std::move(fields), -1);
        setKnownRecordCount(rows);
        return table;
    }
    if (!m_preparedFile.isEmpty()) {
        runQuery(db, u"ATTACH ? AS "_qs + PreparedSchema, {m_preparedFile});
        m_attached = true;
        const QString table = PreparedSchema + u".snapshot"_qs;
        setFields(snapshot::fields(db, statement, PreparedSchema), -1);
        setKnownRecordCount(snapshot::rowCount(db, table));
        return table;
    }
    const QString table = snapshot::create(db, statement);
    setFields(snapshot::fields(db, statement), -1);
    setKnownRecordCount(snapshot::rowCount(db));
    return table;
}

void QueryDataSet::closeSource(QSqlDatabase db)
{
    m_pages.clear();
    if (server::isServer(db)) {
        server::dropSnapshot(db);
    } else if (m_attached) {
        m_attached = false;
        QSqlQuery(db).exec(u"DETACH "_qs + PreparedSchema);
    } else {
        snapshot::drop(db);
    }
}

void QueryDataSet::openPrepared(const QString& snapshotFile)
{
    close();
    m_preparedFile = snapshotFile;
    const ScopeExit forget([this] { m_preparedFile.clear(); });
    open();
}

qint64 QueryDataSet::recNo() const
{
    return isActive() && !isEmpty() ? currentRowid() - 1 : -1;
}

void QueryDataSet::moveTo(qint64 row)
{
    if (!isActive() || row < 0 || row >= recordCount() || row == recNo())
        return;
    moveToRowid(row + 1);
}

QVariant QueryDataSet::valueAt(qint64 row, int field) const
{
    if (!isActive() || row < 0 || row >= recordCount())
        return {};
    const qint64 page = row / PageSize;
    auto it = m_pages.constFind(page);
    if (it == m_pages.constEnd()) {
        if (m_pages.size() >= MaxCachedPages)
            m_pages.clear();
        it = m_pages.insert(page, readRows(page * PageSize + 1, PageSize));
    }
    const QList<Row>& rows = *it;
    const qint64 offset = row - page * PageSize;
    return offset < rows.size() ? rows.at(offset).values.value(field) : QVariant();
}

} // namespace corvella::store
