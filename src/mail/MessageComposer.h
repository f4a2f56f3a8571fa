#pragma once

#include "TExStringList.h"
#include "TNMUUProcessor.h"
#include "TPostMessage.h"

#include <QByteArray>

#include <functional>

class QDateTime;

namespace corvella::mail {

enum class TSubType { mtPlain = 0, mtEnriched = 1, mtSgml = 2, mtTabSeperated = 3, mtHtml = 4 };

/// Builds a message as SMTP carries it: the header block, and everything after it with a "." doubled at the start
/// of a line. A message whose subject, names and body are ASCII goes out as `charset` says; any other letters make
/// it UTF-8, with the body quoted-printable and the header texts as encoded words. Attachments are encoded now.
class MessageComposer {
public:
    using FileEvent = std::function<void(const QString& path)>;

    /// `subType` is the content type of a message without attachments.
    MessageComposer(const TPostMessage& message, TSubType subType, const QString& charset, UUMethods encodeType);

    /// Called with the attachment's path as listed, before and after it is encoded.
    FileEvent onEncodeStart;
    FileEvent onEncodeEnd;

    /// Fills `header` and `body` afresh. Text that would end a command or a header line early (CR, LF or NUL) is
    /// refused first; an attachment that cannot be opened raises "Cannot open file <path>" before its encoding.
    void compose(TExStringList& header, QByteArray& body);

    /// The date as RFC 5322 writes it: "Tue, 8 Dec 2026 01:41:12 +0100", with the offset `when` carries.
    static QString rfc5322Date(const QDateTime& when);
    /// A new globally unique Message-ID, angle brackets included, in the sender's domain when it has a usable one.
    static QString newMessageId(const QString& senderAddress);

private:
    void validate() const;
    bool needsUtf8() const;
    void composeHeader(TExStringList& header);
    void composeBody(QByteArray& body);
    void appendTextLines(QByteArray& body, const QStringList& lines);
    static void appendLine(QByteArray& body, const QByteArray& line);
    static void appendEncoded(QByteArray& body, const QByteArray& encoded);
    QByteArray encodeAttachment(const QString& path) const;

    const TPostMessage& m_message;
    TSubType m_subType;
    QString m_charset;
    UUMethods m_encodeType;
    QString m_boundary;
    bool m_quotedPrintable = false;
};

} // namespace corvella::mail
