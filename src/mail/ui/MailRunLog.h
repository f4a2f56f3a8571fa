#pragma once

#include "mail/ListMailer.h"

#include <memory>

namespace corvella::store {
class Connection;
}

namespace corvella::mail {

/// The contact file's log of list mailings: one row in `mail_runs` a run (its id, start time and subject) and one in
/// `mail_run_rows` for each listed row (address, the contact of a skipped address, batch, outcome and the server's
/// reply or the reason). Both tables are made on first use; the program's own tables are not touched.
class MailRunLog : public RunLog {
public:
    static inline const QString RunsTable = u"mail_runs"_qs;
    static inline const QString RowsTable = u"mail_run_rows"_qs;

    explicit MailRunLog(const QString& connectionString);
    ~MailRunLog() override;

    void runStarted(const QString& subject, const QDateTime& started, const QList<AddressResult>& rows) override;
    void rowsChanged(const QList<AddressResult>& rows) override;

    /// The run being logged; 0 before the first.
    qint64 runId() const { return m_runId; }

    /// "No 12: Ad Soyad" for each contact whose address is exactly `address`, joined by "; ".
    QString contactsWithAddress(const QString& address);

    /// The word the log keeps for an outcome: "accepted", "refused", "skipped" or "not sent".
    static QString outcomeName(AddressOutcome outcome);

private:
    void createTables();

    std::unique_ptr<store::Connection> m_connection;
    qint64 m_runId = 0;
};

} // namespace corvella::mail
