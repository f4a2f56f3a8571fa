#include "DataSet.h"

#include "Connection.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"
#include <QCoreApplication>

namespace corvella::store {

DataSet::DataSet(QObject* parent)
    : QObject(parent)
{}

DataSet::~DataSet() = default; // closing the connection drops any snapshot with it

void DataSet::setConnectionString(const QString& connectionString)
{
    m_connectionString = connectionString;
}

QSqlDatabase DataSet::database() const
{
    return m_connection ? m_connection->database() : QSqlDatabase();
}

void DataSet::open()
{
    if (isActive())
        return;
    connection();
    OnFailure closeAgain([this] {
        m_rows.reset();
        m_connection.reset();
        m_fields.clear();
    });
    m_rowidColumn = u"rowid"_qs;
    const QString source = openSource(database());
    QStringList columns;
    for (const FieldDef& def : std::as_const(m_fields))
        columns << def.name;
    m_rows.emplace(RowSource(*m_connection, source, columns, m_rowidColumn));
    m_rows->first();

    m_state = DataSetState::Browse;
    m_modified = false;
    showCursorRow();
    emit activeChanged(true);
    emit stateChanged();
    emitRecordChanged();
}

Connection& DataSet::connection()
{
    // A server connection outlives a close (the record numbering query runs for every new record); a file's is
    // made anew each time.
    if (!m_connection || m_connectionFor != m_connectionString) {
        m_connection = std::make_unique<Connection>(m_connectionString);
        m_connectionFor = m_connectionString;
    }
    return *m_connection;
}

void DataSet::close()
{
    if (!isActive())
        return;
    if (isEditing())
        cancel();
    closeSource(database());
    m_rows.reset();
    if (!m_connection->isServer())
        m_connection.reset();
    m_state = DataSetState::Inactive;
    m_current = Row();
    m_original = Row();
    m_count.reset();
    m_modified = false;
    emit activeChanged(false);
    emit stateChanged();
    emitRecordChanged();
}

void DataSet::setFields(QList<FieldDef> fields, int rowidAliasIndex)
{
    m_fields = std::move(fields);
    m_visible = QList<bool>(m_fields.size(), true);
    m_rowidAlias = rowidAliasIndex;
    m_count.reset();
}

void DataSet::setFieldVisible(int index, bool visible)
{
    if (index >= 0 && index < m_visible.size() && m_visible[index] != visible) {
        m_visible[index] = visible;
        emit fieldVisibilityChanged();
    }
}

void DataSet::setFieldCaption(const QString& fieldName, const QString& caption)
{
    m_captions.insert(fieldName.toCaseFolded(), caption);
}

QList<DataSet::Row> DataSet::readRows(qint64 fromRowid, int limit) const
{
    return m_rows ? m_rows->source().rowsFrom(fromRowid, limit) : QList<Row>();
}

DataSet::Row DataSet::emptyRow() const
{
    Row row;
    row.values = QList<QVariant>(m_fields.size());
    return row;
}

void DataSet::showCursorRow()
{
    m_current = m_rows->isEmpty() ? emptyRow() : m_rows->row();
}

void DataSet::requireActive() const
{
    if (!isActive())
        throw DatabaseError(QCoreApplication::translate("store", "Cannot perform this operation on a closed dataset"));
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void DataSet::emitRecordChanged()
{
    if (m_disableCount > 0) {
        m_pendingRecordChanged = true;
        return;
    }
    emit recordChanged();
}

void DataSet::first()
{
    requireActive();
    checkBrowseMode();
    m_rows->first();
    showCursorRow();
    emitRecordChanged();
}

void DataSet::last()
{
    requireActive();
    checkBrowseMode();
    m_rows->last();
    showCursorRow();
    emitRecordChanged();
}

void DataSet::next()
{
    requireActive();
    checkBrowseMode();
    m_rows->next();
    showCursorRow();
    emitRecordChanged();
}

void DataSet::prior()
{
    requireActive();
    checkBrowseMode();
    m_rows->prior();
    showCursorRow();
    emitRecordChanged();
}

void DataSet::moveToRowid(qint64 rowid)
{
    m_rows->moveTo(rowid);
    showCursorRow();
    emitRecordChanged();
}

bool DataSet::isEmpty() const
{
    // While inserting, the cursor still stands on the row the insert started from.
    return !m_rows || m_rows->isEmpty();
}

bool DataSet::hasPriorRow() const
{
    return isActive() && m_rows->hasPrior();
}

bool DataSet::hasNextRow() const
{
    return isActive() && m_rows->hasNext();
}

qint64 DataSet::recordCount() const
{
    if (!isActive())
        return 0;
    if (!m_count)
        m_count = m_rows->source().count();
    return *m_count;
}

qint64 DataSet::recordPosition() const
{
    if (!isActive() || m_state == DataSetState::Insert || m_rows->isEmpty())
        return 0;
    return m_rows->source().countUpTo(m_rows->row().rowid);
}

bool DataSet::locate(const QString& fieldName, const QVariant& value)
{
    requireActive();
    const Field field = fieldByName(fieldName);
    checkBrowseMode();
    const std::optional<qint64> rowid = m_rows->source().find(field.name(), value);
    if (!rowid)
        return false;
    moveToRowid(*rowid);
    return true;
}

int DataSet::findField(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field DataSet::fieldByName(const QString& name)
{
    const int index = findField(name);
    if (index < 0)
        throw DatabaseError(QCoreApplication::translate("store", "Field '%1' not found").arg(name));
    return Field(this, index);
}

QVariant DataSet::value(int index) const
{
    return m_current.values.value(index);
}

void DataSet::disableControls()
{
    ++m_disableCount;
}

void DataSet::enableControls()
{
    if (m_disableCount > 0 && --m_disableCount == 0 && m_pendingRecordChanged) {
        m_pendingRecordChanged = false;
        emit recordChanged();
    }
}

} // namespace corvella::store
