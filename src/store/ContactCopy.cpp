#include "ContactCopy.h"

#include "Columns.h"
#include "Connection.h"
#include "ContactSchema.h"
#include "ServerDatabase.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QSqlError>
#include <QSqlQuery>

namespace corvella::store {

qint64 copyContacts(const QString& fromConnectionString, const QString& toConnectionString,
                    const std::function<void(qint64 copied)>& progress)
{
    Connection from(fromConnectionString);
    Connection to(toConnectionString);
    const QSqlDatabase target = to.database();
    createContactTables(target);
    QSqlQuery present = runQuery(target, u"SELECT count(*) FROM "_qs + tables::Contacts);
    if (present.next() && present.value(0).toLongLong() > 0)
        throw DatabaseError(
            u"The contact database '%1' holds contacts already; copy only into an empty one."_qs.arg(to.filePath()));

    QStringList columns{contact::RecordNumber};
    for (const ContactColumn& column : contactColumns())
        columns << column.name;
    QStringList names, marks;
    for (const QString& column : std::as_const(columns)) {
        names << quotedIdentifier(column);
        marks << u"?"_qs;
    }
    QSqlQuery rows = runQuery(from.database(), u"SELECT "_qs + names.join(u", "_qs) + u" FROM "_qs + tables::Contacts +
                                                   u" ORDER BY "_qs + quotedIdentifier(contact::RecordNumber));

    execOrThrow(target, to.isServer() ? u"BEGIN"_qs : u"BEGIN IMMEDIATE"_qs);
    OnFailure rollback([&target] { QSqlQuery(target).exec(u"ROLLBACK"_qs); });
    QSqlQuery insert(target);
    if (!insert.prepare(u"INSERT INTO "_qs + quotedIdentifier(tables::Contacts) + u" ("_qs + names.join(u", "_qs) +
                        u") VALUES ("_qs + marks.join(u", "_qs) + u')'))
        throwStatementError(target, insert.lastError());
    qint64 copied = 0;
    while (rows.next()) {
        for (int i = 0; i < columns.size(); ++i)
            insert.bindValue(i, rows.value(i));
        if (!insert.exec())
            throwStatementError(target, insert.lastError());
        if (progress && ++copied % 1000 == 0)
            progress(copied);
        else if (!progress)
            ++copied;
    }
    execOrThrow(target, u"COMMIT"_qs);
    if (progress)
        progress(copied);
    return copied;
}

} // namespace corvella::store
