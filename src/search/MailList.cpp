#include "MailList.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/DataSet.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace corvella::search {

namespace {

constexpr qint64 KeepAliveRows = 4096;

void check(bool ok, const QSqlQuery& query)
{
    if (!ok)
        throw DatabaseError(store::engineMessage(query.lastError()));
}

} // namespace

qint64 fillMailList(const store::QueryDataSet& listed, const QString& connectionString,
                    const std::function<void()>& keepAlive)
{
    // The list's mail column is spelt as the mail list spells its own.
    const QString& column = store::maillist::Address;
    const qint64 rows = listed.isActive() ? listed.recordCount() : 0;
    const int field = rows > 0 ? listed.findField(column) : -1;
    if (rows > 0 && field < 0)
        throw DatabaseError(QCoreApplication::translate("search", "Field '%1' not found").arg(column));

    store::Connection connection(connectionString);
    QSqlDatabase db = connection.database();
    if (!db.transaction())
        throw DatabaseError(store::engineMessage(db.lastError()));
    OnFailure rollback([&db] { db.rollback(); });
    QSqlQuery query(db);
    check(query.exec(u"delete from "_qs + store::tables::MailList), query);
    check(query.prepare(u"insert into "_qs + store::tables::MailList + u" (["_qs + column + u"]) values (?)"_qs),
          query);
    for (qint64 row = 0; row < rows; ++row) {
        const QVariant value = listed.valueAt(row, field);
        query.bindValue(0, value.isNull() ? QString(u""_qs) : value.toString());
        check(query.exec(), query);
        if (keepAlive && (row + 1) % KeepAliveRows == 0)
            keepAlive();
    }
    query.finish();
    if (!db.commit())
        throw DatabaseError(store::engineMessage(db.lastError()));
    return rows;
}

} // namespace corvella::search
