#pragma once

#include "core/Error.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

class QSqlError;

struct sqlite3;

namespace corvella::store {

/// Another program holds the contact file locked past the busy time-out. The file is fine; a later try may succeed.
class FileInUseError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

/// A new row's key is taken already: another program stored a row with the same record number first.
class KeyClashError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

/// A record changed or deleted by another program since it was read: the edit was not stored, and reading the
/// record again shows what is there now.
class RecordChangedError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

/// Asked, with the file's path, each time a statement gives up waiting for another program's lock. Returns true to
/// run the statement again (waiting once more), false to stop it with a `CancelledError`. Without a handler the
/// statement fails with a `FileInUseError`.
using BusyHandler = std::function<bool(const QString& filePath)>;
void setBusyHandler(BusyHandler handler);

/// How long a statement waits for another program's lock before it gives up (5 s; tests make it shorter).
void setBusyTimeout(int milliseconds);
int busyTimeout();

/// One open connection to the contact file named by a connection string. Every data set owns one.
/// Opening checks that the file exists and is an SQLite database, and registers the Turkish collation
/// and the `cdate` function on it; nothing is written to the file.
class Connection {
public:
    explicit Connection(const QString& connectionString);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase database() const;
    /// The contact file's path, or the server database's address.
    const QString& filePath() const { return m_filePath; }
    bool isServer() const;

    /// The engine opens a file it may not write read-only, and it stays so while the connection lasts: opened again
    /// here, a file made writable since takes the next write. Called before a record is written.
    void reopenIfReadOnly();

    /// Opens a connection on a file path (or a server database's address) directly, creating the file when `create`
    /// is set.
    static std::unique_ptr<Connection> openFile(const QString& filePath, bool create);

private:
    Connection(const QString& filePath, bool create, int);
    void open(bool create);
    /// Opens the engine's connection on `db` and prepares it for the program.
    void openEngine(QSqlDatabase& db);
    void openServer();

    QString m_name;
    QString m_filePath;
};

/// Registers the Turkish collation, the Turkish LIKE and the `cdate` function on a raw SQLite handle.
void registerSqlExtensions(sqlite3* handle);

/// Converts a date typed as the user's locale writes dates, or in ISO form, to an ISO date text
/// ("yyyy-MM-dd", with " HH:mm:ss" when a time is given). Returns a null string when it cannot be read.
QString cdate(const QString& text);

/// The engine's own text of an error.
QString engineMessage(const QSqlError& error);

/// Raises the error of a failed statement on the file: what the user can act on (in use, disk full, no permission, a
/// disk error, damage) names the file and says why; anything else keeps the engine's own message.
[[noreturn]] void throwStatementError(const QSqlDatabase& db, const QSqlError& error);
/// The same for an error the engine gave directly: its (extended) result code and message.
[[noreturn]] void throwEngineError(const QString& filePath, int code, const QString& engineMessage);

/// Runs one statement on a connection and throws `throwStatementError`'s error when it fails.
void execOrThrow(const QSqlDatabase& db, const QString& sql);

/// Prepares one statement, binds `values` to its "?" marks in order and runs it, reading forward only; throws
/// `throwStatementError`'s error when it fails. A statement that meets another program's lock goes to the busy
/// handler.
QSqlQuery runQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

/// An identifier in the engine's own quotes ("a""b"), whatever characters it holds.
QString quotedIdentifier(const QString& identifier);

} // namespace corvella::store
