#include "TPowersock.h"

#include "HandlerError.h"
#include "SmtpReply.h"
#include "SocketErrorText.h"
#include "SocketTransport.h"
#include "TThreadTimer.h"
#include "TcpTransport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QIODevice>

#include <algorithm>
#include <utility>

namespace corvella::mail {

namespace {

int g_socketUsers = 0;

constexpr int NotConnected = 10057;

// A lookup that timed out or was cancelled: it ends the connection attempt, where a failed one may be retried. A type
// of its own, as its message is in the user's language.
class LookupStopped : public ESockError {
public:
    using ESockError::ESockError;
};

} // namespace

/// Runs the time-out timer for the length of one wait.
class TPowersock::TimerScope {
public:
    explicit TimerScope(TPowersock& socket)
        : m_socket(socket)
    {
        m_socket.TimerOn();
    }
    ~TimerScope() { m_socket.TimerOff(); }
    TimerScope(const TimerScope&) = delete;
    TimerScope& operator=(const TimerScope&) = delete;

private:
    TPowersock& m_socket;
};

TPowersock::TPowersock(QObject* parent)
    : TPowersock(std::make_unique<TcpTransport>(), parent)
{}

TPowersock::TPowersock(std::unique_ptr<SocketTransport> transport, QObject* parent)
    : QObject(parent)
{
    StatusMessage(8, u"Create"_qs);
    m_lineBuffer.resize(LineBufferSize + 1);
    m_timer = new TThreadTimer(this);
    m_timer->SetEnabled(false);
    m_timer->SetOnTimer([this](TThreadTimer&) { TimeOutHandler(); });
    InitializeWinsock(std::move(transport));
}

TPowersock::~TPowersock()
{
    // No handler runs from here on: the objects it reaches may already be gone.
    m_destroyingFlag = true;
    StatusMessage(8, u"Destroy"_qs);
    m_cancelFlag = true;
    WakeWaits();
    m_transport->abort();
    --g_socketUsers;
}

int TPowersock::SocketUsers()
{
    return g_socketUsers;
}

void TPowersock::InitializeWinsock(std::unique_ptr<SocketTransport> transport)
{
    StatusMessage(8, u"Initializing Winsock"_qs);
    if (!transport)
        throw ESockError(QCoreApplication::translate("mail", "Initializaton of windows sockets failed"));
    ++g_socketUsers;
    m_transport = transport.release();
    m_transport->setParent(this);
    connect(m_transport, &SocketTransport::lookupFinished, this, &TPowersock::LookupFinished);
    connect(m_transport, &SocketTransport::connected, this, &TPowersock::TransportConnected);
    connect(m_transport, &SocketTransport::connectFailed, this, &TPowersock::TransportConnectFailed);
    connect(m_transport, &SocketTransport::readyRead, this, &TPowersock::WakeWaits);
    connect(m_transport, &SocketTransport::bytesWritten, this, &TPowersock::WakeWaits);
    connect(m_transport, &SocketTransport::closedByPeer, this, &TPowersock::TransportClosedByPeer);
    connect(m_transport, &SocketTransport::failed, this, &TPowersock::TransportFailed);
    connect(m_transport, &SocketTransport::encrypted, this, &TPowersock::TransportEncrypted);
    connect(m_transport, &SocketTransport::encryptionFailed, this, &TPowersock::TransportEncryptionFailed);
}

void TPowersock::StatusMessage(int level, const QString& text)
{
    if (level > m_reportLevel)
        return;
    m_statusText = text;
    if (m_destroyingFlag || !OnStatus)
        return;
    try {
        OnStatus(*this, text);
    } catch (...) {
        // A status display that fails must not stop the transfer it reports on.
    }
}

void TPowersock::CallHandler(const NotifyEvent& handler)
{
    if (handler && !m_destroyingFlag)
        handler(*this);
}

// Waiting ------------------------------------------------------------------------------------------------------

void TPowersock::WaitForEvent()
{
    QEventLoop loop;
    m_waits.push_back(&loop);
    loop.exec();
    m_waits.pop_back();
}

void TPowersock::WakeWaits()
{
    // Every nested wait of this component looks at its flags again; the outer ones once the inner have returned.
    for (QEventLoop* loop : m_waits)
        loop->quit();
}

void TPowersock::TimerOn()
{
    StatusMessage(8, u"Timer On"_qs);
    m_timeoutFlag = false;
    if (m_timeOut <= 0)
        return;
    const qint64 left = m_replyDeadline.isForever() ? m_timeOut : std::max<qint64>(1, m_replyDeadline.remainingTime());
    m_timer->SetInterval(quint32(std::min<qint64>(left, m_timeOut)));
    m_timer->SetEnabled(true);
}

void TPowersock::TimerOff()
{
    StatusMessage(8, u"Timer Off"_qs);
    if (m_timer->Enabled())
        m_timer->SetEnabled(false);
}

void TPowersock::TimeOutHandler()
{
    StatusMessage(8, u"Timer Triggered"_qs);
    TimerOff();
    m_timeoutFlag = true;
    m_lookupDone = true;
    Abort();
}

void TPowersock::Cancel()
{
    StatusMessage(8, u"Canceling"_qs);
    m_cancelFlag = true;
    WakeWaits();
}

void TPowersock::Abort()
{
    StatusMessage(8, u"Abort"_qs);
    Cancel();
}

// Transport notifications ----------------------------------------------------------------------------------------

void TPowersock::LookupFinished(quint32 address, int errorCode)
{
    m_lastEventOk = errorCode == 0;
    m_lookupAddress = address;
    if (errorCode != 0)
        m_socketErrorCode = errorCode;
    m_lookupDone = true;
    WakeWaits();
}

void TPowersock::TransportConnected()
{
    m_lastEventOk = true;
    m_linkOpen = true;
    WakeWaits();
}

void TPowersock::TransportConnectFailed(int errorCode)
{
    m_lastEventOk = false;
    m_socketErrorCode = errorCode;
    WakeWaits();
}

void TPowersock::TransportClosedByPeer()
{
    m_lastEventOk = true;
    // Lines the peer sent before closing stay readable until Disconnect; with none left the socket closes now.
    if (!m_destroyingFlag && !DataAvailable())
        runFromEventLoop([this] { RequestCloseSocket(); });
    m_peerClosed = true;
    WakeWaits();
}

void TPowersock::TransportFailed(int errorCode)
{
    m_socketErrorCode = errorCode;
    m_pendingError = errorCode;
    WakeWaits();
}

void TPowersock::TransportEncrypted()
{
    m_encryption = Encryption::Done;
    WakeWaits();
}

void TPowersock::TransportEncryptionFailed(const QString& reason, const QByteArray& certificateSha256)
{
    m_encryption = Encryption::Failed;
    m_encryptionFailure = reason;
    m_refusedCertificate = certificateSha256;
    WakeWaits();
}

void TPowersock::ThrowPendingError()
{
    if (m_pendingError == 0)
        return;
    const int code = std::exchange(m_pendingError, 0);
    throw ESockError(LookupErrorMessage(code));
}

void TPowersock::RequireConnected()
{
    if (m_transport->isConnected())
        return;
    m_socketErrorCode = NotConnected;
    throw ESockError(LookupErrorMessage(NotConnected));
}

// Operations -----------------------------------------------------------------------------------------------------

void TPowersock::ResolveHost()
{
    StatusMessage(8, u"Resolve Host"_qs);
    QHostAddress literal;
    if (literal.setAddress(m_host) && literal.protocol() == QAbstractSocket::IPv4Protocol) {
        m_remoteAddress = literal.toIPv4Address();
        return;
    }
    m_remoteAddress = 0;
    {
        TimerScope timer(*this);
        m_lookupDone = false;
        m_transport->lookupHost(m_host);
        while (!m_lookupDone && !m_timeoutFlag && !m_cancelFlag)
            WaitForEvent();
    }
    if (m_timeoutFlag || m_cancelFlag) {
        m_transport->cancelLookup(); // an answer arriving later must not count
        throw LookupStopped(m_timeoutFlag ? QCoreApplication::translate("mail", "Host Lookup Timed Out")
                                          : QCoreApplication::translate("mail", "Host Lookup Canceled"));
    }
    if (!m_lastEventOk)
        throw ESockError(QCoreApplication::translate("mail", "Host Lookup Failed"));
    m_remoteAddress = m_lookupAddress;
    CallHandler(OnHostResolved);
}

void TPowersock::Connect()
{
    StatusMessage(8, u"Connecting"_qs);
    m_cancelFlag = false;
    if (m_linkOpen)
        throw ESockError(QCoreApplication::translate("mail", "Already connected"));
    m_refusedCertificate.clear();     // belongs to the failure of an earlier connection
    if (m_port < 0 || m_port > 65535) // would otherwise wrap to another port
        throw ESockError(LookupErrorMessage(10022));

    int retries = 0;
    do {
        try {
            ResolveHost();
        } catch (const LookupStopped&) {
            throw;
        } catch (const ESockError&) {
        }
        if (m_remoteAddress == 0) {
            if (retries > 0 || !OnInvalidHost)
                throw ESockError(QCoreApplication::translate("mail", "Null Remote Address"));
            bool handled = false;
            OnInvalidHost(*this, handled);
            if (!handled)
                throw ESockError(QCoreApplication::translate("mail", "Null Remote Address"));
            ++retries;
        }
    } while (m_remoteAddress == 0);

    m_lookupDone = false;
    m_lastEventOk = true;
    m_peerClosed = false;
    m_pendingError = 0;
    m_transport->connectToHost(m_remoteAddress, quint16(m_port));
    {
        TimerScope timer(*this);
        // A server may close at once after accepting; the greeting's read then says so rather than wait in vain.
        while (!m_linkOpen && !m_peerClosed && !m_timeoutFlag && !m_cancelFlag && m_lastEventOk)
            WaitForEvent();
    }
    if (!m_timeoutFlag && !m_cancelFlag && m_lastEventOk) {
        SocketConnected();
        return;
    }
    // Drop the attempt, so that it cannot complete behind the caller's back and the next Connect starts afresh.
    m_transport->abort();
    m_linkOpen = false;
    CallHandler(OnConnectionFailed);
    if (m_timeoutFlag)
        throw ESockError(QCoreApplication::translate("mail", "Connection Timed out"));
    if (m_cancelFlag)
        throw ESockError(QCoreApplication::translate("mail", "Connection Canceled"));
    throw ESockError(QCoreApplication::translate("mail", "Connection Failed"));
}

void TPowersock::StartEncryption(const QString& peerName)
{
    StatusMessage(8, u"Starting TLS"_qs);
    RequireConnected();
    if (m_transport->bytesAvailable() > 0) {
        // Bytes that arrived before the handshake would later read as if they came through TLS: an injection.
        m_transport->abort();
        m_linkOpen = false;
        throw ESockError(QCoreApplication::translate("mail", "TLS refused: the server sent data before the handshake"));
    }
    m_encryption = Encryption::Pending;
    m_encryptionFailure.clear();
    m_refusedCertificate.clear();
    m_transport->startEncryption(peerName);
    {
        TimerScope timer(*this);
        while (m_encryption == Encryption::Pending && !m_timeoutFlag && !m_cancelFlag && m_pendingError == 0 &&
               !m_peerClosed)
            WaitForEvent();
    }
    if (m_encryption == Encryption::Done)
        return;
    const bool cancelled = m_cancelFlag;
    const bool timedOut = m_timeoutFlag;
    m_encryption = Encryption::Failed;
    m_cancelFlag = false;
    // A half-done handshake must not be left for the next command to write into.
    m_transport->abort();
    m_linkOpen = false;
    m_peerClosed = false;
    m_pendingError = 0;
    if (cancelled)
        throw EAbortError(QCoreApplication::translate("mail", "TLS handshake canceled"));
    if (timedOut)
        throw ESockError(QCoreApplication::translate("mail", "TLS handshake timed out"));
    throw ESockError(QCoreApplication::translate("mail", "TLS handshake failed: %1")
                         .arg(m_encryptionFailure.isEmpty()
                                  ? QCoreApplication::translate("mail", "connection closed by the server")
                                  : m_encryptionFailure));
}

bool TPowersock::Encrypted() const
{
    return m_transport->isEncrypted();
}

void TPowersock::AcceptCertificate(const QByteArray& sha256)
{
    m_transport->acceptCertificate(sha256);
}

void TPowersock::SocketConnected()
{
    CallHandler(OnConnect);
}

void TPowersock::Disconnect()
{
    StatusMessage(8, u"Disconnecting"_qs);
    RequestCloseSocket();
}

void TPowersock::RequestCloseSocket()
{
    StatusMessage(4, u"Request Close Socket"_qs);
    m_linkOpen = false;
    // m_peerClosed stays until the next Connect, so that a read still due says the server closed the connection.
    m_pendingError = 0;
    m_transport->abort();
    CallHandler(OnDisconnect);
}

void TPowersock::CheckConnection()
{
    StatusMessage(8, u"Checking Connection"_qs);
    int retries = 0;
    while (!m_linkOpen) {
        if (retries > 0 || !OnConnectionRequired)
            throw Error(QCoreApplication::translate("mail", "Not Connected"));
        bool handled = false;
        OnConnectionRequired(*this, handled);
        if (!handled)
            throw Error(QCoreApplication::translate("mail", "Not Connected"));
        ++retries;
    }
}

bool TPowersock::DataAvailable()
{
    StatusMessage(8, u"Data Available"_qs);
    return m_transport->bytesAvailable() > 0;
}

void TPowersock::SendBuffer(const QByteArray& bytes)
{
    StatusMessage(4, u"Sending Buffer"_qs);
    TimerScope timer(*this);
    if (!m_cancelFlag && !bytes.isEmpty()) {
        RequireConnected();
        m_transport->write(bytes.constData(), bytes.size());
        while (m_transport->bytesToWrite() > 0 && !m_cancelFlag) {
            ThrowPendingError();
            RequireConnected();
            WaitForEvent();
        }
    }
    if (m_cancelFlag) {
        m_cancelFlag = false;
        throw EAbortError(QCoreApplication::translate("mail", "Socket send aborted"));
    }
}

void TPowersock::Write(const QString& text)
{
    StatusMessage(8, u"Write"_qs);
    SendBuffer(text.toUtf8());
}

void TPowersock::Writeln(const QString& text)
{
    StatusMessage(8, u"Writeln"_qs);
    Write(text + u"\r\n");
}

QString TPowersock::ReadLn()
{
    StatusMessage(8, u"ReadLn"_qs);
    const auto tooLong = [] {
        return ESockError(
            QCoreApplication::translate("mail", "Line longer than the line buffer of %1 bytes").arg(LineBufferSize));
    };
    TimerScope timer(*this);
    for (;;) {
        if (m_transport->canReadLine())
            break;
        if (m_transport->bytesAvailable() >= LineBufferSize)
            throw tooLong();
        if (m_peerClosed)
            return QString();
        ThrowPendingError();
        if (!m_linkOpen || !m_transport->isConnected()) {
            m_socketErrorCode = NotConnected;
            throw ESockError(LookupErrorMessage(NotConnected));
        }
        if (m_cancelFlag)
            break;
        WaitForEvent();
    }
    if (m_cancelFlag) {
        m_cancelFlag = false;
        throw EAbortError(QCoreApplication::translate("mail", "Socket readln aborted"));
    }
    const qint64 length = m_transport->readLine(m_lineBuffer.data(), LineBufferSize);
    if (length <= 0 || m_lineBuffer.at(length - 1) != '\n')
        throw tooLong();
    return QString::fromUtf8(m_lineBuffer.constData(), length);
}

void TPowersock::TakeReply(const QString& reply)
{
    m_replyText = reply;
    m_replyCode = 0;
    if (reply.isEmpty())
        return;
    StatusMessage(1, reply);
    m_replyCode = replyCode(reply);
}

QString TPowersock::Transaction(const QString& command)
{
    StatusMessage(8, u"Transaction"_qs);
    m_replyCode = 0;
    Writeln(command);
    const QString reply = ReadLn();
    TakeReply(reply);
    return reply;
}

void TPowersock::SendStream(QIODevice& stream)
{
    StatusMessage(8, u"SendStream"_qs);
    stream.seek(0);
    if (!m_cancelFlag) {
        m_sentBytes = 0;
        m_streamBytes = stream.size();
    }
    QByteArray chunk(LineBufferSize, Qt::Uninitialized);
    while (!m_cancelFlag) {
        const qint64 count = stream.read(chunk.data(), chunk.size());
        if (count < 0)
            throw Error(QCoreApplication::translate("mail", "Stream read error"));
        if (count == 0)
            break;
        RequireConnected();
        m_transport->write(chunk.constData(), count);
        qint64 queued = count;
        // Each time the system takes bytes counts as one send; the time-out bounds a peer that stops reading.
        TimerScope timer(*this);
        while (!m_cancelFlag) {
            const qint64 left = m_transport->bytesToWrite();
            if (left < queued) {
                m_sentBytes += queued - left;
                queued = left;
                CallHandler(OnPacketSent);
                TimerOn();
            }
            if (queued == 0 || m_cancelFlag)
                break;
            ThrowPendingError();
            RequireConnected();
            WaitForEvent();
        }
        // Keep windows painting while a large body goes out in one piece after another.
        QCoreApplication::processEvents();
    }
    if (m_cancelFlag) {
        m_cancelFlag = false;
        throw EAbortError(QCoreApplication::translate("mail", "Socket send aborted"));
    }
}

QString TPowersock::LookupErrorMessage(int code)
{
    StatusMessage(8, u"Looking Up Error Message"_qs);
    return socketErrorText(code);
}

} // namespace corvella::mail
