#include "ListMailer.h"

#include "HandlerError.h"
#include "core/ScopeGuard.h"

#include <algorithm>

namespace corvella::mail {

namespace {

class ListRows : public AddressSource {
public:
    explicit ListRows(const QStringList& rows)
        : m_rows(rows)
    {}
    qint64 rowCount() override { return m_rows.size(); }
    std::optional<QString> nextRow() override
    {
        if (m_next >= m_rows.size())
            return std::nullopt;
        return m_rows.at(m_next++);
    }

private:
    const QStringList& m_rows;
    qsizetype m_next = 0;
};

} // namespace

ListMailer::ListMailer(TNMSMTP& smtp)
    : m_smtp(smtp)
{
    smtp.SetPort(25);
    smtp.SetReportLevel(0);
    // A server that stops answering must end the run with an error rather than hold it for ever.
    smtp.SetTimeOut(WaitTimeOutMs);
    smtp.SetEncodeType(UUMethods::uuMime);
    smtp.SetClearParams(true);
    smtp.SetSubType(TSubType::mtHtml);
    smtp.SetCharset(u"us-ascii"_qs);
    smtp.PostMessage().LocalProgram = u"Dorlune V2.0"_qs;
}

TSubType ListMailer::bodyFormat(int index)
{
    constexpr TSubType formats[] = {TSubType::mtPlain, TSubType::mtHtml, TSubType::mtEnriched, TSubType::mtSgml,
                                    TSubType::mtTabSeperated};
    return index >= 0 && index < int(std::size(formats)) ? formats[index] : TSubType::mtPlain;
}

ListMailer::Outcome ListMailer::run(const QStringList& rows, const ListMessage& message, int batchSize)
{
    ListRows source(rows);
    return run(source, message, batchSize);
}

ListMailer::Outcome ListMailer::run(AddressSource& rows, const ListMessage& message, int batchSize)
{
    if (batchSize <= 0)
        throw Error(u"The number of addresses per mail must be above zero"_qs);
    m_running = true;
    m_stopRequested = false;
    m_sentCount = 0;
    ScopeExit finish([this] {
        m_running = false;
        forgetCredentials();
    });
    OnFailure breakOff([this] { closeBrokenConnection(); });
    const Outcome outcome = mailRows(rows, message, batchSize);
    if (outcome != Outcome::Finished)
        closeBrokenConnection();
    return outcome;
}

void ListMailer::stop()
{
    m_stopRequested = m_running;
    m_smtp.Abort();
}

ListMailer::Outcome ListMailer::mailRows(AddressSource& rows, const ListMessage& message, int batchSize)
{
    qint64 total = rows.rowCount();
    prepareMessage(message);
    qint64 listed = 0;
    while (const std::optional<QString> row = rows.nextRow()) {
        if (m_stopRequested)
            return Outcome::Stopped;
        const QString address = row->trimmed();
        if (!address.isEmpty()) {
            m_smtp.PostMessage().ToBlindCarbonCopy << address;
            ++listed;
        } else if (total > 0) {
            --total;
        }
        // A blank last row still ends the list: the shrunken total then triggers the batch, even an empty one.
        if (((listed > 0 && listed % batchSize == 0) || listed >= total) && !sendBatch(message))
            return Outcome::NoConnection;
        if (progress)
            progress(total > 0 ? int(listed * 100 / total) : 100); // every row blank: nothing left to do
    }
    return Outcome::Finished;
}

void ListMailer::prepareMessage(const ListMessage& message)
{
    TPostMessage& post = m_smtp.PostMessage();
    post.ToCarbonCopy.clear();
    post.ToBlindCarbonCopy.clear();
    post.FromAddress = message.senderAddress;
    post.FromName = message.senderName;
    post.Subject = message.subject;
    post.Body = message.bodyLines;
    restoreSharedParts(message);
}

void ListMailer::restoreSharedParts(const ListMessage& message)
{
    TPostMessage& post = m_smtp.PostMessage();
    post.ToAddress = QStringList{message.senderAddress};
    post.Attachments = message.attachments;
}

bool ListMailer::sendBatch(const ListMessage& message)
{
    if (!m_smtp.LinkOpen())
        connectToServer();
    if (!m_smtp.LinkOpen())
        return false;
    TPostMessage& post = m_smtp.PostMessage();
    if (!post.ToBlindCarbonCopy.isEmpty()) {
        const qint64 batch = post.ToBlindCarbonCopy.size();
        restoreSharedParts(message);
        m_sentCount += batch - std::min(sendCountingRefusals(), batch);
    }
    if (m_smtp.LinkOpen())
        m_smtp.Disconnect();
    post.ToBlindCarbonCopy.clear();
    return true;
}

qint64 ListMailer::sendCountingRefusals()
{
    qint64 refused = 0;
    RecipientEvent shown = m_smtp.OnRecipientNotFound;
    ScopeExit restore([&] { m_smtp.OnRecipientNotFound = std::move(shown); });
    m_smtp.OnRecipientNotFound = [&](TPowersock& sender, const QString& recipient) {
        ++refused;
        if (shown)
            shown(sender, recipient);
    };
    m_smtp.SendMail();
    return refused;
}

void ListMailer::connectToServer()
{
    const MailServer settings = server ? server() : MailServer();
    m_smtp.SetHost(settings.host);
    m_smtp.SetPort(settings.port);
    m_smtp.SetUserID(settings.userId);
    m_smtp.SetSecurity(settings.security);
    m_smtp.SetPassword(settings.password);
    m_smtp.SetAllowPlainTextLogin(settings.allowPlainTextLogin);
    try {
        m_smtp.Connect();
    } catch (const ESockError& error) {
        const QByteArray refused = m_smtp.RefusedCertificateSha256();
        if (refused.isEmpty() || !trustCertificate || !trustCertificate(error.message(), refused))
            throw;
        m_smtp.AcceptCertificate(refused);
        m_smtp.Connect();
    }
}

void ListMailer::closeBrokenConnection()
{
    // A connection broken off mid-message would carry the next run's commands into that message's text. No QUIT:
    // the server may be the reason the run ended.
    if (!m_smtp.LinkOpen())
        return;
    try {
        m_smtp.TPowersock::Disconnect();
    } catch (const Error& error) {
        reportHandlerError(error.message()); // runs while the run's own error is on its way out
    }
}

void ListMailer::forgetCredentials()
{
    // The password lives on in the caller's field only, and a trusted certificate is asked about again next run.
    m_smtp.SetPassword(QString());
    m_smtp.AcceptCertificate(QByteArray());
}

} // namespace corvella::mail
