#include "SmtpReply.h"

#include "TPowersock.h"
#include <QCoreApplication>

namespace corvella::mail {

int replyCode(const QString& line)
{
    int digits = 0;
    while (digits < line.size() && digits < 10 && line.at(digits) >= u'0' && line.at(digits) <= u'9')
        ++digits;
    if (digits == 0)
        return 0;
    bool ok = false;
    const int value = line.left(digits).toInt(&ok);
    // A number beyond 16 bits is no reply code; wrapping it could turn it into a success.
    return ok && value <= 32767 ? value : 0;
}

bool isReplyLine(const QString& line)
{
    if (line.size() < 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (line.at(i) < u'0' || line.at(i) > u'9')
            return false;
    }
    return line.size() == 3 || line.at(3) == u' ' || line.at(3) == u'-' || line.at(3) == u'\r' || line.at(3) == u'\n';
}

ReplyReader::Deadline::Deadline(TPowersock& socket)
    : m_socket(socket)
    , m_outer(socket.m_replyDeadline.isForever())
{
    if (m_outer && socket.TimeOut() > 0)
        socket.m_replyDeadline.setRemainingTime(socket.TimeOut());
}

ReplyReader::Deadline::~Deadline()
{
    if (m_outer)
        m_socket.m_replyDeadline = QDeadlineTimer(QDeadlineTimer::Forever);
}

QString ReplyReader::command(const QString& command)
{
    Deadline deadline(m_socket);
    const QString reply = m_socket.Transaction(command);
    require(reply);
    skipContinuation(reply);
    return reply;
}

QStringList ReplyReader::commandLines(const QString& command)
{
    Deadline deadline(m_socket);
    QStringList lines{m_socket.Transaction(command)};
    require(lines.first());
    readContinuation(lines);
    return lines;
}

QString ReplyReader::next()
{
    Deadline deadline(m_socket);
    const QString reply = m_socket.ReadLn();
    m_socket.TakeReply(reply);
    require(reply);
    skipContinuation(reply);
    return reply;
}

int ReplyReader::code() const
{
    return m_socket.ReplyCode();
}

void ReplyReader::require(const QString& reply)
{
    if (reply.isEmpty())
        throw ESockError(QCoreApplication::translate("mail", "Connection closed by the server"));
    if (!isReplyLine(reply))
        throw Error(reply);
}

QString ReplyReader::skipContinuation(QString line)
{
    QStringList lines{std::move(line)};
    readContinuation(lines);
    return lines.last();
}

void ReplyReader::readContinuation(QStringList& lines)
{
    Deadline deadline(m_socket);
    qint64 bytes = 0;
    for (const QString& line : std::as_const(lines))
        bytes += line.size();
    for (;;) {
        const QString& line = lines.last();
        if (line.isEmpty() || !(line.startsWith(u' ') || (line.size() > 3 && line.at(3) == u'-')))
            return;
        if (lines.size() >= MaxReplyLines)
            throw ESockError(
                QCoreApplication::translate("mail", "The server's reply ran past %1 lines").arg(MaxReplyLines));
        if (bytes >= MaxReplyBytes)
            throw ESockError(
                QCoreApplication::translate("mail", "The server's reply ran past %1 bytes").arg(MaxReplyBytes));
        lines << m_socket.ReadLn();
        bytes += lines.last().size();
    }
}

} // namespace corvella::mail
