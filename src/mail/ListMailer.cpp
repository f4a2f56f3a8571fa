#include "ListMailer.h"

#include "AddressCheck.h"
#include "HandlerError.h"
#include "MimeText.h"
#include "SmtpReply.h"
#include "core/ScopeGuard.h"

#include <QHash>
#include <QSet>

#include <QCoreApplication>
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

/// A server's text as the user can read it: control characters as \xNN, and not too long to show.
QString printable(const QString& text)
{
    QString shown;
    for (QChar c : QStringView(text).left(80)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += u"\\x%1"_qs.arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    return text.size() > 80 ? shown + u"..." : shown;
}

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
        throw Error(QCoreApplication::translate("mail", "The number of addresses per mail must be above zero"));
    m_results.clear();
    m_lastBatch = 0;
    QList<qsizetype> order;
    while (const std::optional<QString> row = rows.nextRow()) {
        AddressResult result;
        result.row = m_results.size() + 1;
        result.address = *row;
        result.detail = addressProblem(*row);
        result.outcome = result.detail.isEmpty() ? AddressOutcome::NotSent : AddressOutcome::Skipped;
        if (result.outcome == AddressOutcome::Skipped && !row->trimmed().isEmpty() && contactOf)
            result.contact = contactOf(*row);
        order << m_results.size();
        m_results << result;
    }
    countOutcomes();
    if (log)
        log->runStarted(message.subject, QDateTime::currentDateTime(), m_results);
    return mailing([&] { return mailRows(order, order.size(), message, batchSize); });
}

ListMailer::Outcome ListMailer::resume(const ListMessage& message, int batchSize)
{
    if (batchSize <= 0)
        throw Error(QCoreApplication::translate("mail", "The number of addresses per mail must be above zero"));
    QList<qsizetype> order;
    for (qsizetype i = 0; i < m_results.size(); ++i) {
        const AddressOutcome outcome = m_results.at(i).outcome;
        if (outcome == AddressOutcome::NotSent || outcome == AddressOutcome::Refused)
            order << i;
    }
    return mailing([&] { return mailRows(order, order.size(), message, batchSize); });
}

bool ListMailer::canResume() const
{
    return m_counts.notSent > 0 || m_counts.refused > 0;
}

bool ListMailer::sendTest(const ListMessage& message)
{
    bool connected = true;
    mailing([&] {
        prepareMessage(message);
        connectToServer();
        connected = m_smtp.LinkOpen();
        if (!connected)
            return Outcome::NoConnection;
        m_smtp.SendMail();
        if (m_smtp.LinkOpen())
            m_smtp.Disconnect();
        return Outcome::Finished;
    });
    return connected;
}

template <class Mailing> ListMailer::Outcome ListMailer::mailing(Mailing&& mail)
{
    m_running = true;
    m_stopRequested = false;
    ScopeExit finish([this] {
        m_running = false;
        forgetCredentials();
    });
    OnFailure breakOff([this] { closeBrokenConnection(); });
    Outcome outcome;
    try {
        outcome = mail();
    } catch (const Error& error) {
        if (!m_stopRequested || !dynamic_cast<const EAbortError*>(&error)) {
            const QString words = explained(error);
            if (words.isEmpty())
                throw;
            throw Error(words);
        }
        outcome = Outcome::Stopped; // the user's own cancel: no error to show
    }
    if (outcome != Outcome::Finished)
        closeBrokenConnection();
    return outcome;
}

void ListMailer::stop()
{
    m_stopRequested = m_running;
}

void ListMailer::abort()
{
    m_stopRequested = m_running;
    m_smtp.Abort();
}

