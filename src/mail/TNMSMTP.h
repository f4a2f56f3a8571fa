#pragma once

#include "MessageComposer.h"
#include "SmtpDialogue.h"
#include "TExStringList.h"
#include "TNMUUProcessor.h"
#include "TPostMessage.h"
#include "TPowersock.h"

#include <QBuffer>

namespace corvella::mail {

/// How the connection is protected: not at all, upgraded after the greeting (RFC 3207), or TLS from the first byte.
enum class SmtpSecurity { None, StartTls, ImplicitTls };
/// The part of the dialogue in progress, or where the last one failed.
enum class SmtpStep { Other, Greeting, Data };

/// The port a security choice uses unless another is given: 25, 587 for STARTTLS (submission), 465 for TLS.
int defaultPort(SmtpSecurity security);

using HeaderIncompleteEvent = std::function<void(TPowersock& sender, bool& handled, int hiType)>;
using RecipientEvent = std::function<void(TPowersock& sender, const QString& recipient)>;
using FileEvent = std::function<void(TPowersock& sender, const QString& fileName)>;

/// SMTP client: one message from `PostMessage` to all its To, CC and BCC recipients in one transaction, QUIT on
/// disconnect. With no security and no password it greets with a plain HELO; otherwise with EHLO (HELO when
/// refused), then STARTTLS or TLS from the first byte, then AUTH PLAIN or LOGIN as asked. A refused command raises an
/// error whose message is the server's reply line.
///
/// The component is the socket client its handlers receive; the commands go through an SmtpDialogue over it and the
/// message is built by a MessageComposer. Text that would become a command or a header line is refused when it holds
/// CR, LF or NUL.
class TNMSMTP : public TPowersock {
    Q_OBJECT
public:
    explicit TNMSMTP(QObject* parent = nullptr);
    explicit TNMSMTP(std::unique_ptr<SocketTransport> transport, QObject* parent = nullptr);
    ~TNMSMTP() override;

    /// The argument of HELO or EHLO, and the login name when a password is set.
    const QString& UserID() const { return m_userId; }
    void SetUserID(const QString& userId) { m_userId = userId; }
    SmtpSecurity Security() const { return m_security; }
    void SetSecurity(SmtpSecurity security) { m_security = security; }
    /// Held in memory for the login only; never reported in a status text or an error.
    void SetPassword(const QString& password) { m_password = password; }
    bool HasPassword() const { return !m_password.isEmpty(); }
    /// Lets the login go over a connection without TLS; off unless the user asks for it.
    bool AllowPlainTextLogin() const { return m_allowPlainTextLogin; }
    void SetAllowPlainTextLogin(bool allow) { m_allowPlainTextLogin = allow; }
    /// What the server announced to EHLO; nothing after HELO.
    const SmtpExtensions& Extensions() const { return m_dialogue.extensions(); }
    TPostMessage& PostMessage() { return m_postMessage; }
    const TPostMessage& PostMessage() const { return m_postMessage; }
    void SetPostMessage(const TPostMessage& message) { m_postMessage = message; }
    /// The header block built for the last message.
    const TExStringList& FinalHeader() const { return m_finalHeader; }
    void SetFinalHeader(const QStringList& lines) { m_finalHeader = lines; }
    UUMethods EncodeType() const { return m_encodeType; }
    void SetEncodeType(UUMethods method) { m_encodeType = method; }
    /// Clear the recipient and attachment lists after a successful send.
    bool ClearParams() const { return m_clearParams; }
    void SetClearParams(bool clear) { m_clearParams = clear; }
    /// Content type of a message without attachments.
    TSubType SubType() const { return m_subType; }
    void SetSubType(TSubType subType) { m_subType = subType; }
    const QString& Charset() const { return m_charset; }
    void SetCharset(const QString& charset) { m_charset = charset; }

    /// Everything the last message sends after its header block, as it goes on the wire.
    const QByteArray& MessageBody() const { return m_body; }
    bool Busy() const { return m_busy; }
    SmtpStep Step() const { return m_step; }
    /// The recipients of the last SendMail that the server took, with 250 to their RCPT and to the final ".".
    const QStringList& DeliveredRecipients() const { return m_delivered; }

    HandledEvent OnAuthenticationFailed;
    /// `hiType` 1: no sender address; 2: no recipient.
    HeaderIncompleteEvent OnHeaderIncomplete;
    NotifyEvent OnSendStart;
    RecipientEvent OnRecipientNotFound;
    FileEvent OnEncodeStart;
    FileEvent OnEncodeEnd;
    NotifyEvent OnSuccess;
    NotifyEvent OnFailure;

    /// Connects, reads the greeting and says HELO; on a refusal says QUIT and closes before raising.
    void Connect() override;
    /// Says QUIT and closes.
    void Disconnect() override;
    void Abort() override;
    /// Composes the message and sends it; does nothing while another Connect or SendMail is running.
    void SendMail();

    /// The address part of a recipient entry: the text in angle brackets, or after a ":", or the entry itself.
    static QString ExtractAddress(const QString& entry) { return recipientAddress(entry); }

protected:
    void SocketConnected() override {}

private:
    class BusyScope;

    void Greet();
    bool ExtendedSession() const;
    void SayHelo();
    /// Ends a session that failed while it opened: QUIT, or only the close when a wait was cancelled.
    void EndFailedSession(bool cancelled) noexcept;
    void ComposeMessage();
    void SendData();

    QString m_userId;
    SmtpSecurity m_security = SmtpSecurity::None;
    QString m_password;
    bool m_allowPlainTextLogin = false;
    TPostMessage m_postMessage;
    TExStringList m_finalHeader;
    UUMethods m_encodeType = UUMethods::uuMime;
    bool m_clearParams = true;
    TSubType m_subType = TSubType::mtPlain;
    QString m_charset = u"us-ascii"_qs;

    bool m_busy = false;
    SmtpStep m_step = SmtpStep::Other;
    QStringList m_delivered;
    QByteArray m_body;
    QBuffer m_bodyStream;
    SmtpDialogue m_dialogue;
};

} // namespace corvella::mail
