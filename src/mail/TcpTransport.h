#pragma once

#include "SocketTransport.h"

#include <QAbstractSocket>

class QHostInfo;
class QSslError;
class QSslSocket;

namespace corvella::mail {

/// SocketTransport over QTcpSocket and QHostInfo on the calling thread.
class TcpTransport : public SocketTransport {
    Q_OBJECT
public:
    explicit TcpTransport(QObject* parent = nullptr);
    ~TcpTransport() override;

    void lookupHost(const QString& name) override;
    void cancelLookup() override;
    void connectToHost(quint32 address, quint16 port) override;
    void abort() override;
    bool isConnected() const override;

    qint64 bytesAvailable() const override;
    bool canReadLine() const override;
    qint64 readLine(char* data, qint64 maxSize) override;
    void write(const char* data, qint64 size) override;
    qint64 bytesToWrite() const override;
    void startEncryption(const QString& peerName) override;
    bool isEncrypted() const override;
    void acceptCertificate(const QByteArray& sha256) override;

    /// The socket layer's code for a Qt socket error; `text` tells apart the kinds Qt reports as NetworkError.
    static int errorCode(QAbstractSocket::SocketError error, const QString& text = QString());

private:
    void lookedUp(const QHostInfo& info);
    void socketError(QAbstractSocket::SocketError error);
    void socketDisconnected();
    void sslErrors(const QList<QSslError>& errors);
    QByteArray peerCertificateSha256() const;

    QSslSocket* m_socket;
    QByteArray m_acceptedCertificate;
    QString m_sslFailure;
    bool m_encrypting = false;
    int m_lookupId = -1;
    bool m_connecting = false;
    bool m_aborting = false;
};

} // namespace corvella::mail
