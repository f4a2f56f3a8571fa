#pragma once

#include "TNMSMTP.h"

#include <QDateTime>
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
    /// A mailto: or https: address for the List-Unsubscribe header; empty for none.
    QString unsubscribe = {};
};

enum class AddressOutcome {
    /// Not mailed: the run stopped first, or the batch failed before the server took the message.
    NotSent,
    /// The server took the message for it: 250 to its RCPT and to the final ".".
    Accepted,
    /// The server refused it at RCPT.
    Refused,
    /// Never mailed: empty, or not a mailbox.
    Skipped,
};

/// One listed row and what became of it.
struct AddressResult {
    /// Position in the list, 1 first.
    qint64 row = 0;
    /// As listed, untrimmed.
    QString address;
    /// 1 for the run's first batch; 0 while it was in none.
    int batch = 0;
    AddressOutcome outcome = AddressOutcome::NotSent;
    /// The server's reply line to a refusal, the reason for a skip.
    QString detail;
    /// Who a skipped address belongs to, as `ListMailer::contactOf` names them.
    QString contact;
};

struct RunCounts {
    qint64 accepted = 0;
    qint64 refused = 0;
    qint64 skipped = 0;
    qint64 notSent = 0;
};

/// Keeps a run's rows somewhere lasting: every row when the run starts, then each batch's rows once its outcome is
/// known, so that a run broken off anywhere leaves the rest logged as not sent.
class RunLog {
public:
    virtual ~RunLog() = default;
    virtual void runStarted(const QString& subject, const QDateTime& started, const QList<AddressResult>& rows) = 0;
    virtual void rowsChanged(const QList<AddressResult>& rows) = 0;
};

/// Mails one message to every address of a list in batches of blind copies, one SMTP connection a batch, with the
/// sender's own address as the visible recipient. Every batch carries the same message: the parts the component
/// clears after each send are put back before the next. Every row's outcome is kept for the run's report, its log
/// and a resume.
class ListMailer {
public:
    /// Every reply of the server must be complete within this long.
    static constexpr int WaitTimeOutMs = 60000;

    enum class Outcome {
        Finished,
        /// A batch found no connection after connecting; nothing more was sent.
        NoConnection,
        /// `stop` or `abort` was asked for; the rows not reached stay not sent.
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
    /// Names the contacts a skipped, non-empty address belongs to, so that the user can mend it.
    std::function<QString(const QString& address)> contactOf;
    /// Hears of every run's rows; may be null.
    RunLog* log = nullptr;

    /// Mails `message` to the list, `batchSize` (above 0) addresses a connection. Empty rows and rows that are not
    /// a mailbox are skipped and leave the count the progress is measured by. Errors of the component end the run
    /// and pass through, in words where the component's own text would not tell the user what happened; a run
    /// that does not finish closes the connection. The password and a trusted certificate are forgotten when it
    /// ends.
    Outcome run(AddressSource& rows, const ListMessage& message, int batchSize);
    Outcome run(const QStringList& rows, const ListMessage& message, int batchSize);
    /// Mails `message` again to the last run's rows that the server has not taken (not sent or refused), in new
    /// batches numbered on from the run's last; a row it took is never mailed twice.
    Outcome resume(const ListMessage& message, int batchSize);
    /// Whether the last run left rows that `resume` would mail.
    bool canResume() const;
    /// Mails `message` once, to the sender's own address only; false when no connection could be had.
    bool sendTest(const ListMessage& message);

    /// Ends the run after the current batch's reply, with QUIT.
    void stop();
    /// Ends the wait in progress with its cancel error; the run then stops before its next row.
    void abort();

    bool running() const { return m_running; }
    bool stopRequested() const { return m_stopRequested; }
    /// Addresses of the run so far that the server took.
    qint64 sentCount() const { return m_counts.accepted; }
    /// The last run's rows in list order.
    const QList<AddressResult>& results() const { return m_results; }
    const RunCounts& counts() const { return m_counts; }

    /// The content type of the format list's entry at `index`: plain text, HTML, enriched, SGML, tab-separated.
    static TSubType bodyFormat(int index);

private:
    template <class Mailing> Outcome mailing(Mailing&& mail);
    Outcome mailRows(const QList<qsizetype>& rows, qint64 total, const ListMessage& message, int batchSize);
    void prepareMessage(const ListMessage& message);
    void restoreSharedParts(const ListMessage& message);
    /// False when no connection could be had for the batch.
    bool sendBatch(const ListMessage& message, const QList<qsizetype>& batch);
    /// Sends the prepared message and records each row's outcome, also when the send fails.
    void sendRecordingOutcomes(const QList<qsizetype>& batch);
    void connectToServer();
    void closeBrokenConnection();
    void forgetCredentials();
    void countOutcomes();
    /// The component's error in words the user can act on; empty when its own text says it already.
    QString explained(const Error& error) const;

    TNMSMTP& m_smtp;
    bool m_running = false;
    bool m_stopRequested = false;
    QList<AddressResult> m_results;
    RunCounts m_counts;
    int m_lastBatch = 0;
};

} // namespace corvella::mail
