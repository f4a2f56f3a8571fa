#include "TNMSMTP.h"

#include "HandlerError.h"
#include "MimeText.h"
#include "TcpTransport.h"
#include "core/ScopeGuard.h"
#include <QCoreApplication>

namespace corvella::mail {

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
    : TNMSMTP(std::make_unique<TcpTransport>(), parent)
{}

TNMSMTP::TNMSMTP(std::unique_ptr<SocketTransport> transport, QObject* parent)
    : TPowersock(std::move(transport), parent)
    , m_dialogue(*this)
{
    SetPort(25);
    m_bodyStream.setBuffer(&m_body);
}

TNMSMTP::~TNMSMTP() = default;

// Session ---------------------------------------------------------------------------------------------------------

void TNMSMTP::Connect()
{
    if (mime::hasLineBreak(m_userId))
        throw Error(QCoreApplication::translate("mail", "Invalid character (CR, LF or NUL) in UserID"));
    BusyScope busy(m_busy);
    m_step = SmtpStep::Other;
    TPowersock::Connect();
    bool cancelled = false;
    corvella::OnFailure endSession([&] { EndFailedSession(cancelled); });
    try {
        Greet();
    } catch (const EAbortError&) {
        cancelled = true;
        throw;
    }
    busy.release();
    if (OnConnect)
        OnConnect(*this);
}

void TNMSMTP::Greet()
{
    if (m_security == SmtpSecurity::ImplicitTls)
        StartEncryption(Host());
    m_step = SmtpStep::Greeting;
    m_dialogue.readGreeting();
    m_step = SmtpStep::Other;
    // With no security and no login the dialogue stays the plain HELO one that every server accepts.
    if (!ExtendedSession() || !m_dialogue.sayEhlo(m_userId))
        SayHelo();
    if (m_security == SmtpSecurity::StartTls)
        m_dialogue.startTls(Host(), m_userId);
    if (!m_password.isEmpty())
        m_dialogue.logIn(m_userId, m_password, m_allowPlainTextLogin);
}

void TNMSMTP::EndFailedSession(bool cancelled) noexcept
{
    try {
        // Cancelled or timed out: the user wants out now, not after another wait for the reply to QUIT.
        if (cancelled)
            TPowersock::Disconnect();
        else
            Disconnect();
    } catch (const Error&) {
        // The error that ended the session is the one to report.
    }
}

bool TNMSMTP::ExtendedSession() const
{
    return m_security != SmtpSecurity::None || !m_password.isEmpty();
}

void TNMSMTP::SayHelo()
{
    int retries = 0;
    for (;;) {
        m_dialogue.replies().command(u"HELO "_qs + m_userId);
        if (ReplyCode() < 300)
            return;
        if (retries > 0 || !OnAuthenticationFailed)
            throw Error(QCoreApplication::translate("mail", "Authentication failed"));
        bool handled = false;
        OnAuthenticationFailed(*this, handled);
        if (!handled)
            throw Error(QCoreApplication::translate("mail", "Authentication failed"));
        if (mime::hasLineBreak(m_userId))
            throw Error(QCoreApplication::translate("mail", "Invalid character (CR, LF or NUL) in UserID"));
        ++retries;
    }
}

void TNMSMTP::Disconnect()
{
    SetCancelFlag(false);
    QString reply;
    {
        corvella::OnFailure close([this] { runFromEventLoop([this] { TPowersock::Disconnect(); }); });
        reply = m_dialogue.quit();
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

// Sending ---------------------------------------------------------------------------------------------------------

void TNMSMTP::SendMail()
{
    if (m_busy)
        return;
    BusyScope busy(m_busy);
    m_step = SmtpStep::Other;
    m_delivered.clear();

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
            throw Error(QCoreApplication::translate("mail", "Incomplete Header"));
        bool handled = false;
        OnHeaderIncomplete(*this, handled, m_postMessage.FromAddress.isEmpty() ? 1 : 2);
        if (!handled)
            throw Error(QCoreApplication::translate("mail", "Incomplete Header"));
        ++retries;
        // The handler has supplied a sender or recipients: the header has to name them.
        ComposeMessage();
    }

    if (OnSendStart)
        OnSendStart(*this);

    const TPostMessage message = m_postMessage; // handlers may change the record while the dialogue waits
    m_dialogue.checkMessageSize(m_finalHeader, m_body.size());
    m_dialogue.reset();
    QStringList recipients;
    for (const QStringList* list : {&message.ToAddress, &message.ToCarbonCopy, &message.ToBlindCarbonCopy}) {
        for (const QString& entry : *list) {
            if (!recipientAddress(entry).isEmpty())
                recipients << entry;
        }
    }
    // A server that limits the recipients of a transaction answers 452 to the rest: they go in the next one.
    for (;;) {
        const SmtpDialogue::Envelope envelope =
            m_dialogue.sendEnvelope(message.FromAddress, recipients, [this](const QString& entry) {
                if (OnRecipientNotFound)
                    OnRecipientNotFound(*this, entry);
            });
        if (!envelope.deferred.isEmpty() && envelope.accepted == 0)
            throw Error(envelope.deferredReply); // not one taken: another round would fare no better
        SendData();
        m_delivered += envelope.acceptedEntries;
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

void TNMSMTP::SendData()
{
    m_step = SmtpStep::Data;
    m_dialogue.sendData(m_finalHeader, m_bodyStream);
    try {
        m_dialogue.endData();
    } catch (const Error&) {
        if (OnFailure)
            OnFailure(*this);
        throw;
    }
    m_step = SmtpStep::Other;
}

void TNMSMTP::ComposeMessage()
{
    MessageComposer composer(m_postMessage, m_subType, m_charset, m_encodeType);
    composer.onEncodeStart = [this](const QString& path) {
        if (OnEncodeStart)
            OnEncodeStart(*this, path);
    };
    composer.onEncodeEnd = [this](const QString& path) {
        if (OnEncodeEnd)
            OnEncodeEnd(*this, path);
    };
    m_bodyStream.close();
    composer.compose(m_finalHeader, m_body);
    m_bodyStream.open(QIODevice::ReadOnly);
}

} // namespace corvella::mail
