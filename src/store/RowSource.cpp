#include "RowSource.h"

#include "Connection.h"
#include "core/Error.h"

#include <QSqlQuery>

#include <QCoreApplication>
#include <algorithm>

namespace corvella::store {

RowSource::RowSource(const Connection& connection, QString name, QStringList columns, QString rowidColumn)
    : m_connection(&connection)
    , m_name(std::move(name))
    , m_columns(std::move(columns))
    , m_rowid(std::move(rowidColumn))
    , m_selectList(m_rowid)
{
    for (const QString& column : std::as_const(m_columns))
        m_selectList += u", "_qs + quotedIdentifier(column);
}

QSqlDatabase RowSource::database() const
{
    return m_connection->database();
}

RowSource::Row RowSource::emptyRow() const
{
    Row row;
    row.values = QList<QVariant>(m_columns.size());
    return row;
}

QList<RowSource::Row> RowSource::read(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = runQuery(database(), sql, values);
    QList<Row> rows;
    const qsizetype columns = m_columns.size();
    while (query.next()) {
        Row row;
        row.rowid = query.value(0).toLongLong();
        row.values.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.values.append(query.value(i + 1));
        rows.append(std::move(row));
    }
    return rows;
}

QList<RowSource::Row> RowSource::rowsBeyond(Direction direction, std::optional<qint64> from, int limit) const
{
    const bool forward = direction == Direction::Forward;
    QString sql = u"SELECT "_qs + m_selectList + u" FROM "_qs + m_name;
    QVariantList values;
    if (from) {
        sql += (forward ? u" WHERE %1 > ?"_qs : u" WHERE %1 < ?"_qs).arg(m_rowid);
        values << *from;
    }
    sql += (forward ? u" ORDER BY %1 LIMIT "_qs : u" ORDER BY %1 DESC LIMIT "_qs).arg(m_rowid);
    sql += QString::number(limit);
    QList<Row> rows = read(sql, values);
    if (!forward)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<RowSource::Row> RowSource::rowsFrom(qint64 rowid, int limit) const
{
    return read(u"SELECT "_qs + m_selectList + u" FROM "_qs + m_name +
                    u" WHERE %1 >= ? ORDER BY %1 LIMIT "_qs.arg(m_rowid) + QString::number(limit),
                {rowid});
}

bool RowSource::hasRowBeyond(Direction direction, qint64 rowid) const
{
    const QString test = (direction == Direction::Forward ? u" WHERE %1 > ?"_qs : u" WHERE %1 < ?"_qs).arg(m_rowid);
    return runQuery(database(), u"SELECT 1 FROM "_qs + m_name + test + u" LIMIT 1"_qs, {rowid}).next();
}

qint64 RowSource::count() const
{
    QSqlQuery query = runQuery(database(), u"SELECT count(*) FROM "_qs + m_name);
    return query.next() ? query.value(0).toLongLong() : 0;
}

qint64 RowSource::countUpTo(qint64 rowid) const
{
    QSqlQuery query =
        runQuery(database(), u"SELECT count(*) FROM "_qs + m_name + u" WHERE "_qs + m_rowid + u" <= ?"_qs, {rowid});
    return query.next() ? query.value(0).toLongLong() : 0;
}

std::optional<qint64> RowSource::find(const QString& column, const QVariant& value) const
{
    QSqlQuery query = runQuery(database(),
                               u"SELECT "_qs + m_rowid + u" FROM "_qs + m_name + u" WHERE "_qs +
                                   quotedIdentifier(column) + u" = ? ORDER BY "_qs + m_rowid + u" LIMIT 1"_qs,
                               {value});
    if (!query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

qint64 RowSource::insert(const QList<QVariant>& values) const
{
    QStringList columns;
    QStringList marks;
    QVariantList bound;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (values.at(i).isNull())
            continue;
        columns << quotedIdentifier(m_columns.at(i));
        marks << u"?"_qs;
        bound << values.at(i);
    }
    QString sql = u"INSERT INTO "_qs + m_name;
    if (columns.isEmpty())
        sql += u" DEFAULT VALUES"_qs;
    else
        sql += u" ("_qs + columns.join(u", "_qs) + u") VALUES ("_qs + marks.join(u", "_qs) + u')';
    if (m_connection->isServer()) {
        QSqlQuery query = runQuery(database(), sql + u" RETURNING "_qs + m_rowid, bound);
        return query.next() ? query.value(0).toLongLong() : 0;
    }
    return runQuery(database(), sql, bound).lastInsertId().toLongLong();
}

bool RowSource::update(qint64 rowid, const QList<QVariant>& original, const QList<QVariant>& values) const
{
    QStringList assignments;
    QVariantList bound;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (sameValue(values.at(i), original.value(i)))
            continue;
        assignments << quotedIdentifier(m_columns.at(i)) + u" = ?"_qs;
        bound << values.at(i);
    }
    if (assignments.isEmpty())
        return false;
    bound << rowid;
    // Written only over the row as it was read: another program's change in between is refused, not overwritten.
    // Texts compare exactly (a change of letter case counts); numbers read back from floating columns are left out.
    const QString exact = m_connection->isServer() ? u" COLLATE \"C\""_qs : u" COLLATE BINARY"_qs;
    QString unchanged;
    for (int i = 0; i < m_columns.size(); ++i) {
        const QVariant& read = original.value(i);
        const bool text = read.typeId() == QMetaType::QString;
        if (!read.isNull() && !text && read.typeId() != QMetaType::LongLong && read.typeId() != QMetaType::Int)
            continue;
        if (read.isNull()) {
            unchanged += u" AND "_qs + quotedIdentifier(m_columns.at(i)) + u" IS NULL"_qs;
            continue;
        }
        unchanged += u" AND "_qs + quotedIdentifier(m_columns.at(i)) + (text ? exact : QString()) + u" = ?"_qs;
        bound << read;
    }
    const QSqlQuery query = runQuery(database(),
                                     u"UPDATE "_qs + m_name + u" SET "_qs + assignments.join(u", "_qs) + u" WHERE "_qs +
                                         m_rowid + u" = ?"_qs + unchanged,
                                     bound);
    if (query.numRowsAffected() == 0) {
        if (runQuery(database(), u"SELECT 1 FROM "_qs + m_name + u" WHERE "_qs + m_rowid + u" = ?"_qs, {rowid}).next())
            throw RecordChangedError(QCoreApplication::translate(
                "store", "Another user has changed this record since it was read. Your changes were not stored."));
        throw RecordChangedError(
            QCoreApplication::translate("store", "The record cannot be found for updating; it may have been deleted."));
    }
    return true;
}

void RowSource::remove(qint64 rowid) const
{
    runQuery(database(), u"DELETE FROM "_qs + m_name + u" WHERE "_qs + m_rowid + u" = ?"_qs, {rowid});
}

} // namespace corvella::store
