#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/// A free TCP port on 127.0.0.1 at the time of asking.
quint16 freeLoopbackPort();

/// Debian's aiosmtpd running tests/mail/smtp_server.py on 127.0.0.1; records every accepted message.
class RecordingSmtpServer {
public:
    RecordingSmtpServer();
    ~RecordingSmtpServer();

    /// Starts the server and returns its port, or 0 (with `error()`) when it did not come up.
    quint16 start();
    void stop();
    const QString& error() const { return m_error; }

    int messageCount() const;
    /// The nth accepted message (1 first) as the server recorded it.
    QJsonObject message(int number) const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_error;
};

/// postfix's smtp-sink on 127.0.0.1 with the given fault options (for example {"-r", "MAIL"}).
class SmtpSink {
public:
    ~SmtpSink();
    quint16 start(const QStringList& options);
    void stop();
    const QString& error() const { return m_error; }

private:
    QProcess m_process;
    QString m_error;
};
