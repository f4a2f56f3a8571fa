#include "MailRunLog.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"

#include <QSqlError>

namespace corvella::mail {

namespace {

void transact(QSqlDatabase db, const std::function<void()>& work)
{
    if (!db.transaction())
        throw DatabaseError(store::engineMessage(db.lastError()));
    OnFailure rollback([&db] { db.rollback(); });
    work();
    if (!db.commit())
        throw DatabaseError(store::engineMessage(db.lastError()));
}

/// The columns are NOT NULL: a null text would bind as NULL.
QString text(const QString& value)
{
    return value.isNull() ? QString(u""_qs) : value;
}

void exec(QSqlQuery& query)
{
    if (!query.exec())
        throw DatabaseError(store::engineMessage(query.lastError()));
}

} // namespace

MailRunLog::MailRunLog(const QString& connectionString)
    : m_connection(std::make_unique<store::Connection>(connectionString))
{
    createTables();
}

MailRunLog::~MailRunLog() = default;

QString MailRunLog::outcomeName(AddressOutcome outcome)
{
    switch (outcome) {
    case AddressOutcome::Accepted:
        return u"accepted"_qs;
    case AddressOutcome::Refused:
        return u"refused"_qs;
    case AddressOutcome::Skipped:
        return u"skipped"_qs;
    case AddressOutcome::NotSent:
        break;
    }
    return u"not sent"_qs;
}

void MailRunLog::createTables()
{
    const QSqlDatabase db = m_connection->database();
    store::execOrThrow(db, u"create table if not exists "_qs + RunsTable +
                               u" (run integer primary key autoincrement, started text not null,"
                               u" subject text not null)"_qs);
    store::execOrThrow(db, u"create table if not exists "_qs + RowsTable + u" (run integer not null references "_qs +
                               RunsTable +
                               u" (run), row integer not null, address text not null, contact text not null,"
                               u" batch integer not null, outcome text not null, detail text not null,"
                               u" primary key (run, row))"_qs);
}

void MailRunLog::runStarted(const QString& subject, const QDateTime& started, const QList<AddressResult>& rows)
{
    QSqlDatabase db = m_connection->database();
    transact(db, [&] {
        QSqlQuery run = store::runQuery(db, u"insert into "_qs + RunsTable + u" (started, subject) values (?, ?)"_qs,
                                        {started.toString(Qt::ISODate), text(subject)});
        m_runId = run.lastInsertId().toLongLong();
        QSqlQuery insert(db);
        insert.prepare(u"insert into "_qs + RowsTable +
                       u" (run, row, address, contact, batch, outcome, detail) values (?, ?, ?, ?, ?, ?, ?)"_qs);
        for (const AddressResult& row : rows) {
            insert.bindValue(0, m_runId);
            insert.bindValue(1, row.row);
            insert.bindValue(2, text(row.address));
            insert.bindValue(3, text(row.contact));
            insert.bindValue(4, row.batch);
            insert.bindValue(5, outcomeName(row.outcome));
            insert.bindValue(6, text(row.detail));
            exec(insert);
        }
    });
}

void MailRunLog::rowsChanged(const QList<AddressResult>& rows)
{
    QSqlDatabase db = m_connection->database();
    transact(db, [&] {
        QSqlQuery update(db);
        update.prepare(u"update "_qs + RowsTable +
                       u" set batch = ?, outcome = ?, detail = ? where run = ? and row = ?"_qs);
        for (const AddressResult& row : rows) {
            update.bindValue(0, row.batch);
            update.bindValue(1, outcomeName(row.outcome));
            update.bindValue(2, text(row.detail));
            update.bindValue(3, m_runId);
            update.bindValue(4, row.row);
            exec(update);
        }
    });
}

QString MailRunLog::contactsWithAddress(const QString& address)
{
    using namespace store::contact;
    QSqlQuery query = store::runQuery(m_connection->database(),
                                      u"select [%1], [%2], [%3] from %4 where [%5] = ? order by [%1]"_qs.arg(
                                          RecordNumber, FirstName, LastName, store::tables::Contacts, Email),
                                      {address});
    QStringList contacts;
    while (query.next()) {
        contacts << u"No %1: %2"_qs.arg(
            query.value(0).toString(),
            QStringList{query.value(1).toString(), query.value(2).toString()}.join(u' ').trimmed());
    }
    return contacts.join(u"; "_qs);
}

} // namespace corvella::mail
