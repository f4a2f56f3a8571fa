#include "TcpTransport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkProxy>
#include <QSslSocket>

namespace corvella::mail {

TcpTransport::TcpTransport(QObject* parent)
    : SocketTransport(parent)
    , m_socket(new QSslSocket(this))
{
    // Mail goes straight to the named server, never through a proxy taken from the environment.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_connecting = false;
        // Commands and replies alternate in small packets: waiting for an ACK before sending would stall both.
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit connected();
    });
    connect(m_socket, &QSslSocket::encrypted, this, [this] {
        m_encrypting = false;
        emit encrypted();
    });
    connect(m_socket, &QSslSocket::sslErrors, this, &TcpTransport::sslErrors);
    connect(m_socket, &QTcpSocket::readyRead, this, &TcpTransport::readyRead);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &TcpTransport::bytesWritten);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &TcpTransport::socketError);
    connect(m_socket, &QTcpSocket::disconnected, this, &TcpTransport::socketDisconnected);
}

TcpTransport::~TcpTransport()
{
    cancelLookup();
    m_aborting = true;
    m_socket->abort();
}

void TcpTransport::lookupHost(const QString& name)
{
    cancelLookup();
    m_lookupId = QHostInfo::lookupHost(name, this, &TcpTransport::lookedUp);
}

void TcpTransport::cancelLookup()
{
    if (m_lookupId != -1)
        QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
}

void TcpTransport::lookedUp(const QHostInfo& info)
{
    if (info.lookupId() != m_lookupId)
        return;
    m_lookupId = -1;
    if (info.error() != QHostInfo::NoError) {
        emit lookupFinished(0, info.error() == QHostInfo::HostNotFound ? 11001 : 11002);
        return;
    }
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            emit lookupFinished(address.toIPv4Address(), 0);
            return;
        }
    }
    emit lookupFinished(0, 11004); // the name exists, but has no IPv4 address
}

void TcpTransport::connectToHost(quint32 address, quint16 port)
{
    abort();
    m_connecting = true;
    m_socket->connectToHost(QHostAddress(address), port);
}

void TcpTransport::abort()
{
    m_connecting = false;
    m_encrypting = false;
    m_aborting = true;
    m_socket->abort();
    m_aborting = false;
}

bool TcpTransport::isConnected() const
{
    return m_socket->state() == QAbstractSocket::ConnectedState;
}

qint64 TcpTransport::bytesAvailable() const
{
    return m_socket->bytesAvailable();
}

bool TcpTransport::canReadLine() const
{
    return m_socket->canReadLine();
}

qint64 TcpTransport::readLine(char* data, qint64 maxSize)
{
    // Qt keeps one byte of the size for a terminating zero: the caller's buffer has room for it.
    return m_socket->readLine(data, maxSize + 1);
}

void TcpTransport::write(const char* data, qint64 size)
{
    m_socket->write(data, size);
    m_socket->flush();
}

qint64 TcpTransport::bytesToWrite() const
{
    return m_socket->bytesToWrite();
}

void TcpTransport::startEncryption(const QString& peerName)
{
    m_sslFailure.clear();
    m_encrypting = true;
    // The socket keeps the errors it was told to ignore across connections; each handshake judges afresh.
    m_socket->ignoreSslErrors(QList<QSslError>());
    m_socket->setPeerVerifyName(peerName);
    m_socket->setPeerVerifyMode(QSslSocket::VerifyPeer);
    m_socket->startClientEncryption();
}

bool TcpTransport::isEncrypted() const
{
    return m_socket->isEncrypted();
}

void TcpTransport::acceptCertificate(const QByteArray& sha256)
{
    m_acceptedCertificate = sha256;
}

QByteArray TcpTransport::peerCertificateSha256() const
{
    const QSslCertificate certificate = m_socket->peerCertificate();
    return certificate.isNull() ? QByteArray() : certificate.digest(QCryptographicHash::Sha256);
}

void TcpTransport::sslErrors(const QList<QSslError>& errors)
{
    // The user's exception covers exactly the certificate they saw, and only faults of that certificate.
    const QByteArray digest = peerCertificateSha256();
    const bool accepted =
        !m_acceptedCertificate.isEmpty() && digest == m_acceptedCertificate &&
        std::all_of(errors.cbegin(), errors.cend(), [&](const QSslError& error) {
            return error.certificate().isNull() || error.certificate().digest(QCryptographicHash::Sha256) == digest;
        });
    if (accepted) {
        m_socket->ignoreSslErrors(errors);
        return;
    }
    QStringList reasons;
    for (const QSslError& error : errors)
        reasons << error.errorString();
    m_sslFailure = reasons.join(u"; "_qs);
}

void TcpTransport::socketError(QAbstractSocket::SocketError error)
{
    if (m_aborting)
        return;
    if (m_encrypting) {
        m_encrypting = false;
        const QString reason = m_sslFailure.isEmpty() ? m_socket->errorString() : m_sslFailure;
        const QByteArray digest = peerCertificateSha256();
        // Nothing more may pass over this connection, least of all in clear text.
        m_aborting = true;
        m_socket->abort();
        m_aborting = false;
        emit encryptionFailed(reason, digest);
        return;
    }
    const int code = errorCode(error, m_socket->errorString());
    if (m_connecting) {
        m_connecting = false;
        emit connectFailed(code);
    } else if (error != QAbstractSocket::RemoteHostClosedError) {
        emit failed(code);
    }
    // A close by the peer is reported by socketDisconnected, which follows.
}

void TcpTransport::socketDisconnected()
{
    if (!m_aborting)
        emit closedByPeer();
}

namespace {

// Whether a socket's error text holds Qt's text `source` as Qt's catalogue for the user's language words it.
bool holdsTranslated(const QString& text, const char* source)
{
    const char* const context = "QNativeSocketEngine";
    return text.contains(QCoreApplication::translate(context, source), Qt::CaseInsensitive);
}

} // namespace

int TcpTransport::errorCode(QAbstractSocket::SocketError error, const QString& text)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return 10054;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    case QAbstractSocket::UnfinishedSocketOperationError:
        return 10037;
    case QAbstractSocket::OperationError:
        return 10022;
    case QAbstractSocket::TemporaryError:
        return 10035;
    case QAbstractSocket::NetworkError:
        // Qt folds several system errors into this one; its text still tells them apart, in English or in the
        // language of Qt's catalogue.
        if (text.contains(u"timed out"_qs, Qt::CaseInsensitive) || holdsTranslated(text, "Connection timed out") ||
            holdsTranslated(text, "Network operation timed out"))
            return 10060;
        if (text.contains(u"host unreachable"_qs, Qt::CaseInsensitive) || holdsTranslated(text, "Host unreachable"))
            return 10065;
        if (text.contains(u"network unreachable"_qs, Qt::CaseInsensitive) ||
            holdsTranslated(text, "Network unreachable"))
            return 10051;
        return 10050;
    default:
        return -1;
    }
}

} // namespace corvella::mail
