#pragma once

#include <QString>

#include <sqlite3.h>

// Plain statements on a raw engine handle, for the code that works beside Qt's driver on a thread of its own.
namespace corvella::store::sqliteexec {

/// Runs one or more statements; false when they failed or were interrupted, with the engine's message in `error`.
inline bool execute(sqlite3* db, const QString& sql, QString& error)
{
    char* message = nullptr;
    const int code = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (code != SQLITE_OK)
        error = QString::fromUtf8(message ? message : sqlite3_errstr(code));
    sqlite3_free(message);
    return code == SQLITE_OK;
}

/// For clean-up statements whose failure changes nothing the caller could act on.
inline void executeQuietly(sqlite3* db, const QString& sql)
{
    QString ignored;
    execute(db, sql, ignored);
}

} // namespace corvella::store::sqliteexec
