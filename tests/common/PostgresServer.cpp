#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>

namespace corvella::test {

namespace {

const QString BinFolder = u"/usr/lib/postgresql/15/bin/"_qs;

bool runningAsRoot()
{
    return geteuid() == 0;
}

/// A port nobody listens on right now; the server takes it a moment later.
int freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("cannot open a socket to find a free port");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    const bool ok = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0;
    close(fd);
    if (!ok)
        throw std::runtime_error("cannot bind a socket on 127.0.0.1 to find a free port");
    return ntohs(address.sin_port);
}

} // namespace

PostgresServer::PostgresServer()
    : m_dir(QDir::tempPath() + u"/corvella-pg-XXXXXX"_qs)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder for the PostgreSQL cluster");
    if (!QFile::exists(BinFolder + u"initdb"_qs))
        throw std::runtime_error("PostgreSQL 15 is not installed (" + QString(BinFolder + u"initdb"_qs).toStdString() +
                                 " is missing): run tools/install-deps.sh");
    if (runningAsRoot())
        run({u"chown"_qs, u"postgres:postgres"_qs, m_dir.path()});
    m_data = m_dir.path() + u"/data"_qs;
    startWatchdog();
    run({BinFolder + u"initdb"_qs, u"-D"_qs, m_data, u"-U"_qs, u"postgres"_qs, u"-A"_qs, u"trust"_qs,
         u"--encoding=UTF8"_qs, u"--locale=C.UTF-8"_qs, u"--no-sync"_qs});
    m_port = freePort();
    const QString options =
        u"-c listen_addresses=127.0.0.1 -p %1 -k %2 -c fsync=off -c full_page_writes=off"_qs.arg(m_port).arg(
            m_dir.path());
    const QString log = m_dir.path() + u"/server.log"_qs;
    try {
        run({BinFolder + u"pg_ctl"_qs, u"-D"_qs, m_data, u"-o"_qs, options, u"-l"_qs, log, u"-w"_qs, u"-t"_qs, u"60"_qs,
             u"start"_qs});
    } catch (const std::runtime_error& error) {
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        throw std::runtime_error(std::string(error.what()) + "\nserver log:\n" + file.readAll().toStdString());
    }
    m_running = true;
}

void PostgresServer::startWatchdog() const
{
    // A test that crashes or is killed never reaches the destructor: a process of its own stops the server and
    // removes its folder once the test's process is gone.
    const QString stop = (runningAsRoot() ? u"runuser -u postgres -- "_qs : QString()) + BinFolder +
                         u"pg_ctl -D '%1' -m immediate -w stop"_qs.arg(m_data);
    const QString script = u"while kill -0 %1 2>/dev/null; do sleep 1; done; %2 >/dev/null 2>&1; rm -rf '%3'"_qs.arg(
        QString::number(getpid()), stop, m_dir.path());
    // Without the test's output channels, so that ctest does not wait for it.
    QProcess watchdog;
    watchdog.setProgram(u"setsid"_qs);
    watchdog.setArguments({u"sh"_qs, u"-c"_qs, script});
    watchdog.setStandardInputFile(QProcess::nullDevice());
    watchdog.setStandardOutputFile(QProcess::nullDevice());
    watchdog.setStandardErrorFile(QProcess::nullDevice());
    watchdog.startDetached();
}

PostgresServer::~PostgresServer()
{
    if (m_running) {
        try {
            run({BinFolder + u"pg_ctl"_qs, u"-D"_qs, m_data, u"-m"_qs, u"immediate"_qs, u"-w"_qs, u"stop"_qs});
        } catch (const std::exception&) {
            // The folder goes anyway; a server left behind loses its files and stops on its own check.
        }
    }
}

QString PostgresServer::run(const QStringList& command, const QString& input) const
{
    QStringList arguments = command;
    QString program = arguments.takeFirst();
    if (runningAsRoot() && program != u"chown"_qs) {
        arguments = QStringList{u"-u"_qs, u"postgres"_qs, u"--"_qs, program} + arguments;
        program = u"runuser"_qs;
    }
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(program, arguments);
    if (!input.isEmpty())
        process.write(input.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        throw std::runtime_error(
            QString(u"'%1' failed: %2\n%3"_qs.arg(
                        command.join(u' '), process.errorString(),
                        QString::fromUtf8(process.readAllStandardError() + process.readAllStandardOutput())))
                .toStdString());
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PostgresServer::address(const QString& database) const
{
    return u"postgresql://postgres@127.0.0.1:%1/%2"_qs.arg(m_port).arg(database);
}

QString PostgresServer::createDatabase(const QString& name) const
{
    psql(u"postgres"_qs, u"DROP DATABASE IF EXISTS \"%1\";\nCREATE DATABASE \"%1\";\n"_qs.arg(name));
    return address(name);
}

QString PostgresServer::addPasswordRole(const QString& role, const QString& password, const QString& database) const
{
    psql(u"postgres"_qs, u"CREATE ROLE \"%1\" LOGIN SUPERUSER PASSWORD '%2';\n"_qs.arg(role, password));
    // The first matching line decides: this role gives its password, everyone else stays trusted.
    QFile rules(m_data + u"/pg_hba.conf"_qs);
    if (!rules.open(QIODevice::ReadWrite))
        throw std::runtime_error("cannot open pg_hba.conf: " + rules.errorString().toStdString());
    const QByteArray before = rules.readAll();
    rules.resize(0);
    rules.seek(0);
    rules.write("host all " + role.toUtf8() + " 127.0.0.1/32 scram-sha-256\n" + before);
    rules.close();
    run({BinFolder + u"pg_ctl"_qs, u"-D"_qs, m_data, u"-w"_qs, u"reload"_qs});
    // The server reads the rules a moment after the signal: wait until the role is asked for its password.
    for (int tries = 0; tries < 100; ++tries) {
        try {
            run({BinFolder + u"psql"_qs, u"-X"_qs, u"-w"_qs, u"-h"_qs, u"127.0.0.1"_qs, u"-p"_qs,
                 QString::number(m_port), u"-U"_qs, role, u"-d"_qs, u"postgres"_qs, u"-c"_qs, u"SELECT 1"_qs});
        } catch (const std::runtime_error&) {
            break;
        }
        QThread::msleep(50);
    }
    return u"postgresql://%1@127.0.0.1:%2/%3"_qs.arg(role).arg(m_port).arg(database);
}

QString PostgresServer::psql(const QString& database, const QString& sql) const
{
    return run({BinFolder + u"psql"_qs, u"-X"_qs, u"-q"_qs, u"-A"_qs, u"-t"_qs, u"-v"_qs, u"ON_ERROR_STOP=1"_qs,
                u"-h"_qs, u"127.0.0.1"_qs, u"-p"_qs, QString::number(m_port), u"-U"_qs, u"postgres"_qs, u"-d"_qs,
                database},
               sql);
}

PostgresServer& PostgresServer::shared()
{
    static std::unique_ptr<PostgresServer> server;
    if (!server)
        server = std::make_unique<PostgresServer>();
    return *server;
}

} // namespace corvella::test
