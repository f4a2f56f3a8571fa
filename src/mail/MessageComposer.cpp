#include "MessageComposer.h"

#include "MimeText.h"
#include "TS_BufferStream.h"
#include "core/Error.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <QCoreApplication>
#include <algorithm>

namespace corvella::mail {

namespace {

QString newBoundary()
{
    QString boundary = u"====================54535"_qs;
    for (int i = 0; i < 6; ++i)
        boundary += QChar(u'a' + QRandomGenerator::global()->bounded(25)); // "a" to "y"
    return boundary + u"====";
}

QString contentType(TSubType subType)
{
    switch (subType) {
    case TSubType::mtEnriched:
        return u"Content-Type: text/enriched; charset="_qs;
    case TSubType::mtSgml:
        return u"Content-Type: text/sgml; charset="_qs;
    case TSubType::mtTabSeperated:
        return u"Content-Type: text/tab-separated-values; charset="_qs;
    case TSubType::mtHtml:
        return u"Content-Type: text/html; charset="_qs;
    case TSubType::mtPlain:
        break;
    }
    return u"Content-Type: text/plain; charset="_qs;
}

/// A line that cannot go out as it is: other letters, control characters, or longer than SMTP allows.
bool needsQuotedPrintable(const QString& line)
{
    if (line.size() > mime::MaxLineOctets)
        return true;
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u >= 0x7F || (u < 0x20 && u != u'\t'))
            return true;
    }
    return false;
}

} // namespace

MessageComposer::MessageComposer(const TPostMessage& message, TSubType subType, const QString& charset,
                                 UUMethods encodeType)
    : m_message(message)
    , m_subType(subType)
    , m_charset(charset)
    , m_encodeType(encodeType)
{}

