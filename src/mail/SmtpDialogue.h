#pragma once

#include "SmtpExtensions.h"
#include "SmtpReply.h"
#include "TExStringList.h"

#include <functional>

class QIODevice;

namespace corvella::mail {

class TPowersock;

/// The address part of a recipient entry: the text in angle brackets, or after a ":", or the entry itself.
QString recipientAddress(const QString& entry);

/// The client's side of the SMTP commands over a socket client: greeting, EHLO, STARTTLS, login, the envelope
/// (pipelined when the server allows), the message data and QUIT. A refused command raises an error whose message
/// is the server's reply line. The events of the mail component and the chances its handlers get stay with TNMSMTP.
class SmtpDialogue {
public:
    explicit SmtpDialogue(TPowersock& socket)
        : m_socket(socket)
        , m_replies(socket)
    {}

    ReplyReader& replies() { return m_replies; }
    const SmtpExtensions& extensions() const { return m_extensions; }

    /// Reads the greeting; a code of 400 or more raises its line.
    void readGreeting();
    /// EHLO; false when the server does not know it and HELO should follow.
    bool sayEhlo(const QString& userId);
    /// STARTTLS, the handshake checked against `host`, then EHLO again: what came in clear text may be forged.
    void startTls(const QString& host, const QString& userId);
    /// Logs in; without TLS only when `allowPlainText`.
    void logIn(const QString& userId, const QString& password, bool allowPlainText);
    /// Raises when a message of this header and body is larger than the server said it takes.
    void checkMessageSize(const TExStringList& header, qint64 bodyOctets) const;
    void reset();

    struct Envelope {
        qsizetype accepted = 0;
        /// The recipient entries the server took, in order.
        QStringList acceptedEntries;
        /// Recipients the server put off with 452 (too many recipients), and its line.
        QStringList deferred;
        QString deferredReply;
    };
    /// MAIL FROM and RCPT TO for the recipient entries, pipelined when the server allows; `refused` hears of each
    /// entry the server refused.
    Envelope sendEnvelope(const QString& from, const QStringList& recipients,
                          const std::function<void(const QString& entry)>& refused);
    /// DATA, then the header block, the blank line after it, one empty line and the body.
    void sendData(const TExStringList& header, QIODevice& body);
    /// The "." that ends the data.
    void endData();
    /// QUIT; the reply line.
    QString quit();

private:
    TPowersock& m_socket;
    ReplyReader m_replies;
    SmtpExtensions m_extensions;
};

} // namespace corvella::mail
