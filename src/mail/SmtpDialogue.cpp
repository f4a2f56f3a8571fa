#include "SmtpDialogue.h"

#include "MimeText.h"
#include "SmtpLogin.h"
#include "TPowersock.h"
#include <QCoreApplication>

namespace corvella::mail {

namespace {
const QString Crlf = u"\r\n"_qs;
} // namespace

QString recipientAddress(const QString& entry)
{
    const qsizetype open = entry.indexOf(u'<');
    if (open >= 0) {
        QString rest = entry.mid(open + 1);
        const qsizetype nextOpen = rest.indexOf(u'<');
        if (nextOpen >= 0)
            rest.truncate(nextOpen);
        const qsizetype close = rest.indexOf(u'>');
        return close >= 0 ? rest.left(close) : rest;
    }
    const qsizetype colon = entry.indexOf(u':');
    if (colon < 0)
        return entry;
    QString rest = entry.mid(colon + 1);
    const qsizetype nextColon = rest.indexOf(u':');
    return nextColon >= 0 ? rest.left(nextColon) : rest;
}

void SmtpDialogue::readGreeting()
{
    const QString greeting = m_replies.next();
    if (m_replies.code() >= 400)
        throw Error(greeting);
    m_extensions.clear();
}

bool SmtpDialogue::sayEhlo(const QString& userId)
{
    const QStringList lines = m_replies.commandLines(u"EHLO "_qs + userId);
    const int code = m_replies.code();
    const QString& first = lines.first();
    for (const QString& line : lines)
        ReplyReader::require(line);
    if (code >= 500)
        return false; // an older server: HELO follows
    if (code >= 300)
        throw Error(first);
    m_extensions.setFromEhloReply(lines);
    return true;
}

void SmtpDialogue::startTls(const QString& host, const QString& userId)
{
    if (!m_extensions.has(u"STARTTLS"_qs))
        throw Error(
            QCoreApplication::translate("mail", "The server does not offer STARTTLS; nothing was sent unencrypted"));
    const QString reply = m_replies.command(u"STARTTLS"_qs);
    if (m_replies.code() != 220)
        throw Error(reply);
    m_socket.StartEncryption(host);
    // What the server announced in clear text may have been forged: ask again (RFC 3207, 4.2).
    m_extensions.clear();
    if (!sayEhlo(userId))
        throw Error(m_socket.ReplyText());
}

void SmtpDialogue::logIn(const QString& userId, const QString& password, bool allowPlainText)
{
    if (!m_socket.Encrypted() && !allowPlainText)
        throw Error(QCoreApplication::translate("mail", "Login refused: the password would travel unencrypted"));
    if (mime::hasLineBreak(password))
        throw Error(QCoreApplication::translate("mail", "Invalid character (CR, LF or NUL) in the password"));
    mail::logIn(m_replies, m_extensions.parameters(u"AUTH"_qs), userId, password);
}

void SmtpDialogue::checkMessageSize(const TExStringList& header, qint64 bodyOctets) const
{
    const QStringList size = m_extensions.parameters(u"SIZE"_qs);
    if (size.isEmpty())
        return;
    bool ok = false;
    const qint64 limit = size.first().toLongLong(&ok);
    const qint64 octets = header.join(Crlf).toUtf8().size() + 6 + bodyOctets;
    // SIZE 0 announces no fixed limit (RFC 1870).
    if (ok && limit > 0 && octets > limit)
        throw Error(QCoreApplication::translate("mail", "The message is %1 bytes long; the server takes at most %2")
                        .arg(octets)
                        .arg(limit));
}

void SmtpDialogue::reset()
{
    const QString reply = m_replies.command(u"RSET"_qs);
    if (m_replies.code() >= 400)
        throw Error(reply);
}

SmtpDialogue::Envelope SmtpDialogue::sendEnvelope(const QString& from, const QStringList& recipients,
                                                  const std::function<void(const QString& entry)>& refused)
{
    const QString mailFrom = u"MAIL FROM:<"_qs + from + u'>';
    QStringList rcptTo;
    rcptTo.reserve(recipients.size());
    for (const QString& entry : recipients)
        rcptTo << u"RCPT TO:<"_qs + recipientAddress(entry) + u'>';

    const bool pipelining = m_extensions.has(u"PIPELINING"_qs);
    qsizetype unread = 0; // pipelined replies not read yet
    if (pipelining) {
        // One write for the whole envelope; the replies come back in the order of the commands (RFC 2920).
        m_socket.Write(mailFrom + Crlf + rcptTo.join(Crlf) + Crlf);
        unread = 1 + rcptTo.size();
    }
    const auto reply = [&](const QString& command) {
        if (!pipelining)
            return m_replies.command(command);
        --unread;
        return m_replies.next();
    };

    const QString mailReply = reply(mailFrom);
    if (m_replies.code() >= 400) {
        // The recipients' replies are on their way: read them so the connection stays in step.
        while (unread > 0) {
            --unread;
            m_replies.next();
        }
        throw Error(mailReply);
    }
    Envelope envelope;
    for (qsizetype i = 0; i < recipients.size(); ++i) {
        const QString rcptReply = reply(rcptTo.at(i));
        // 421 is the server closing the connection, not a word on the address: the transaction ends here.
        if (m_replies.code() == 421)
            throw Error(rcptReply);
        if (m_replies.code() == 452) {
            envelope.deferred << recipients.at(i);
            envelope.deferredReply = rcptReply;
        } else if (m_replies.code() > 300) {
            if (refused)
                refused(recipients.at(i));
        } else {
            ++envelope.accepted;
            envelope.acceptedEntries << recipients.at(i);
        }
    }
    return envelope;
}

void SmtpDialogue::sendData(const TExStringList& header, QIODevice& body)
{
    const QString reply = m_replies.command(u"DATA"_qs);
    if (m_replies.code() >= 400)
        throw Error(reply);
    m_socket.Write(header.join(Crlf) + Crlf + Crlf + Crlf);
    m_socket.SendStream(body);
}

void SmtpDialogue::endData()
{
    const QString reply = m_replies.command(u"."_qs);
    if (m_replies.code() >= 400)
        throw Error(reply);
}

QString SmtpDialogue::quit()
{
    return m_socket.Transaction(u"QUIT"_qs);
}

} // namespace corvella::mail
