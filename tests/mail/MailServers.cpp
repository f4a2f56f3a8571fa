#include "MailServers.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

QStringList strings(const QJsonValue& array)
{
    QStringList list;
    for (const QJsonValue& value : array.toArray())
        list << value.toString();
    return list;
}

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

RecordingSmtpServer::RecordingSmtpServer() = default;

RecordingSmtpServer::~RecordingSmtpServer()
{
    stop();
}

quint16 RecordingSmtpServer::start(const QStringList& options)
{
    m_process.setProgram(u"/usr/bin/python3"_qs);
    m_process.setArguments(QStringList{QStringLiteral(CORVELLA_MAIL_TEST_DIR "/smtp_server.py"), m_folder.path()} +
                           options);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000)) {
        m_error = u"aiosmtpd did not start: "_qs + m_process.errorString();
        return 0;
    }
    const quint16 port = quint16(m_process.readLine().trimmed().toUInt());
    if (port == 0)
        m_error = u"aiosmtpd gave no port"_qs;
    return port;
}

void RecordingSmtpServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

int RecordingSmtpServer::messageCount() const
{
    int count = 0;
    while (QFile::exists(m_folder.filePath(QString::number(count + 1) + u".json")))
        ++count;
    return count;
}

QJsonObject RecordingSmtpServer::message(int number) const
{
    QFile file(m_folder.filePath(QString::number(number) + u".json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

int RecordingSmtpServer::sessionCount() const
{
    int count = 0;
    while (QFile::exists(m_folder.filePath(u"session-%1.txt"_qs.arg(count + 1))))
        ++count;
    return count;
}

QStringList RecordingSmtpServer::commands(int session) const
{
    QFile file(m_folder.filePath(u"session-%1.txt"_qs.arg(session)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u"\r\n"_qs);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList commands;
    bool inMessage = false;
    for (const QString& line : std::as_const(lines)) {
        if (inMessage && line != u"."_qs)
            continue;
        inMessage = line.compare(u"DATA"_qs, Qt::CaseInsensitive) == 0;
        commands << line;
    }
    return commands;
}

bool SelfSignedCertificate::create()
{
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(u"openssl"_qs,
                  {u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"rsa:2048"_qs, u"-nodes"_qs, u"-days"_qs, u"2"_qs,
                   u"-subj"_qs, u"/CN=localhost"_qs, u"-addext"_qs, u"subjectAltName=DNS:localhost,IP:127.0.0.1"_qs,
                   u"-keyout"_qs, keyPath(), u"-out"_qs, certificatePath()});
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        m_error = u"openssl failed: "_qs + QString::fromLocal8Bit(openssl.readAll());
        return false;
    }
    return true;
}

SmtpSink::~SmtpSink()
{
    stop();
}

quint16 SmtpSink::start(const QStringList& options)
{
    // A port picked free may be taken before smtp-sink binds it: try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const quint16 port = freeLoopbackPort();
        QStringList arguments;
        if (geteuid() == 0)
            arguments << u"-u"_qs << u"nobody"_qs;
        arguments << options << (u"127.0.0.1:"_qs + QString::number(port)) << u"10"_qs;
        m_process.setProgram(u"/usr/sbin/smtp-sink"_qs);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000)) {
            m_error = u"smtp-sink did not start: "_qs + m_process.errorString();
            return 0;
        }
        const QDeadlineTimer deadline(3000);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            if (probe.waitForConnected(200)) {
                probe.abort();
                return port;
            }
            QThread::msleep(20);
        }
        stop();
    }
    m_error = u"smtp-sink did not listen"_qs;
    return 0;
}

void SmtpSink::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}
