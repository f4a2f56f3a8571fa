#pragma once

#include <QStringList>

namespace corvella::mail {

/// The service extensions a server announced in its reply to EHLO ("PIPELINING", "AUTH PLAIN LOGIN",
/// "SIZE 10240000" ...); none after HELO.
class SmtpExtensions {
public:
    /// Takes the lines of an EHLO reply: the first names the server, each further one announces an extension.
    void setFromEhloReply(const QStringList& replyLines);
    void clear() { m_lines.clear(); }

    /// The announced extensions as the server wrote them, reply codes taken off.
    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    /// Whether the server announced the keyword, ignoring case and parameters.
    bool has(const QString& keyword) const;
    /// The parameters of an announced extension ("AUTH" gives its methods), upper case; empty when not announced.
    QStringList parameters(const QString& keyword) const;

private:
    QStringList m_lines;
};

} // namespace corvella::mail
