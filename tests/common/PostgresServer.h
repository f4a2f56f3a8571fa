#pragma once

#include <QString>
#include <QTemporaryDir>

namespace corvella::test {

/// A PostgreSQL 15 server of the test program's own: a new cluster in a temporary folder, listening on 127.0.0.1 at
/// a free port with its socket in that folder, stopped and removed with the object. Run as root, the cluster belongs
/// to the `postgres` account. Every database is reached as the `postgres` role without a password.
class PostgresServer {
public:
    /// Starts the server; throws `std::runtime_error` with the reason (and the server's log) when it cannot.
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    int port() const { return m_port; }
    /// The program's address of a database on this server ("postgresql://postgres@127.0.0.1:PORT/NAME").
    QString address(const QString& database) const;
    /// Creates an empty database (dropping one of the same name first) and returns its address.
    QString createDatabase(const QString& name) const;
    /// Makes a role that the server asks for its password, and returns its address of `database`.
    QString addPasswordRole(const QString& role, const QString& password, const QString& database) const;
    /// Runs SQL through psql on a database and returns what psql prints (unaligned, no headers).
    QString psql(const QString& database, const QString& sql) const;

    /// The server shared by the test functions of one program, started on first use.
    static PostgresServer& shared();

private:
    QString run(const QStringList& command, const QString& input = {}) const;
    void startWatchdog() const;

    QTemporaryDir m_dir;
    QString m_data;
    int m_port = 0;
    bool m_running = false;
};

} // namespace corvella::test
