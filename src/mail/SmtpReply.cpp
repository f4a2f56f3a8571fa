#include "SmtpReply.h"

#include "TPowersock.h"

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

QString ReplyReader::command(const QString& command)
{
    const QString reply = m_socket.Transaction(command);
    require(reply);
    skipContinuation(reply);
    return reply;
}

QString ReplyReader::next()
{
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
        throw ESockError(u"Connection closed by the server"_qs);
    if (!isReplyLine(reply))
        throw Error(reply);
}

QString ReplyReader::skipContinuation(QString line)
{
    while (!line.isEmpty() && (line.startsWith(u' ') || (line.size() > 3 && line.at(3) == u'-')))
        line = m_socket.ReadLn();
    return line;
}

} // namespace corvella::mail
