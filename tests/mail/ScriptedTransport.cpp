#include "ScriptedTransport.h"

#include <QTimer>

#include <cstring>

ScriptedTransport::ScriptedTransport(QByteArray greeting, QByteArrayList replies)
    : m_greeting(std::move(greeting))
    , m_replies(std::move(replies))
{}

void ScriptedTransport::lookupHost(const QString& name)
{
    const quint32 address = name == u"mail.test"_qs ? 0x7F000001 : 0;
    QTimer::singleShot(0, this, [this, address] { emit lookupFinished(address, address ? 0 : 11001); });
}

void ScriptedTransport::connectToHost(quint32, quint16)
{
    ++m_connectCount;
    QTimer::singleShot(0, this, [this] {
        m_connected = true;
        emit connected();
        if (m_greeting.isEmpty()) {
            m_connected = false;
            emit closedByPeer();
            return;
        }
        m_input += m_greeting;
        emit readyRead();
    });
}

void ScriptedTransport::abort()
{
    m_connected = false;
    m_input.clear();
    m_pending.clear();
}

qint64 ScriptedTransport::readLine(char* data, qint64 maxSize)
{
    const qsizetype end = m_input.indexOf('\n');
    const qsizetype length = std::min<qsizetype>(end < 0 ? m_input.size() : end + 1, maxSize);
    std::memcpy(data, m_input.constData(), size_t(length));
    m_input.remove(0, length);
    return length;
}

void ScriptedTransport::write(const char* data, qint64 size)
{
    m_written.append(data, size);
    m_writes.append(QByteArray(data, size));
    m_pending.append(data, size);
    qsizetype end;
    while ((end = m_pending.indexOf("\r\n")) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 2);
        serve(line);
    }
    QTimer::singleShot(0, this, [this, size] { emit bytesWritten(size); });
}

void ScriptedTransport::serve(const QByteArray& line)
{
    if (m_inData) {
        if (line == ".") {
            m_inData = false;
            m_commands.append(u"<DATA>"_qs);
            m_commands.append(u"."_qs);
            answer();
        } else {
            m_message += line + "\r\n";
        }
        return;
    }
    m_commands.append(QString::fromUtf8(line));
    m_dataRequested = line == "DATA";
    answer();
}

void ScriptedTransport::answer()
{
    const QByteArray reply = m_replies.isEmpty() ? QByteArray() : m_replies.takeFirst();
    if (m_dataRequested && reply.startsWith("354"))
        m_inData = true;
    m_dataRequested = false;
    QTimer::singleShot(0, this, [this, reply] {
        if (!m_connected)
            return;
        if (reply.isEmpty()) {
            m_connected = false;
            emit closedByPeer();
            return;
        }
        m_input += reply;
        emit readyRead();
    });
}
