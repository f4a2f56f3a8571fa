#pragma once

#include "TExStringList.h"
#include "TNMUUProcessor.h"
#include "TPostMessage.h"
#include "TPowersock.h"

#include <QBuffer>

namespace corvella::mail {

enum class TSubType { mtPlain = 0, mtEnriched = 1, mtSgml = 2, mtTabSeperated = 3, mtHtml = 4 };

using HeaderIncompleteEvent = std::function<void(TPowersock& sender, bool& handled, int hiType)>;
using RecipientEvent = std::function<void(TPowersock& sender, const QString& recipient)>;
using FileEvent = std::function<void(TPowersock& sender, const QString& fileName)>;

/// SMTP client: a plain HELO greeting without authentication, one message from `PostMessage` to all its To, CC
/// and BCC recipients in one transaction, QUIT on disconnect. A refused command raises an error whose message is
/// the server's reply line.
///
/// Text that would become a command or a header line is refused when it holds CR, LF or NUL. A message whose
/// subject, names and body are ASCII goes out as `Charset` says; any other letters make it UTF-8, with the body
/// quoted-printable and the header texts as encoded words.
class TNMSMTP : public TPowersock {
    Q_OBJECT
public:
    explicit TNMSMTP(QObject* parent = nullptr);
    explicit TNMSMTP(std::unique_ptr<SocketTransport> transport, QObject* parent = nullptr);
    ~TNMSMTP() override;

    /// The argument of HELO.
    const QString& UserID() const { return m_userId; }
    void SetUserID(const QString& userId) { m_userId = userId; }
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
    static QString ExtractAddress(const QString& entry);

protected:
    void SocketConnected() override {}

private:
    class BusyScope;

    void ComposeMessage();
    void ValidateMessage() const;
    bool NeedsUtf8() const;
    void ComposeHeader();
    void ComposeBody();
    void AppendTextLines(const QStringList& lines, bool quotedPrintable);
    void AppendLine(const QByteArray& line);
    void AppendEncoded(const QByteArray& encoded);
    QByteArray EncodeAttachment(const QString& path);
    QString Command(const QString& command);
    void RequireReply(const QString& reply) const;
    QString SkipContinuation(QString line);

    QString m_userId;
    TPostMessage m_postMessage;
    TExStringList m_finalHeader;
    UUMethods m_encodeType = UUMethods::uuMime;
    bool m_clearParams = true;
    TSubType m_subType = TSubType::mtPlain;
    QString m_charset = u"us-ascii"_qs;

    bool m_busy = false;
    QByteArray m_body;
    QBuffer m_bodyStream;
    QString m_boundary;
    bool m_bodyQuotedPrintable = false;
};

} // namespace corvella::mail
