// The data set's editing half: changing fields, storing, discarding and deleting records.
#include "Connection.h"
#include "DataSet.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace corvella::store {

namespace {

constexpr int MaxInsertTries = 3;
// The advisory lock key under which programs take turns at numbering new contacts.
constexpr int NumberingLock = 1911;

} // namespace

void DataSet::requireModifiable() const
{
    requireActive();
    if (!canModify())
        throw DatabaseError(QCoreApplication::translate("store", "Cannot modify a read-only dataset"));
}

void DataSet::setValue(int index, const QVariant& value)
{
    requireModifiable();
    if (index < 0 || index >= m_fields.size())
        throw DatabaseError(QCoreApplication::translate("store", "Field index %1 out of range").arg(index));
    if (m_state == DataSetState::Browse) {
        if (isEmpty())
            insert();
        else
            edit();
    }
    QVariant& slot = m_current.values[index];
    if (sameValue(slot, value))
        return;
    slot = value;
    m_modified = true;
    emit fieldChanged(index);
}

void DataSet::edit()
{
    requireModifiable();
    if (isEditing())
        return;
    if (isEmpty()) {
        insert();
        return;
    }
    m_original = m_current;
    m_modified = false;
    setState(DataSetState::Edit);
}

void DataSet::insert()
{
    requireModifiable();
    checkBrowseMode();
    m_original = m_current;
    m_current = emptyRow();
    m_modified = false;
    setState(DataSetState::Insert);
    emitRecordChanged();
}

void DataSet::post()
{
    requireActive();
    if (!isEditing())
        return;
    flushControls();
    // On a server, programs storing new records take turns from reading the highest number to storing theirs, so
    // the number they take is free in the common case; the retry below covers programs that do not take turns.
    const bool takeTurns = m_state == DataSetState::Insert && m_connection->isServer();
    if (takeTurns)
        execOrThrow(database(), u"SELECT pg_advisory_lock(%1)"_qs.arg(NumberingLock));
    ScopeExit endTurn([&] {
        if (takeTurns)
            QSqlQuery(database()).exec(u"SELECT pg_advisory_unlock(%1)"_qs.arg(NumberingLock));
    });
    if (m_beforePost)
        m_beforePost(*this);
    m_connection->reopenIfReadOnly();

    const RowSource& source = m_rows->source();
    qint64 rowid = m_current.rowid;
    if (m_state == DataSetState::Insert) {
        // Another program may store a row under the number just given; the before-post handler gives the next one.
        for (int tries = 1;; ++tries) {
            try {
                rowid = source.insert(m_current.values);
                break;
            } catch (const KeyClashError&) {
                if (!m_beforePost || tries == MaxInsertTries)
                    throw;
                m_beforePost(*this);
            }
        }
        if (m_count)
            ++*m_count;
    } else if (source.update(m_current.rowid, m_original.values, m_current.values)) {
        // A changed rowid alias moves the row to its new number.
        if (m_rowidAlias >= 0 && !m_current.values.at(m_rowidAlias).isNull())
            rowid = m_current.values.at(m_rowidAlias).toLongLong();
    }
    m_modified = false;
    setState(DataSetState::Browse);
    moveToRowid(rowid);
}

void DataSet::reloadRecord()
{
    requireActive();
    const qint64 rowid = m_state == DataSetState::Insert ? m_original.rowid : m_current.rowid;
    cancel();
    // Reopening forgets every row read so far.
    close();
    open();
    const QList<Row> from = m_rows->source().rowsFrom(rowid, 1);
    if (from.isEmpty())
        last();
    else
        moveToRowid(from.first().rowid);
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    m_modified = false;
    m_current = isEmpty() ? emptyRow() : m_original;
    setState(DataSetState::Browse);
    emitRecordChanged();
}

void DataSet::flushControls()
{
    m_updateFailure.clear();
    emit updatingRecord();
    if (!m_updateFailure.isEmpty())
        throw DatabaseError(std::exchange(m_updateFailure, QString()));
}

void DataSet::checkBrowseMode()
{
    if (!isEditing())
        return;
    flushControls();
    if (m_modified)
        post();
    else
        cancel();
}

void DataSet::deleteRecord()
{
    requireModifiable();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_state == DataSetState::Edit)
        cancel();
    if (isEmpty())
        throw DatabaseError(QCoreApplication::translate("store", "Cannot perform this operation on an empty dataset"));
    const qint64 rowid = m_current.rowid;
    m_connection->reopenIfReadOnly();
    m_rows->source().remove(rowid);
    if (m_count && *m_count > 0)
        --*m_count;
    m_rows->moveAfterRemoved(rowid);
    showCursorRow();
    emitRecordChanged();
}

} // namespace corvella::store
