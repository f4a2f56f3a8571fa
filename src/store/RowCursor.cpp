#include "RowCursor.h"

#include "core/Error.h"
#include <QCoreApplication>

namespace corvella::store {

namespace {

constexpr int BlockSize = 64;

using Direction = RowSource::Direction;

} // namespace

RowCursor::RowCursor(RowSource source)
    : m_source(std::move(source))
    , m_emptyRow(m_source.emptyRow())
{}

void RowCursor::show(QList<Row> rows, int position)
{
    forgetNeighbours();
    m_block = std::move(rows);
    m_position = m_block.isEmpty() ? -1 : position;
    m_bof = m_eof = m_block.isEmpty();
}

void RowCursor::forgetNeighbours() const
{
    m_hasPrior.reset();
    m_hasNext.reset();
}

void RowCursor::first()
{
    show(m_source.rowsBeyond(Direction::Forward, std::nullopt, BlockSize), 0);
    m_bof = true;
}

void RowCursor::last()
{
    QList<Row> rows = m_source.rowsBeyond(Direction::Backward, std::nullopt, BlockSize);
    const int position = int(rows.size()) - 1;
    show(std::move(rows), position);
    m_eof = true;
}

void RowCursor::next()
{
    if (isEmpty()) {
        m_eof = true;
        return;
    }
    if (m_position + 1 < m_block.size()) {
        forgetNeighbours();
        ++m_position;
        m_bof = false;
        return;
    }
    QList<Row> rows = m_source.rowsBeyond(Direction::Forward, row().rowid, BlockSize);
    if (rows.isEmpty())
        m_eof = true;
    else
        show(std::move(rows), 0);
}

void RowCursor::prior()
{
    if (isEmpty()) {
        m_bof = true;
        return;
    }
    if (m_position > 0) {
        forgetNeighbours();
        --m_position;
        m_eof = false;
        return;
    }
    QList<Row> rows = m_source.rowsBeyond(Direction::Backward, row().rowid, BlockSize);
    if (rows.isEmpty()) {
        m_bof = true;
    } else {
        const int position = int(rows.size()) - 1;
        show(std::move(rows), position);
    }
}

void RowCursor::moveTo(qint64 rowid)
{
    QList<Row> rows = m_source.rowsFrom(rowid, BlockSize);
    if (rows.isEmpty() || rows.first().rowid != rowid)
        throw DatabaseError(
            QCoreApplication::translate("store", "The record cannot be found; it may have been deleted."));
    show(std::move(rows), 0);
}

void RowCursor::moveAfterRemoved(qint64 rowid)
{
    QList<Row> rows = m_source.rowsBeyond(Direction::Forward, rowid, BlockSize);
    if (!rows.isEmpty()) {
        show(std::move(rows), 0);
        return;
    }
    rows = m_source.rowsBeyond(Direction::Backward, rowid, BlockSize);
    const int position = int(rows.size()) - 1;
    show(std::move(rows), position);
    if (!isEmpty())
        m_eof = true;
}

bool RowCursor::hasPrior() const
{
    if (isEmpty())
        return false;
    if (m_position > 0)
        return true;
    if (!m_hasPrior)
        m_hasPrior = m_source.hasRowBeyond(Direction::Backward, row().rowid);
    return *m_hasPrior;
}

bool RowCursor::hasNext() const
{
    if (isEmpty())
        return false;
    if (m_position + 1 < m_block.size())
        return true;
    if (!m_hasNext)
        m_hasNext = m_source.hasRowBeyond(Direction::Forward, row().rowid);
    return *m_hasNext;
}

} // namespace corvella::store
