#pragma once

#include "TNMSMTP.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace corvella::mail {

/// The rows of a mailing list, read one at a time in list order.
class AddressSource {
public:
    virtual ~AddressSource() = default;
    /// Rows in the list, empty ones included.
    virtual qint64 rowCount() = 0;
    /// The next row's address as stored; nothing once the list is done.
    virtual std::optional<QString> nextRow() = 0;
};

/// The server a batch connects to.
struct MailServer {
    QString host;
    int port = 25;
    /// The argument of HELO or EHLO, and the login name when a password is set.
    QString userId;
    SmtpSecurity security = SmtpSecurity::None;
    QString password;
    bool allowPlainTextLogin = false;
};

/// What every batch of a list mailing carries.
struct ListMessage {
    QString senderName;
    QString senderAddress;
    QString subject;
    QStringList bodyLines;
    /// Full paths of the files to attach.
    QStringList attachments;
};

/// Mails one message to every address of a list in batches of blind copies, one SMTP connection a batch, with the
/// sender's own address as the visible recipient. Every batch carries the same message: the parts the component
/// clears after each send are put back before the next.
class ListMailer {
public:
    /// Every wait of the component ends after this long without an answer.
    static constexpr int WaitTimeOutMs = 60000;

    enum class Outcome {
        Finished,
        /// A batch found no connection after connecting; nothing more was sent.
        NoConnection,
        /// `stop` was asked for between two waits.
        Stopped,
    };

    /// Sets `smtp` up as a list mailing sends: no status texts, base64 attachments, HTML until a format is chosen.
    explicit ListMailer(TNMSMTP& smtp);

    /// Asked each time a batch needs a connection, so that a setting is read when it is first needed.
    std::function<MailServer()> server;
    /// The server's certificate failed verification; true trusts a certificate with this SHA-256 for the run.
    std::function<bool(const QString& failure, const QByteArray& sha256)> trustCertificate;
    /// Percent of the list done, after every row.
    std::function<void(int percent)> progress;

    /// Mails `message` to the list, `batchSize` (above 0) addresses a connection. Blank rows are skipped and leave
    /// the count the progress is measured by. Errors of the component end the run and pass through; a run that does
    /// not finish closes the connection. The password and a trusted certificate are forgotten when it ends.
    Outcome run(AddressSource& rows, const ListMessage& message, int batchSize);
    Outcome run(const QStringList& rows, const ListMessage& message, int batchSize);
    /// Ends the wait in progress with its cancel error; a run then stops before its next row.
    void stop();

    bool running() const { return m_running; }
    /// Addresses of the run so far that the server took: those of sent batches, less refused recipients.
    qint64 sentCount() const { return m_sentCount; }

    /// The content type of the format list's entry at `index`: plain text, HTML, enriched, SGML, tab-separated.
    static TSubType bodyFormat(int index);

private:
    Outcome mailRows(AddressSource& rows, const ListMessage& message, int batchSize);
    void prepareMessage(const ListMessage& message);
    void restoreSharedParts(const ListMessage& message);
    /// False when no connection could be had for the batch.
    bool sendBatch(const ListMessage& message);
    /// Sends the prepared message and returns how many recipients the server refused.
    qint64 sendCountingRefusals();
    void connectToServer();
    void closeBrokenConnection();
    void forgetCredentials();

    TNMSMTP& m_smtp;
    bool m_running = false;
    bool m_stopRequested = false;
    qint64 m_sentCount = 0;
};

} // namespace corvella::mail