ListMailer::Outcome ListMailer::mailRows(const QList<qsizetype>& rows, qint64 total, const ListMessage& message,
                                         int batchSize)
{
    prepareMessage(message);
    qint64 listed = 0;
    QList<qsizetype> batch;
    for (const qsizetype index : rows) {
        if (m_stopRequested)
            return Outcome::Stopped;
        if (m_results.at(index).outcome != AddressOutcome::Skipped) {
            batch << index;
            ++listed;
        } else if (total > 0) {
            --total;
        }
        // A skipped last row still ends the list: the shrunken total then triggers the batch, even an empty one.
        if ((listed > 0 && listed % batchSize == 0) || listed >= total) {
            if (!sendBatch(message, batch))
                return Outcome::NoConnection;
            batch.clear();
        }
        if (progress)
            progress(total > 0 ? int(listed * 100 / total) : 100); // every row skipped: nothing left to do
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
    post.ListUnsubscribe = message.unsubscribe;
    // Typed text would run into one line as HTML; in a message with attachments it goes as plain text anyway.
    const bool typedAsText = m_smtp.SubType() == TSubType::mtHtml && message.attachments.isEmpty() &&
                             !mime::hasHtmlMarkup(message.bodyLines);
    post.Body = typedAsText ? mime::textAsHtml(message.bodyLines) : message.bodyLines;
    restoreSharedParts(message);
}

void ListMailer::restoreSharedParts(const ListMessage& message)
{
    TPostMessage& post = m_smtp.PostMessage();
    post.ToAddress = QStringList{message.senderAddress};
    post.Attachments = message.attachments;
}

bool ListMailer::sendBatch(const ListMessage& message, const QList<qsizetype>& batch)
{
    if (!m_smtp.LinkOpen())
        connectToServer();
    if (!m_smtp.LinkOpen())
        return false;
    TPostMessage& post = m_smtp.PostMessage();
    if (!batch.isEmpty()) {
        ++m_lastBatch;
        post.ToBlindCarbonCopy.clear();
        for (const qsizetype index : batch) {
            m_results[index].batch = m_lastBatch;
            post.ToBlindCarbonCopy << m_results.at(index).address.trimmed();
        }
        restoreSharedParts(message);
        sendRecordingOutcomes(batch);
    }
    if (m_smtp.LinkOpen())
        m_smtp.Disconnect();
    post.ToBlindCarbonCopy.clear();
    return true;
}

void ListMailer::sendRecordingOutcomes(const QList<qsizetype>& batch)
{
    QHash<QString, QString> refused;
    RecipientEvent shown = m_smtp.OnRecipientNotFound;
    ScopeExit restore([&] { m_smtp.OnRecipientNotFound = std::move(shown); });
    m_smtp.OnRecipientNotFound = [&](TPowersock& sender, const QString& recipient) {
        refused.insert(recipient, sender.ReplyText().trimmed());
        if (shown)
            shown(sender, recipient);
    };
    const auto record = [&] {
        const QStringList& delivered = m_smtp.DeliveredRecipients();
        const QSet<QString> accepted(delivered.begin(), delivered.end());
        QList<AddressResult> rows;
        for (const qsizetype index : batch) {
            AddressResult& result = m_results[index];
            const QString address = result.address.trimmed();
            result.detail.clear();
            if (const auto reply = refused.constFind(address); reply != refused.cend()) {
                result.outcome = AddressOutcome::Refused;
                result.detail = *reply;
            } else {
                result.outcome = accepted.contains(address) ? AddressOutcome::Accepted : AddressOutcome::NotSent;
            }
            rows << result;
        }
        countOutcomes();
        if (log)
            log->rowsChanged(rows);
    };
    try {
        m_smtp.SendMail();
    } catch (...) {
        record();
        throw;
    }
    record();
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

void ListMailer::countOutcomes()
{
    m_counts = {};
    for (const AddressResult& result : std::as_const(m_results)) {
        switch (result.outcome) {
        case AddressOutcome::Accepted:
            ++m_counts.accepted;
            break;
        case AddressOutcome::Refused:
            ++m_counts.refused;
            break;
        case AddressOutcome::Skipped:
            ++m_counts.skipped;
            break;
        case AddressOutcome::NotSent:
            ++m_counts.notSent;
            break;
        }
    }
}

QString ListMailer::explained(const Error& error) const
{
    const QString& text = error.message();
    const bool cancelled = dynamic_cast<const EAbortError*>(&error) != nullptr;
    if (cancelled && m_smtp.TimeoutFlag())
        return QCoreApplication::translate("mail", "The server did not answer within %1 s (%2)")
            .arg(QString::number(m_smtp.TimeOut() / 1000.0), text);
    if (m_smtp.Step() == SmtpStep::Data && !cancelled && dynamic_cast<const ESockError*>(&error))
        return QCoreApplication::translate("mail", "The server closed the connection during DATA (%1)").arg(text);
    if (m_smtp.Step() == SmtpStep::Greeting && !dynamic_cast<const ESockError*>(&error) && !isReplyLine(text))
        return QCoreApplication::translate("mail", "The server's greeting is not SMTP: %1")
            .arg(printable(text.trimmed()));
    return {};
}

} // namespace corvella::mail
