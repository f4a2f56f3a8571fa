#include "ContactFileFixture.h"

#include "core/Error.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <numeric>

namespace corvella::test {

namespace {

QString insertStatement(const QVariantMap& columns)
{
    QStringList names{u'[' + store::contact::RecordNumber + u']'};
    QStringList marks{u"?"_qs};
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << u'[' + it.key() + u']';
        marks << u"?"_qs;
    }
    return u"INSERT INTO "_qs + store::tables::Contacts + u" ("_qs + names.join(u", "_qs) + u") VALUES ("_qs +
           marks.join(u", "_qs) + u')';
}

} // namespace

ContactFileFixture::ContactFileFixture(bool createFile)
{
    store::setProgramFolder(folder());
    if (createFile) {
        store::createContactFile(filePath());
        m_connection = store::Connection::openFile(filePath(), false);
    }
}

ContactFileFixture::~ContactFileFixture()
{
    m_connection.reset();
    store::setProgramFolder(QString());
}

QString ContactFileFixture::filePath() const
{
    return folder() + QString::fromLatin1(store::ContactFileName);
}

store::Connection& ContactFileFixture::connection()
{
    if (!m_connection)
        m_connection = store::Connection::openFile(filePath(), false);
    return *m_connection;
}

void ContactFileFixture::reconnect()
{
    m_connection.reset();
}

void ContactFileFixture::addContact(int no, const QVariantMap& columns)
{
    addContacts({no}, [&columns](int) { return columns; });
}

void ContactFileFixture::addContacts(const QList<int>& numbers, const std::function<QVariantMap(int)>& columnsOf)
{
    // One commit for all rows: each commit waits for the disk, which made large fixtures slow.
    QSqlDatabase db = connection().database();
    db.transaction();
    QSqlQuery query(db);
    QString prepared;
    for (const int no : numbers) {
        const QVariantMap columns = columnsOf ? columnsOf(no) : QVariantMap();
        const QString sql = insertStatement(columns);
        if (sql != prepared) {
            query.prepare(sql);
            prepared = sql;
        }
        int position = 0;
        query.bindValue(position++, no);
        for (const QVariant& value : columns)
            query.bindValue(position++, value);
        if (!query.exec()) {
            QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
            query.finish();
            db.rollback();
            return;
        }
    }
    query.finish();
    if (!db.commit())
        QTest::qFail(qPrintable(db.lastError().text()), __FILE__, __LINE__);
}

QList<int> ContactFileFixture::numbers(int first, int last)
{
    QList<int> list(std::max(0, last - first + 1));
    std::iota(list.begin(), list.end(), first);
    return list;
}

QVariant ContactFileFixture::scalar(const QString& sql)
{
    QSqlQuery query(connection().database());
    if (!query.exec(sql))
        throw DatabaseError(query.lastError().text());
    return query.next() ? query.value(0) : QVariant();
}

} // namespace corvella::test
