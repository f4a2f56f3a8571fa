#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QSqlError;

// The contact database on a PostgreSQL server, as an alternative to the contact file: the same tables and columns,
// reached by an address "postgresql://user@host:port/dbname" in place of the file's path.
namespace corvella::store::server {

/// Where a contact database lives on a server.
struct Address {
    QString user;
    QString host;
    int port = 5432;
    QString database;
};

/// Reads "postgresql://user@host:port/dbname" (port and user optional); nullopt for anything else, such as a path.
std::optional<Address> parseAddress(const QString& text);
bool isAddress(const QString& text);

/// Asked once per address when the server wants a password that neither ~/.pgpass nor PGPASSWORD gave. Returns
/// nullopt when the user declines. The password is kept in memory for the rest of the run only.
using PasswordPrompt = std::function<std::optional<QString>(const QString& address)>;
void setPasswordPrompt(PasswordPrompt prompt);

/// Whether a connection is to a server rather than a contact file.
bool isServer(const QSqlDatabase& db);

/// Opens `db` (a QPSQL connection) on the address, asking for a password when the server insists; marks the
/// connection as this program's session, so the mail list it fills is its own.
void open(QSqlDatabase& db, const QString& address);

/// A statement in the program's dialect (bracketed names, names in any letter case, cdate('...'), LIKE) as the
/// server runs it: names in the exact case the tables use, result columns named as the statement spells them,
/// Turkish case-insensitive LIKE, and ties of an ORDER BY on the contact table broken by record number as the file
/// breaks them.
QString toServerStatement(const QString& statement);

/// A column of a table as the data layer sees it: the hidden row number of tables without a key is left out.
struct Column {
    QString name;
    QString declaredType; // in the file's terms: VARCHAR(25), DOUBLE, INTEGER
    bool key = false;
};
/// The table's exact name and its columns; an empty list when there is no such table.
QList<Column> tableColumns(const QSqlDatabase& db, const QString& table, QString* exactName = nullptr);
/// The column that addresses a table's rows: the record number of the contact table, a hidden one elsewhere.
QString rowidColumn(const QString& table);

/// Whether the database holds the contact table.
bool hasContactTable(const QSqlDatabase& db);
/// Creates the collations, tables and views that the database lacks, and the shared print settings row, in one
/// transaction.
void createContactTables(const QSqlDatabase& db);

/// Gives the connection's user their own print settings row, copied from the shared default, unless they have one.
void ensureOwnSettings(const QSqlDatabase& db);

/// Copies a query's rows into the connection's snapshot table, numbered 1 to N in the statement's order; returns
/// its name, and the number of rows in `rowCount`.
QString createSnapshot(const QSqlDatabase& db, const QString& statement, qint64* rowCount = nullptr);
void dropSnapshot(const QSqlDatabase& db);
QList<Column> snapshotColumns(const QSqlDatabase& db);

/// Raises a failed statement's error: a clash of keys as `KeyClashError`, anything else with the server's message.
[[noreturn]] void throwError(const QSqlError& error);

} // namespace corvella::store::server
