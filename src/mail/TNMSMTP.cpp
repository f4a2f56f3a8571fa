#include "TNMSMTP.h"

#include "MimeText.h"
#include "SocketTransport.h"
#include "TS_BufferStream.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace corvella::mail {

namespace {

const QString Crlf = u"\r\n"_qs;

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

/// A reply line begins with three digits followed by a blank, "-" or the line's end.
bool isReplyLine(const QString& reply)
{
    if (reply.size() < 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        if (reply.at(i) < u'0' || reply.at(i) > u'9')
            return false;
    }
    return reply.size() == 3 || reply.at(3) == u' ' || reply.at(3) == u'-' || reply.at(3) == u'\r' ||
           reply.at(3) == u'\n';
}

} // namespace

int defaultPort(SmtpSecurity security)
{
    switch (security) {
    case SmtpSecurity::StartTls:
        return 587;
    case SmtpSecurity::ImplicitTls:
        return 465;
    case SmtpSecurity::None:
        break;
    }
    return 25;
}

QString TNMSMTP::Rfc5322Date(const QDateTime& when)
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

QString TNMSMTP::NewMessageId(const QString& senderAddress)
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

/// Sets the busy flag for one operation and clears it afterwards, unless it was already set.
class TNMSMTP::BusyScope {
public:
    explicit BusyScope(bool& flag)
        : m_flag(flag)
        , m_wasSet(flag)
    {
        m_flag = true;
    }
    ~BusyScope() { release(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void release()
    {
        if (!m_wasSet)
            m_flag = false;
        m_wasSet = true;
    }

private:
    bool& m_flag;
    bool m_wasSet;
};

TNMSMTP::TNMSMTP(QObject* parent)
    : TPowersock(parent)
{
    SetPort(25);
    m_bodyStream.setBuffer(&m_body);
}

TNMSMTP::TNMSMTP(std::unique_ptr<SocketTransport> transport, QObject* parent)
    : TPowersock(std::move(transport), parent)
{
    SetPort(25);
    m_bodyStream.setBuffer(&m_body);
}

TNMSMTP::~TNMSMTP() = default;

QString TNMSMTP::ExtractAddress(const QString& entry)
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

// Dialogue --------------------------------------------------------------------------------------------------------

void TNMSMTP::RequireReply(const QString& reply) const
{
    // An empty reply means the server closed the connection; neither that nor a line without a reply code may
    // pass for acceptance.
    if (reply.isEmpty())
        throw ESockError(u"Connection closed by the server"_qs);
    if (!isReplyLine(reply))
        throw Error(reply);
}

QString TNMSMTP::SkipContinuation(QString line)
{
    while (!line.isEmpty() && (line.startsWith(u' ') || (line.size() > 3 && line.at(3) == u'-')))
        line = ReadLn();
    return line;
}

QString TNMSMTP::Command(const QString& command)
{
    const QString reply = Transaction(command);
    RequireReply(reply);
    // Any reply may run over several lines; left unread, they would answer the next command.
    SkipContinuation(reply);
    return reply;
}

void TNMSMTP::Connect()
{
    if (mime::hasLineBreak(m_userId))
        throw Error(u"Invalid character (CR, LF or NUL) in UserID"_qs);
    BusyScope busy(m_busy);
    TPowersock::Connect();
    try {
        if (m_security == SmtpSecurity::ImplicitTls)
            StartEncryption(Host());
        const QString greeting = ReadLn();
        TakeReply(greeting);
        RequireReply(greeting);
        SkipContinuation(greeting);
        if (ReplyCode() >= 400)
            throw Error(greeting);
        m_extensions.clear();
        // With no security and no login the dialogue stays the plain HELO one that every server accepts.
        if (!ExtendedSession() || !SayEhlo())
            SayHelo();
        if (m_security == SmtpSecurity::StartTls) {
            if (!HasExtension(u"STARTTLS"_qs))
                throw Error(u"The server does not offer STARTTLS; nothing was sent unencrypted"_qs);
            const QString reply = Command(u"STARTTLS"_qs);
            if (ReplyCode() != 220)
                throw Error(reply);
            StartEncryption(Host());
            // What the server announced in clear text may have been forged: ask again (RFC 3207, 4.2).
            m_extensions.clear();
            if (!SayEhlo())
                throw Error(ReplyText());
        }
        if (!m_password.isEmpty())
            Login();
    } catch (const EAbortError&) {
        // Cancelled or timed out: the user wants out now, not after another wait for the reply to QUIT.
        TPowersock::Disconnect();
        throw;
    } catch (...) {
        try {
            Disconnect();
        } catch (const Error&) {
            // The first error is the one to report.
        }
        throw;
    }
    busy.release();
    if (OnConnect)
        OnConnect(*this);
}

bool TNMSMTP::ExtendedSession() const
{
    return m_security != SmtpSecurity::None || !m_password.isEmpty();
}

void TNMSMTP::SayHelo()
{
    int retries = 0;
    for (;;) {
        Command(u"HELO "_qs + m_userId);
        if (ReplyCode() < 300)
            return;
        if (retries > 0 || !OnAuthenticationFailed)
            throw Error(u"Authentication failed"_qs);
        bool handled = false;
        OnAuthenticationFailed(*this, handled);
        if (!handled)
            throw Error(u"Authentication failed"_qs);
        if (mime::hasLineBreak(m_userId))
            throw Error(u"Invalid character (CR, LF or NUL) in UserID"_qs);
        ++retries;
    }
}

bool TNMSMTP::SayEhlo()
{
    QString line = Transaction(u"EHLO "_qs + m_userId);
    RequireReply(line);
    const int code = ReplyCode();
    const QString first = line;
    QStringList lines{line};
    while (line.size() > 3 && line.at(3) == u'-') {
        line = ReadLn();
        RequireReply(line);
        lines << line;
    }
    if (code >= 500)
        return false; // an older server: HELO follows
    if (code >= 300)
        throw Error(first);
    // The first line names the server; each further one announces an extension.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString extension = lines.at(i).mid(4).trimmed();
        if (!extension.isEmpty())
            m_extensions << extension;
    }
    return true;
}

bool TNMSMTP::HasExtension(const QString& keyword) const
{
    for (const QString& extension : m_extensions) {
        if (extension.section(u' ', 0, 0).compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList TNMSMTP::ExtensionParameters(const QString& keyword) const
{
    for (const QString& extension : m_extensions) {
        QStringList words = extension.toUpper().split(u' ', Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.takeFirst() == keyword.toUpper())
            return words;
    }
    return {};
}

void TNMSMTP::Login()
{
    if (!Encrypted() && !m_allowPlainTextLogin)
        throw Error(u"Login refused: the password would travel unencrypted"_qs);
    if (mime::hasLineBreak(m_password))
        throw Error(u"Invalid character (CR, LF or NUL) in the password"_qs);
    const QStringList methods = ExtensionParameters(u"AUTH"_qs);
    const auto base64 = [](const QString& text) { return QString::fromLatin1(text.toUtf8().toBase64()); };
    // Replies go through Transaction directly: an error must carry the server's line, never our command.
    const auto expect = [this](const QString& reply, int code) {
        RequireReply(reply);
        SkipContinuation(reply);
        // Success is 235, but some servers (test sinks among them) confirm a login with another 2xx.
        const bool ok = code == 235 ? ReplyCode() / 100 == 2 : ReplyCode() == code;
        if (!ok)
            throw Error(reply);
    };
    if (methods.contains(u"PLAIN"_qs)) {
        expect(Transaction(u"AUTH PLAIN "_qs + base64(QString(QChar(0)) + m_userId + QChar(0) + m_password)), 235);
    } else if (methods.contains(u"LOGIN"_qs)) {
        expect(Transaction(u"AUTH LOGIN"_qs), 334);
        expect(Transaction(base64(m_userId)), 334);
        expect(Transaction(base64(m_password)), 235);
    } else {
        throw Error(u"The server offers no login method this program knows (PLAIN or LOGIN)"_qs);
    }
}

void TNMSMTP::Disconnect()
{
    SetCancelFlag(false);
    QString reply;
    try {
        reply = Transaction(u"QUIT"_qs);
    } catch (...) {
        TPowersock::Disconnect();
        throw;
    }
    const int code = ReplyCode();
    TPowersock::Disconnect();
    if (code > 339)
        throw Error(reply);
}

void TNMSMTP::Abort()
{
    TPowersock::Abort();
}

void TNMSMTP::SendMail()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);

    ComposeMessage();
    CheckConnection();

    int retries = 0;
    const auto complete = [this] {
        const TPostMessage& m = m_postMessage;
        return !m.FromAddress.isEmpty() &&
               (!m.ToAddress.isEmpty() || !m.ToCarbonCopy.isEmpty() || !m.ToBlindCarbonCopy.isEmpty());
    };
    while (!complete()) {
        if (retries > 0 || !OnHeaderIncomplete)
            throw Error(u"Incomplete Header"_qs);
        bool handled = false;
        OnHeaderIncomplete(*this, handled, m_postMessage.FromAddress.isEmpty() ? 1 : 2);
        if (!handled)
            throw Error(u"Incomplete Header"_qs);
        ++retries;
        // The handler has supplied a sender or recipients: the header has to name them.
        ComposeMessage();
    }

    if (OnSendStart)
        OnSendStart(*this);

    const TPostMessage message = m_postMessage; // handlers may change the record while the dialogue waits
    CheckMessageSize();
    QString reply = Command(u"RSET"_qs);
    if (ReplyCode() >= 400)
        throw Error(reply);
    QStringList recipients;
    for (const QStringList* list : {&message.ToAddress, &message.ToCarbonCopy, &message.ToBlindCarbonCopy}) {
        for (const QString& entry : *list) {
            if (!ExtractAddress(entry).isEmpty())
                recipients << entry;
        }
    }
    // A server that limits the recipients of a transaction answers 452 to the rest: they go in the next one.
    for (;;) {
        const Envelope envelope = SendEnvelope(message.FromAddress, recipients);
        if (!envelope.deferred.isEmpty() && envelope.accepted == 0)
            throw Error(envelope.deferredReply); // not one taken: another round would fare no better
        SendData();
        if (envelope.deferred.isEmpty())
            break;
        recipients = envelope.deferred;
    }

    if (m_clearParams) {
        m_postMessage.ToAddress.clear();
        m_postMessage.ToCarbonCopy.clear();
        m_postMessage.ToBlindCarbonCopy.clear();
        m_postMessage.Attachments.clear();
    }
    busy.release();
    if (OnSuccess)
        OnSuccess(*this);
}

TNMSMTP::Envelope TNMSMTP::SendEnvelope(const QString& from, const QStringList& recipients)
{
    const QString mailFrom = u"MAIL FROM:<"_qs + from + u'>';
    QStringList rcptTo;
    rcptTo.reserve(recipients.size());
    for (const QString& entry : recipients)
        rcptTo << u"RCPT TO:<"_qs + ExtractAddress(entry) + u'>';

    const bool pipelining = HasExtension(u"PIPELINING"_qs);
    qsizetype unread = 0; // pipelined replies not read yet
    if (pipelining) {
        // One write for the whole envelope; the replies come back in the order of the commands (RFC 2920).
        Write(mailFrom + Crlf + rcptTo.join(Crlf) + Crlf);
        unread = 1 + rcptTo.size();
    }
    const auto reply = [&](const QString& command) {
        if (!pipelining)
            return Command(command);
        --unread;
        return NextReply();
    };

    const QString mailReply = reply(mailFrom);
    if (ReplyCode() >= 400) {
        // The recipients' replies are on their way: read them so the connection stays in step.
        while (unread > 0) {
            --unread;
            NextReply();
        }
        throw Error(mailReply);
    }
    Envelope envelope;
    for (qsizetype i = 0; i < recipients.size(); ++i) {
        const QString rcptReply = reply(rcptTo.at(i));
        if (ReplyCode() == 452) {
            envelope.deferred << recipients.at(i);
            envelope.deferredReply = rcptReply;
        } else if (ReplyCode() > 300) {
            if (OnRecipientNotFound)
                OnRecipientNotFound(*this, recipients.at(i));
        } else {
            ++envelope.accepted;
        }
    }
    return envelope;
}

QString TNMSMTP::NextReply()
{
    const QString reply = ReadLn();
    TakeReply(reply);
    RequireReply(reply);
    SkipContinuation(reply);
    return reply;
}

void TNMSMTP::SendData()
{
    QString reply = Command(u"DATA"_qs);
    if (ReplyCode() >= 400)
        throw Error(reply);

    Write(m_finalHeader.join(Crlf) + Crlf + Crlf + Crlf);
    SendStream(m_bodyStream);

    try {
        reply = Transaction(u"."_qs);
        RequireReply(reply);
        SkipContinuation(reply);
        if (ReplyCode() >= 400)
            throw Error(reply);
    } catch (const Error&) {
        if (OnFailure)
            OnFailure(*this);
        throw;
    }
}

void TNMSMTP::CheckMessageSize() const
{
    const QStringList size = ExtensionParameters(u"SIZE"_qs);
    if (size.isEmpty())
        return;
    bool ok = false;
    const qint64 limit = size.first().toLongLong(&ok);
    const qint64 octets = m_finalHeader.join(Crlf).toUtf8().size() + 6 + m_body.size();
    // SIZE 0 announces no fixed limit (RFC 1870).
    if (ok && limit > 0 && octets > limit)
        throw Error(u"The message is %1 bytes long; the server takes at most %2"_qs.arg(octets).arg(limit));
}

// Composition -----------------------------------------------------------------------------------------------------

void TNMSMTP::ValidateMessage() const
{
    const TPostMessage& m = m_postMessage;
    const auto check = [](const QString& text, const char16_t* field) {
        if (mime::hasLineBreak(text))
            throw Error(u"Invalid character (CR, LF or NUL) in "_qs + QString::fromUtf16(field));
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
}

void TNMSMTP::ComposeMessage()
{
    ValidateMessage();
    m_bodyQuotedPrintable = false;
    for (const QString& entry : std::as_const(m_postMessage.Body)) {
        for (const QString& line : mime::splitLines(entry))
            m_bodyQuotedPrintable = m_bodyQuotedPrintable || needsQuotedPrintable(line);
    }
    ComposeHeader();
    ComposeBody();
}

bool TNMSMTP::NeedsUtf8() const
{
    const TPostMessage& m = m_postMessage;
    const auto ascii = [](const QStringList& list) {
        return std::all_of(list.begin(), list.end(), [](const QString& s) { return mime::isAscii(s); });
    };
    return !mime::isAscii(m.Subject) || !mime::isAscii(m.FromName) || !mime::isAscii(m.ReplyTo) ||
           !ascii(m.ToAddress) || !ascii(m.ToCarbonCopy) || !ascii(m.Body);
}

void TNMSMTP::ComposeHeader()
{
    const TPostMessage& m = m_postMessage;
    const QString charset = NeedsUtf8() ? u"utf-8"_qs : m_charset;
    m_finalHeader.clear();
    m_finalHeader.append(u"From: "_qs + mime::headerAddress(m.FromName + u'<' + m.FromAddress + u'>', 6));
    if (!m.ToAddress.isEmpty())
        m_finalHeader.append(mime::addressList(u"To"_qs, m.ToAddress));
    if (!m.ToCarbonCopy.isEmpty())
        m_finalHeader.append(mime::addressList(u"CC"_qs, m.ToCarbonCopy));
    m_finalHeader.SetHeader(u"Subject"_qs, mime::headerText(u"Subject"_qs, m.Subject));
    m_finalHeader.SetHeader(u"X-Mailer"_qs, mime::headerText(u"X-Mailer"_qs, m.LocalProgram));
    if (!m.ReplyTo.isEmpty())
        m_finalHeader.SetHeader(u"Reply-To"_qs, mime::headerAddress(m.ReplyTo, 10));
    m_finalHeader.SetHeader(u"Date"_qs, m.Date.isEmpty() ? Rfc5322Date(QDateTime::currentDateTime())
                                                         : mime::headerText(u"Date"_qs, m.Date));
    m_finalHeader.SetHeader(u"Message-ID"_qs, m.MessageId.isEmpty() ? NewMessageId(m.FromAddress) : m.MessageId);
    m_finalHeader.append(u"Mime-Version: 1.0"_qs);
    if (!m.Attachments.isEmpty()) {
        m_boundary = newBoundary();
        m_finalHeader.append(u"Content-Type: multipart/mixed; boundary=\""_qs + m_boundary + u'"');
    } else {
        m_boundary.clear();
        m_finalHeader.append(contentType(m_subType) + charset);
        if (m_bodyQuotedPrintable)
            m_finalHeader.append(u"Content-Transfer-Encoding: quoted-printable"_qs);
    }
}

void TNMSMTP::AppendLine(const QByteArray& line)
{
    if (line.startsWith('.'))
        m_body += '.'; // a line of its own "." would end the message
    m_body += line;
    m_body += "\r\n";
}

void TNMSMTP::AppendTextLines(const QStringList& lines, bool quotedPrintable)
{
    for (const QString& line : lines) {
        if (!quotedPrintable) {
            AppendLine(line.toUtf8());
            continue;
        }
        for (const QByteArray& wireLine : mime::quotedPrintable(line))
            AppendLine(wireLine);
    }
}

void TNMSMTP::AppendEncoded(const QByteArray& encoded)
{
    if (!encoded.contains('.')) { // base64 never holds one
        m_body += encoded;
        return;
    }
    qsizetype start = 0;
    while (start < encoded.size()) {
        qsizetype end = encoded.indexOf('\n', start);
        end = end < 0 ? encoded.size() : end + 1;
        if (encoded.at(start) == '.')
            m_body += '.';
        m_body.append(encoded.constData() + start, end - start);
        start = end;
    }
}

QByteArray TNMSMTP::EncodeAttachment(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(u"Cannot open file %1"_qs.arg(path));
    QBuffer memory;
    memory.buffer().reserve(TNMUUProcessor::EncodedSize(file.size(), m_encodeType)); // no regrowing on the way
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    TNMUUProcessor encoder;
    encoder.SetMethod(m_encodeType);
    encoder.SetInputStream(&file);
    encoder.SetOutputStream(&buffered);
    if (OnEncodeStart)
        OnEncodeStart(*this, path);
    encoder.Encode();
    if (OnEncodeEnd)
        OnEncodeEnd(*this, path);
    QByteArray encoded(buffered.size(), Qt::Uninitialized);
    encoded.resize(buffered.read(encoded.data(), encoded.size()));
    return encoded;
}

void TNMSMTP::ComposeBody()
{
    const TPostMessage& m = m_postMessage;
    m_bodyStream.close();
    m_body.clear();

    QStringList lines;
    for (const QString& entry : m.Body)
        lines += mime::splitLines(entry);

    if (m.Attachments.isEmpty()) {
        AppendTextLines(lines, m_bodyQuotedPrintable);
    } else {
        const QString charset = NeedsUtf8() ? u"utf-8"_qs : m_charset;
        const QByteArray dashBoundary = "--" + m_boundary.toLatin1();
        m_body += dashBoundary + "\r\nContent-Type: text/plain; charset=" + charset.toUtf8() + "\r\n";
        if (m_bodyQuotedPrintable)
            m_body += "Content-Transfer-Encoding: quoted-printable\r\n";
        m_body += "\r\n";
        AppendTextLines(lines, m_bodyQuotedPrintable);
        const bool uu = m_encodeType == UUMethods::uuCode;
        for (const QString& path : m.Attachments) {
            const QString fileName = QFileInfo(path).fileName();
            const QByteArray encoded = EncodeAttachment(path);
            m_body.reserve(m_body.size() + encoded.size() + 1024);
            m_body += dashBoundary + "\r\n";
            m_body += "Content-Type: application/octet-stream; " +
                      mime::fileNameParameter(u"name"_qs, fileName).toUtf8() + "\r\n";
            // Readers decode by this label: uuencoded lines called base64 would arrive as garbage.
            m_body += uu ? "Content-Transfer-Encoding: x-uuencode\r\n" : "Content-Transfer-Encoding: base64\r\n";
            m_body += "Content-Disposition: attachment; " + mime::fileNameParameter(u"filename"_qs, fileName).toUtf8() +
                      "\r\n\r\n";
            if (uu)
                m_body += "begin 644 " + fileName.toUtf8() + "\r\n";
            AppendEncoded(encoded);
            if (uu)
                m_body += "end\r\n";
        }
        m_body += dashBoundary + "--\r\n";
    }
    m_bodyStream.open(QIODevice::ReadOnly);
}

} // namespace corvella::mail
