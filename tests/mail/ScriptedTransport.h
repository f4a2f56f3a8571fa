#pragma once

#include "mail/SocketTransport.h"

#include <QByteArrayList>
#include <QStringList>

/// A transport that plays a server from a script: the greeting on connect, then the next reply for every command
/// line the client completes; message lines after a 354 reply to DATA are collected until the "." line. An empty
/// greeting or reply closes the connection instead. Replies arrive through the event loop, as a socket's would.
class ScriptedTransport : public corvella::mail::SocketTransport {
    Q_OBJECT
public:
    ScriptedTransport(QByteArray greeting, QByteArrayList replies);

    /// Command lines as the server read them, without CR LF; the message as one entry "<DATA>...".
    const QStringList& commands() const { return m_commands; }
    const QByteArray& message() const { return m_message; }
    /// Every byte the client wrote.
    const QByteArray& written() const { return m_written; }
    /// The client's writes one by one.
    const QByteArrayList& writes() const { return m_writes; }
    int connectCount() const { return m_connectCount; }

    void lookupHost(const QString& name) override;
    void cancelLookup() override {}
    void connectToHost(quint32 address, quint16 port) override;
    void abort() override;
    bool isConnected() const override { return m_connected; }
    qint64 bytesAvailable() const override { return m_input.size(); }
    bool canReadLine() const override { return m_input.contains('\n'); }
    qint64 readLine(char* data, qint64 maxSize) override;
    void write(const char* data, qint64 size) override;
    qint64 bytesToWrite() const override { return 0; }

private:
    void serve(const QByteArray& line);
    void answer();

    QByteArray m_greeting;
    QByteArrayList m_replies;
    QStringList m_commands;
    QByteArray m_message;
    QByteArray m_written;
    QByteArrayList m_writes;
    QByteArray m_pending;
    QByteArray m_input;
    bool m_connected = false;
    bool m_inData = false;
    bool m_dataRequested = false;
    int m_connectCount = 0;
};
