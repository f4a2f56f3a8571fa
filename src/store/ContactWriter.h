#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

#include <memory>

class QSqlQuery;
struct sqlite3;
struct sqlite3_stmt;

namespace corvella::store {

/// Writes and reads whole contacts through statements prepared on the engine directly. For bulk work (import,
/// export, demonstration data), where the per-value bookkeeping of QSqlQuery costs more than the engine itself.
/// Values go in and come out in the order of `contactColumns()`; a null text stands for NULL.
class ContactWriter {
public:
    explicit ContactWriter(const QSqlDatabase& db);
    ~ContactWriter();
    ContactWriter(const ContactWriter&) = delete;
    ContactWriter& operator=(const ContactWriter&) = delete;

    /// The number a new contact gets, as the editor numbers: the highest plus 1, or 11 when the file holds none.
    qint64 nextRecordNumber();
    void insert(qint64 number, const QStringList& values);
    /// Stores the values that are not empty over the contact's own; the empty ones leave its value as it is.
    void update(qint64 number, const QStringList& values);
    /// The contact's stored values; false when no contact has that number.
    bool read(qint64 number, QStringList& values);

private:
    sqlite3_stmt* prepare(const QByteArray& sql);
    void bindText(sqlite3_stmt* statement, int index, const QString& value);
    void step(sqlite3_stmt* statement);
    [[noreturn]] void fail();

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    sqlite3_stmt* m_read = nullptr;
    sqlite3_stmt* m_update = nullptr; // prepared on first use
    QList<QByteArray> m_texts;        // the bound values, per parameter
    QStringEncoder m_encoder{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

/// Calls `row` with the text of each column of every row `sql` selects, reading straight from the engine (on a
/// server, through the driver). A NULL column is a null text. The column names are given once, before the first row.
class RowReader {
public:
    RowReader(const QSqlDatabase& db, const QString& sql);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    QStringList columnNames() const;
    /// The next row's values; false after the last.
    bool next(QStringList& values);
    /// The same in the engine's own UTF-8, without copying: the views hold until the next call. NULL is a null view.
    bool next(QList<QByteArrayView>& values);

private:
    /// Moves to the next row; false after the last.
    bool step();

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    std::unique_ptr<QSqlQuery> m_query; // on a server
    QList<QByteArray> m_texts;          // the server row's values in UTF-8, which the views point into
};

/// The engine's handle of a connection, or an error when the connection is not an SQLite one.
sqlite3* sqliteHandle(const QSqlDatabase& db);

} // namespace corvella::store
