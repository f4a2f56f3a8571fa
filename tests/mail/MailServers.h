#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/// The strings of a JSON array, as the recording server writes its lists.
QStringList strings(const QJsonValue& array);

/// A free TCP port on 127.0.0.1 at the time of asking.
quint16 freeLoopbackPort();

/// Writes `content` to a new file at `path`; false when it could not be written whole.
bool writeFile(const QString& path, const QByteArray& content);

/// Debian's aiosmtpd running tests/mail/smtp_server.py on 127.0.0.1; records every accepted message.
class RecordingSmtpServer {
public:
    RecordingSmtpServer();
    ~RecordingSmtpServer();

    /// Starts the server with smtp_server.py's options and returns its port, or 0 (with `error()`) when it did
    /// not come up.
    quint16 start(const QStringList& options = {});
    void stop();
    const QString& error() const { return m_error; }

    int messageCount() const;
    /// The nth accepted message (1 first) as the server recorded it.
    QJsonObject message(int number) const;
    /// Connections the server has taken so far.
    int sessionCount() const;
    /// The command lines the nth connection (1 first) sent, as the server read them; the text of each message
    /// between "DATA" and "." is left out.
    QStringList commands(int session) const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    QString m_error;
};

/// A self-signed certificate and its key for "localhost" and 127.0.0.1, made with openssl in a temporary folder.
class SelfSignedCertificate {
public:
    /// False (with `error()`) when openssl failed.
    bool create();
    QString certificatePath() const { return m_folder.filePath(u"cert.pem"_qs); }
    QString keyPath() const { return m_folder.filePath(u"key.pem"_qs); }
    const QString& error() const { return m_error; }

private:
    QTemporaryDir m_folder;
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
