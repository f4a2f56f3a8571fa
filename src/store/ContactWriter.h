#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

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

    /// The highest record number in the file, or 0 when it holds no contact.
    qint64 highestRecordNumber();
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
    QList<sqlite3_stmt*> m_updates; // one per column, prepared on first use
};

/// Calls `row` with the text of each column of every row `sql` selects, reading straight from the engine. A NULL
/// column is a null text. The column names are given once, before the first row.
class RowReader {
public:
    RowReader(const QSqlDatabase& db, const QString& sql);
    ~RowReader();
    RowReader(const RowReader&) = delete;
    RowReader& operator=(const RowReader&) = delete;

    QStringList columnNames() const;
    /// The next row's values; false after the last.
    bool next(QStringList& values);

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

/// The engine's handle of a connection, or an error when the connection is not an SQLite one.
sqlite3* sqliteHandle(const QSqlDatabase& db);

} // namespace corvella::store
