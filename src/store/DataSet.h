#pragma once

#include "Field.h"
#include "FieldDef.h"
#include "RowCursor.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace corvella::store {

class Connection;

enum class DataSetState { Inactive, Browse, Edit, Insert };

/// A cursor over the rows of one table or query result on the contact file, with its own connection.
/// Rows are addressed by their rowid and read in small blocks on demand (`RowCursor`), so the size of the table does
/// not matter for opening or moving. The current record is held apart from the cursor while it is edited.
class DataSet : public QObject {
    Q_OBJECT
public:
    ~DataSet() override;

    const QString& connectionString() const { return m_connectionString; }
    void setConnectionString(const QString& connectionString);

    void open();
    void close();
    bool isActive() const { return m_state != DataSetState::Inactive; }
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }

    void first();
    void last();
    void next();
    void prior();
    /// True after a move past the last row (or on an empty result), as a walking loop expects.
    bool eof() const { return !m_rows || m_rows->eof(); }
    /// True after a move before the first row, or at the first row right after `first()`.
    bool bof() const { return !m_rows || m_rows->bof(); }
    bool isEmpty() const;
    /// Whether a row lies before / after the current one (what a navigator shows).
    bool hasPriorRow() const;
    bool hasNextRow() const;
    qint64 recordCount() const;
    /// The current record's place among the rows, counted from 1; 0 when there is none or it is new.
    qint64 recordPosition() const;
    /// Moves to the first row whose field equals the value; returns false (and stays) when none does.
    bool locate(const QString& fieldName, const QVariant& value);

    int fieldCount() const { return int(m_fields.size()); }
    const FieldDef& fieldDef(int index) const { return m_fields.at(index); }
    const QList<FieldDef>& fieldDefs() const { return m_fields; }
    /// Index of the named field without regard to letter case, or -1.
    int findField(const QString& name) const;
    /// The named field; raises "Field '%s' not found" when the data set has none.
    Field fieldByName(const QString& name);
    Field field(int index) { return Field(this, index); }
    bool isFieldVisible(int index) const { return m_visible.value(index, true); }
    void setFieldVisible(int index, bool visible);
    /// The name a window shows for a column, used in messages about its values; kept while the data set reopens.
    void setFieldCaption(const QString& fieldName, const QString& caption);
    QString fieldCaption(const QString& fieldName) const { return m_captions.value(fieldName.toCaseFolded()); }

    QVariant value(int index) const;
    /// Changes a field of the current record, entering edit mode (insert mode on an empty data set).
    void setValue(int index, const QVariant& value);

    virtual bool canModify() const { return false; }
    void edit();
    void insert();
    void post();
    void cancel();
    /// Drops any edit and reads the current record again as it is stored now; when it is gone, shows the one after
    /// it (or the last).
    void reloadRecord();
    void deleteRecord();
    bool isModified() const { return m_modified; }
    /// Before a move: stores a changed record as post does, drops an untouched one.
    void checkBrowseMode();

    /// Runs just before a record is stored; an exception from it stops the store.
    void setBeforePost(std::function<void(DataSet&)> handler) { m_beforePost = std::move(handler); }

    /// A bound control that cannot hand over its pending text reports why; the store then stops with it.
    void reportUpdateFailure(const QString& message) { m_updateFailure = message; }

    /// Stops bound controls from following the cursor while code walks the rows.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

signals:
    void activeChanged(bool active);
    void stateChanged();
    /// The current record moved or was re-read; bound controls show it again.
    void recordChanged();
    void fieldChanged(int index);
    /// Just before a store: bound controls hand over text they still hold.
    void updatingRecord();
    void fieldVisibilityChanged();

