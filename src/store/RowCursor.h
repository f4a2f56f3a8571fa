#pragma once

#include "RowSource.h"

namespace corvella::store {

/// A position among the rows of a source, with the block of rows around it read by one statement, so stepping
/// through a large table costs one read per block and opening costs one block whatever the table's size.
class RowCursor {
public:
    using Row = RowSource::Row;

    explicit RowCursor(RowSource source);

    const RowSource& source() const { return m_source; }

    void first();
    /// Stays on the last row with `eof()` set, so a backward walk can start from it.
    void last();
    void next();
    void prior();
    /// Moves to the row with this rowid; raises an error when it has gone.
    void moveTo(qint64 rowid);
    /// After the row with this rowid was deleted: moves to the row after it, or else to the one before.
    void moveAfterRemoved(qint64 rowid);

    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return m_position < 0; }
    /// The current row; an empty row when there is none.
    const Row& row() const { return isEmpty() ? m_emptyRow : m_block.at(m_position); }
    bool hasPrior() const;
    bool hasNext() const;

private:
    void show(QList<Row> rows, int position);
    void forgetNeighbours() const;

    RowSource m_source;
    Row m_emptyRow;
    QList<Row> m_block;
    int m_position = -1;
    bool m_bof = true;
    bool m_eof = true;
    mutable std::optional<bool> m_hasPrior;
    mutable std::optional<bool> m_hasNext;
};

} // namespace corvella::store
