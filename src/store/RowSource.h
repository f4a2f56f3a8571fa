#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace corvella::store {

class Connection;

/// The statements a data set runs on the rows it shows: a table, or a query's snapshot, whose rows are addressed
/// by their rowid. Holds no rows itself.
class RowSource {
public:
    struct Row {
        qint64 rowid = 0;
        QList<QVariant> values;
    };
    enum class Direction { Forward, Backward };

    /// `name` is the source's SQL name as statements use it (quoted); `columns` its field names, in field order;
    /// `rowidColumn` the (quoted) column that numbers its rows.
    RowSource(const Connection& connection, QString name, QStringList columns, QString rowidColumn = u"rowid"_qs);

    const QString& name() const { return m_name; }
    /// A row of NULLs, one per field, with no rowid.
    Row emptyRow() const;

    /// Up to `limit` rows next to `from` in the direction (the first or the last rows without it), in rowid order.
    QList<Row> rowsBeyond(Direction direction, std::optional<qint64> from, int limit) const;
    /// Up to `limit` rows from `rowid` (inclusive) upwards.
    QList<Row> rowsFrom(qint64 rowid, int limit) const;
    /// Whether any row lies beyond `rowid` in the direction.
    bool hasRowBeyond(Direction direction, qint64 rowid) const;
    qint64 count() const;
    /// How many rows have a rowid up to and including `rowid`: a row's position counted from 1.
    qint64 countUpTo(qint64 rowid) const;
    /// The rowid of the first row whose column equals the value.
    std::optional<qint64> find(const QString& column, const QVariant& value) const;

    /// Stores a new row from its non-NULL values and returns its rowid.
    qint64 insert(const QList<QVariant>& values) const;
    /// Writes the values that differ from `original`; returns false, writing nothing, when none does.
    bool update(qint64 rowid, const QList<QVariant>& original, const QList<QVariant>& values) const;
    void remove(qint64 rowid) const;

private:
    QSqlDatabase database() const;
    QList<Row> read(const QString& sql, const QVariantList& values) const;

    const Connection* m_connection;
    QString m_name;
    QStringList m_columns;
    QString m_rowid;
    QString m_selectList; // "rowid, " and the quoted columns
};

/// Whether two field values are the same, telling NULL from an empty text or zero.
inline bool sameValue(const QVariant& a, const QVariant& b)
{
    return a.isNull() == b.isNull() && a == b;
}

} // namespace corvella::store
