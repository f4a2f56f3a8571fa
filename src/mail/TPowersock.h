#pragma once

#include "ESockError.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QEventLoop;
class QIODevice;

namespace corvella::mail {

class SocketTransport;
class TThreadTimer;
class TPowersock;

using NotifyEvent = std::function<void(TPowersock& sender)>;
/// A handler with one chance to correct a problem: setting `handled` asks the component to try again.
using HandledEvent = std::function<void(TPowersock& sender, bool& handled)>;
using StatusEvent = std::function<void(TPowersock& sender, const QString& status)>;

/// A TCP client with a blocking-looking interface for a text protocol: resolve, connect, write lines, read lines,
/// send streams. Every wait runs the thread's event loop, so windows stay responsive and a handler can stop the
/// wait with `Cancel`; a wait ends as soon as the event it waits for arrives, or when `TimeOut` runs out.
/// Code must expect re-entry through the event loop during any operation.
/// Delete it with deleteLater when a wait may be running.
class TPowersock : public QObject {
    Q_OBJECT
public:
    static constexpr int LineBufferSize = 65536;

    explicit TPowersock(QObject* parent = nullptr);
    /// Over another transport, such as scripted replies.
    explicit TPowersock(std::unique_ptr<SocketTransport> transport, QObject* parent = nullptr);
    ~TPowersock() override;

    const QString& Host() const { return m_host; }
    void SetHost(const QString& host) { m_host = host; }
    int Port() const { return m_port; }
    void SetPort(int port) { m_port = port; }
    /// Milliseconds each wait may last; 0 waits without limit.
    int TimeOut() const { return m_timeOut; }
    void SetTimeOut(int milliseconds) { m_timeOut = milliseconds; }
    /// Status texts of this level or below reach `OnStatus`: 1 server replies, 4 sends and closes, 8 every step.
    int ReportLevel() const { return m_reportLevel; }
    void SetReportLevel(int level) { m_reportLevel = level; }

    NotifyEvent OnConnect;
    NotifyEvent OnDisconnect;
    HandledEvent OnInvalidHost;
    NotifyEvent OnHostResolved;
    StatusEvent OnStatus;
    NotifyEvent OnConnectionFailed;
    NotifyEvent OnPacketSent;
    HandledEvent OnConnectionRequired;

    bool LinkOpen() const { return m_linkOpen; }
    bool CancelFlag() const { return m_cancelFlag; }
    bool TimeoutFlag() const { return m_timeoutFlag; }
    int ReplyCode() const { return m_replyCode; }
    const QString& ReplyText() const { return m_replyText; }
    int SocketErrorCode() const { return m_socketErrorCode; }
    qint64 SentBytes() const { return m_sentBytes; }
    qint64 StreamBytes() const { return m_streamBytes; }
    const QString& StatusText() const { return m_statusText; }
    /// The IPv4 address of the last resolve, host order; 0 when none.
    quint32 RemoteAddress() const { return m_remoteAddress; }
    /// Live socket components in the process.
    static int SocketUsers();

    /// Resolves `Host` (one chance for `OnInvalidHost`) and opens the connection.
    virtual void Connect();
    virtual void Disconnect();
    /// Sends the command line and returns the reply line, setting `ReplyText` and `ReplyCode`.
    virtual QString Transaction(const QString& command);
    virtual void Abort();

    /// Ensures a connection, giving `OnConnectionRequired` one chance; else "Not Connected".
    void CheckConnection();
    /// Ends the wait in progress with its cancel error; with none waiting, the next send or read is cancelled.
    void Cancel();
    void SendBuffer(const QByteArray& bytes);
    /// Sends the text whole, UTF-8 encoded.
    void Write(const QString& text);
    void Writeln(const QString& text);
    /// The next line with its terminator; an empty text when the peer has closed the connection.
    QString ReadLn();
    /// Sends the stream from its start, calling `OnPacketSent` as the system takes the bytes.
    void SendStream(QIODevice& stream);
    void ResolveHost();
    /// Turns the open connection into a TLS one checked against `peerName` and waits for the handshake. On a
    /// failure the connection is closed without another byte and ESockError carries the reason.
    void StartEncryption(const QString& peerName);
    bool Encrypted() const;
    /// SHA-256 of the certificate the last failed handshake was refused for; empty when it sent none.
    const QByteArray& RefusedCertificateSha256() const { return m_refusedCertificate; }
    /// Accepts a certificate that fails verification, by its SHA-256, for this component's connections.
    void AcceptCertificate(const QByteArray& sha256);
    void RequestCloseSocket();
    bool DataAvailable();
    /// "code:text" for a socket error number, or "Unknown Error No. code".
    QString LookupErrorMessage(int code);

protected:
    void StatusMessage(int level, const QString& text);
    void SetCancelFlag(bool cancel) { m_cancelFlag = cancel; }
    /// Stores a reply line as `Transaction` does: `ReplyText`, its status report and `ReplyCode`.
    void TakeReply(const QString& reply);
    /// The socket connected; calls `OnConnect`. The SMTP client reports its connection later, after its greeting.
    virtual void SocketConnected();

private:
    friend class ReplyReader;
    class TimerScope;

    void InitializeWinsock(std::unique_ptr<SocketTransport> transport);
    void TimerOn();
    void TimerOff();
    void TimeOutHandler();
    void WaitForEvent();
    void WakeWaits();
    void ThrowPendingError();
    void RequireConnected();
    void CallHandler(const NotifyEvent& handler);

    void LookupFinished(quint32 address, int errorCode);
    void TransportConnected();
    void TransportConnectFailed(int errorCode);
    void TransportClosedByPeer();
    void TransportFailed(int errorCode);
    void TransportEncrypted();
    void TransportEncryptionFailed(const QString& reason, const QByteArray& certificateSha256);

    QString m_host;
    int m_port = 0;
    int m_timeOut = 0;
    int m_reportLevel = 0;

    SocketTransport* m_transport = nullptr;
    TThreadTimer* m_timer = nullptr;
    std::vector<QEventLoop*> m_waits;
    QByteArray m_lineBuffer;

    quint32 m_remoteAddress = 0;
    quint32 m_lookupAddress = 0;
    bool m_linkOpen = false;
    bool m_cancelFlag = false;
    bool m_timeoutFlag = false;
    bool m_lookupDone = false;
    bool m_lastEventOk = true;
    bool m_destroyingFlag = false;
    bool m_peerClosed = false;
    int m_pendingError = 0;
    enum class Encryption { Idle, Pending, Done, Failed };
    Encryption m_encryption = Encryption::Idle;
    QString m_encryptionFailure;
    QByteArray m_refusedCertificate;

    int m_replyCode = 0;
    QString m_replyText;
    int m_socketErrorCode = 0;
    qint64 m_sentBytes = 0;
    qint64 m_streamBytes = 0;
    QString m_statusText;
    /// While set, every wait ends at this one moment rather than a whole `TimeOut` after it began: a reply of many
    /// lines gets one time-out, not one a line.
    QDeadlineTimer m_replyDeadline{QDeadlineTimer::Forever};
};

} // namespace corvella::mail