protected:
    explicit DataSet(QObject* parent);

    using Row = RowSource::Row;

    /// Opens the source on the connection: fills the field list and returns the quoted SQL name of a table whose
    /// rowids address the rows.
    virtual QString openSource(QSqlDatabase db) = 0;
    virtual void closeSource(QSqlDatabase) {}

    QSqlDatabase database() const;
    void setFields(QList<FieldDef> fields, int rowidAliasIndex);
    void setKnownRecordCount(qint64 count) { m_count = count; }
    /// The (quoted) column whose values number the source's rows; "rowid" unless the source says otherwise.
    void setRowidColumn(QString column) { m_rowidColumn = std::move(column); }
    qint64 currentRowid() const { return m_current.rowid; }
    /// Reads up to `limit` rows from the source starting at `rowid` (inclusive) upwards.
    QList<Row> readRows(qint64 fromRowid, int limit) const;
    void moveToRowid(qint64 rowid);
    void emitRecordChanged();
    /// The data set's connection, opened when it has none for the current connection string.
    Connection& connection();

private:
    /// Shows the cursor's row as the current record, after a move.
    void showCursorRow();
    Row emptyRow() const;
    void requireActive() const;
    void requireModifiable() const;
    void setState(DataSetState state);
    void flushControls();

    QString m_connectionString;
    std::unique_ptr<Connection> m_connection;
    QString m_connectionFor;         // the connection string m_connection was opened with
    std::optional<RowCursor> m_rows; // while open
    QList<FieldDef> m_fields;
    QList<bool> m_visible;
    QHash<QString, QString> m_captions; // by case-folded field name
    int m_rowidAlias = -1;
    QString m_rowidColumn;

    DataSetState m_state = DataSetState::Inactive;
    Row m_current;  // the record bound controls show, with any change not yet stored
    Row m_original; // the record as it was when editing began
    bool m_modified = false;
    mutable std::optional<qint64> m_count;
    int m_disableCount = 0;
    bool m_pendingRecordChanged = false;
    std::function<void(DataSet&)> m_beforePost;
    QString m_updateFailure;
};

/// A whole table, editable row by row.
class TableDataSet : public DataSet {
    Q_OBJECT
public:
    explicit TableDataSet(QObject* parent = nullptr);
    const QString& tableName() const { return m_tableName; }
    void setTableName(const QString& name) { m_tableName = name; }
    bool canModify() const override { return true; }

protected:
    QString openSource(QSqlDatabase db) override;

private:
    QString openServerTable(QSqlDatabase db);

    QString m_tableName;
};

/// A read-only query result: a snapshot taken when it opens, so its row count is known at once and stays
/// fixed, and any row can be reached directly by its number.
class QueryDataSet : public DataSet {
    Q_OBJECT
public:
    explicit QueryDataSet(QObject* parent = nullptr);

    const QStringList& sql() const { return m_sql; }
    void setSql(const QStringList& lines) { m_sql = lines; }
    /// Opens on the rows another connection has already run the statement into: the table made by
    /// `snapshot::createInStatement` in the SQLite file `snapshotFile`, which stays attached until the data set closes.
    void openPrepared(const QString& snapshotFile);
    /// The statement as the engine receives it: every line ended by CR LF.
    QString sqlText() const;

    /// Runs a statement that returns no rows (such as a delete) and returns the number of rows it touched.
    int execSql();
    /// Runs the statement, without opening the data set, and returns the first value of its first row (null when
    /// there is none): for a one-value query such as the highest record number, which needs no snapshot.
    QVariant firstValue();

    /// The current row's number, counted from 0.
    qint64 recNo() const;
    void moveTo(qint64 row);
    /// Reads a value of any row without moving the cursor; rows are cached a page at a time.
    QVariant valueAt(qint64 row, int field) const;

protected:
    QString openSource(QSqlDatabase db) override;
    void closeSource(QSqlDatabase db) override;

private:
    QStringList m_sql;
    QString m_preparedFile; // while openPrepared opens
    bool m_attached = false;
    mutable QHash<qint64, QList<Row>> m_pages;
};

} // namespace corvella::store
