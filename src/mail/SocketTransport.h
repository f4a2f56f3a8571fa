#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace corvella::mail {

/// The byte pipe under TPowersock: a name lookup and one TCP connection whose outcomes arrive as signals on the
/// thread's event loop. Error numbers are the socket layer's codes (10061 for a refused connection, 11001 for an
/// unknown host and so on). Kept small so the SMTP dialogue can run over scripted replies as well as real sockets.
class SocketTransport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts a lookup answered by lookupFinished; a later lookup or cancelLookup drops an unanswered one.
    virtual void lookupHost(const QString& name) = 0;
    virtual void cancelLookup() = 0;
    /// Starts a connection to an IPv4 address (host order), answered by connected or connectFailed.
    virtual void connectToHost(quint32 address, quint16 port) = 0;
    /// Drops the connection or the attempt at once and discards buffered data; no signal follows.
    virtual void abort() = 0;
    virtual bool isConnected() const = 0;

    virtual qint64 bytesAvailable() const = 0;
    /// Whether a whole line (through LF) is waiting.
    virtual bool canReadLine() const = 0;
    /// Takes at most maxSize bytes into data, stopping after the first LF; returns the count.
    virtual qint64 readLine(char* data, qint64 maxSize) = 0;
    /// Queues the bytes and hands as many as it can to the system at once.
    virtual void write(const char* data, qint64 size) = 0;
    /// Bytes queued that the system has not taken yet.
    virtual qint64 bytesToWrite() const = 0;

    /// Starts TLS on the open connection, verifying the certificate against the system's trust store and
    /// `peerName`; answered by encrypted or encryptionFailed. A transport without TLS refuses at once.
    virtual void startEncryption(const QString& peerName)
    {
        Q_UNUSED(peerName);
        emit encryptionFailed(u"TLS is not available on this connection"_qs, QByteArray());
    }
    virtual bool isEncrypted() const { return false; }
    /// Lets the following handshakes pass a certificate with this SHA-256 digest that fails verification; empty
    /// withdraws it.
    virtual void acceptCertificate(const QByteArray& sha256) { Q_UNUSED(sha256); }

signals:
    /// address 0 and a non-zero code when the lookup failed.
    void lookupFinished(quint32 address, int errorCode);
    void connected();
    void connectFailed(int errorCode);
    void readyRead();
    void bytesWritten(qint64 bytes);
    /// The peer ended the connection; data it sent before may still be waiting.
    void closedByPeer();
    /// An error on an open connection other than the peer's close.
    void failed(int errorCode);
    void encrypted();
    /// The handshake failed; the connection is closed. `certificateSha256` is the peer's certificate, when it sent
    /// one, for the user to judge.
    void encryptionFailed(const QString& reason, const QByteArray& certificateSha256);
};

} // namespace corvella::mail