QString MessageComposer::rfc5322Date(const QDateTime& when)
{
    // Names in English whatever the user's locale: readers parse them, people do not.
    static const char16_t* const days[] = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
    static const char16_t* const months[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                             u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    const QDate date = when.date();
    const QTime time = when.time();
    const int offsetMinutes = when.offsetFromUtc() / 60;
    const int absolute = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return u"%1, %2 %3 %4 %5:%6:%7 %8%9%10"_qs.arg(QString::fromUtf16(days[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QString::fromUtf16(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QChar(u'0'))
        .arg(time.hour(), 2, 10, QChar(u'0'))
        .arg(time.minute(), 2, 10, QChar(u'0'))
        .arg(time.second(), 2, 10, QChar(u'0'))
        .arg(QChar(offsetMinutes < 0 ? u'-' : u'+'))
        .arg(absolute / 60, 2, 10, QChar(u'0'))
        .arg(absolute % 60, 2, 10, QChar(u'0'));
}

QString MessageComposer::newMessageId(const QString& senderAddress)
{
    // The sender's domain keeps the right-hand side ours; time plus 64 random bits keeps the left unique.
    QString domain = senderAddress.mid(senderAddress.lastIndexOf(u'@') + 1);
    const bool usable =
        senderAddress.contains(u'@') && !domain.isEmpty() && std::all_of(domain.cbegin(), domain.cend(), [](QChar c) {
            return c.unicode() < 0x7F && (c.isLetterOrNumber() || c == u'.' || c == u'-');
        });
    if (!usable)
        domain = u"corvella.invalid"_qs;
    return u"<%1.%2@%3>"_qs.arg(QString::number(QDateTime::currentMSecsSinceEpoch(), 36),
                                QString::number(QRandomGenerator::global()->generate64(), 36), domain);
}

void MessageComposer::validate() const
{
    const TPostMessage& m = m_message;
    const auto check = [](const QString& text, const char16_t* field) {
        if (mime::hasLineBreak(text))
            throw Error(QCoreApplication::translate("mail", "Invalid character (CR, LF or NUL) in %1")
                            .arg(QString::fromUtf16(field)));
    };
    check(m.FromName, u"FromName");
    check(m.FromAddress, u"FromAddress");
    check(m.Subject, u"Subject");
    check(m.LocalProgram, u"LocalProgram");
    check(m.Date, u"Date");
    check(m.MessageId, u"MessageId");
    check(m.ReplyTo, u"ReplyTo");
    for (const QString& entry : m.ToAddress)
        check(entry, u"ToAddress");
    for (const QString& entry : m.ToCarbonCopy)
        check(entry, u"ToCarbonCopy");
    for (const QString& entry : m.ToBlindCarbonCopy)
        check(entry, u"ToBlindCarbonCopy");
    for (const QString& path : m.Attachments)
        check(QFileInfo(path).fileName(), u"Attachments");
    if (!m.ListUnsubscribe.isEmpty() && !mime::isUnsubscribeAddress(m.ListUnsubscribe))
        throw Error(QCoreApplication::translate(
                        "mail",
                        "The unsubscribe address must begin with mailto: or https:// and hold no blanks or angle "
                        "brackets: %1")
                        .arg(m.ListUnsubscribe.simplified()));
}

void MessageComposer::compose(TExStringList& header, QByteArray& body)
{
    validate();
    m_quotedPrintable = false;
    for (const QString& entry : std::as_const(m_message.Body)) {
        for (const QString& line : mime::splitLines(entry))
            m_quotedPrintable = m_quotedPrintable || needsQuotedPrintable(line);
    }
    composeHeader(header);
    composeBody(body);
}

bool MessageComposer::needsUtf8() const
{
    const TPostMessage& m = m_message;
    const auto ascii = [](const QStringList& list) {
        return std::all_of(list.begin(), list.end(), [](const QString& s) { return mime::isAscii(s); });
    };
    return !mime::isAscii(m.Subject) || !mime::isAscii(m.FromName) || !mime::isAscii(m.ReplyTo) ||
           !ascii(m.ToAddress) || !ascii(m.ToCarbonCopy) || !ascii(m.Body);
}

void MessageComposer::composeHeader(TExStringList& header)
{
    const TPostMessage& m = m_message;
    const QString charset = needsUtf8() ? u"utf-8"_qs : m_charset;
    header.clear();
    header.append(u"From: "_qs + mime::headerAddress(m.FromName + u'<' + m.FromAddress + u'>', 6));
    if (!m.ToAddress.isEmpty())
        header.append(mime::addressList(u"To"_qs, m.ToAddress));
    if (!m.ToCarbonCopy.isEmpty())
        header.append(mime::addressList(u"CC"_qs, m.ToCarbonCopy));
    header.SetHeader(u"Subject"_qs, mime::headerText(u"Subject"_qs, m.Subject));
    header.SetHeader(u"X-Mailer"_qs, mime::headerText(u"X-Mailer"_qs, m.LocalProgram));
    if (!m.ReplyTo.isEmpty())
        header.SetHeader(u"Reply-To"_qs, mime::headerAddress(m.ReplyTo, 10));
    header.SetHeader(u"Date"_qs, m.Date.isEmpty() ? rfc5322Date(QDateTime::currentDateTime())
                                                  : mime::headerText(u"Date"_qs, m.Date));
    header.SetHeader(u"Message-ID"_qs, m.MessageId.isEmpty() ? newMessageId(m.FromAddress) : m.MessageId);
    if (!m.ListUnsubscribe.isEmpty()) {
        header.SetHeader(u"List-Unsubscribe"_qs, u'<' + m.ListUnsubscribe + u'>');
        // One-click unsubscribing (RFC 8058) is a POST to the https address; a mailto: address has no such form.
        if (m.ListUnsubscribe.startsWith(u"https:"_qs, Qt::CaseInsensitive))
            header.SetHeader(u"List-Unsubscribe-Post"_qs, u"List-Unsubscribe=One-Click"_qs);
    }
    header.append(u"Mime-Version: 1.0"_qs);
    if (!m.Attachments.isEmpty()) {
        m_boundary = newBoundary();
        header.append(u"Content-Type: multipart/mixed; boundary=\""_qs + m_boundary + u'"');
    } else {
        m_boundary.clear();
        header.append(contentType(m_subType) + charset);
        if (m_quotedPrintable)
            header.append(u"Content-Transfer-Encoding: quoted-printable"_qs);
    }
}

void MessageComposer::appendLine(QByteArray& body, const QByteArray& line)
{
    if (line.startsWith('.'))
        body += '.'; // a line of its own "." would end the message
    body += line;
    body += "\r\n";
}

void MessageComposer::appendTextLines(QByteArray& body, const QStringList& lines)
{
    for (const QString& line : lines) {
        if (!m_quotedPrintable) {
            appendLine(body, line.toUtf8());
            continue;
        }
        for (const QByteArray& wireLine : mime::quotedPrintable(line))
            appendLine(body, wireLine);
    }
}

void MessageComposer::appendEncoded(QByteArray& body, const QByteArray& encoded)
{
    if (!encoded.contains('.')) { // base64 never holds one
        body += encoded;
        return;
    }
    qsizetype start = 0;
    while (start < encoded.size()) {
        qsizetype end = encoded.indexOf('\n', start);
        end = end < 0 ? encoded.size() : end + 1;
        if (encoded.at(start) == '.')
            body += '.';
        body.append(encoded.constData() + start, end - start);
        start = end;
    }
}

QByteArray MessageComposer::encodeAttachment(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QCoreApplication::translate("mail", "Cannot open file %1").arg(path));
    QBuffer memory;
    memory.buffer().reserve(TNMUUProcessor::EncodedSize(file.size(), m_encodeType)); // no regrowing on the way
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    TNMUUProcessor encoder;
    encoder.SetMethod(m_encodeType);
    encoder.SetInputStream(&file);
    encoder.SetOutputStream(&buffered);
    if (onEncodeStart)
        onEncodeStart(path);
    encoder.Encode();
    if (onEncodeEnd)
        onEncodeEnd(path);
    QByteArray encoded(buffered.size(), Qt::Uninitialized);
    encoded.resize(buffered.read(encoded.data(), encoded.size()));
    return encoded;
}

void MessageComposer::composeBody(QByteArray& body)
{
    const TPostMessage& m = m_message;
    body.clear();

    QStringList lines;
    for (const QString& entry : m.Body)
        lines += mime::splitLines(entry);

    if (m.Attachments.isEmpty()) {
        appendTextLines(body, lines);
    } else {
        const QString charset = needsUtf8() ? u"utf-8"_qs : m_charset;
        const QByteArray dashBoundary = "--" + m_boundary.toLatin1();
        body += dashBoundary + "\r\nContent-Type: text/plain; charset=" + charset.toUtf8() + "\r\n";
        if (m_quotedPrintable)
            body += "Content-Transfer-Encoding: quoted-printable\r\n";
        body += "\r\n";
        appendTextLines(body, lines);
        const bool uu = m_encodeType == UUMethods::uuCode;
        for (const QString& path : m.Attachments) {
            const QString fileName = QFileInfo(path).fileName();
            const QByteArray encoded = encodeAttachment(path);
            body.reserve(body.size() + encoded.size() + 1024);
            body += dashBoundary + "\r\n";
            body += "Content-Type: application/octet-stream; " +
                    mime::fileNameParameter(u"name"_qs, fileName).toUtf8() + "\r\n";
            // Readers decode by this label: uuencoded lines called base64 would arrive as garbage.
            body += uu ? "Content-Transfer-Encoding: x-uuencode\r\n" : "Content-Transfer-Encoding: base64\r\n";
            body += "Content-Disposition: attachment; " + mime::fileNameParameter(u"filename"_qs, fileName).toUtf8() +
                    "\r\n\r\n";
            if (uu)
                body += "begin 644 " + fileName.toUtf8() + "\r\n";
            appendEncoded(body, encoded);
            if (uu)
                body += "end\r\n";
        }
        body += dashBoundary + "--\r\n";
    }
}

} // namespace corvella::mail
