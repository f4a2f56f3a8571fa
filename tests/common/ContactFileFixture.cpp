#include "ContactFileFixture.h"

#include "core/Error.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace corvella::test {

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

void ContactFileFixture::addContact(int no, const QVariantMap& columns)
{
    if (!m_connection)
        m_connection = store::Connection::openFile(filePath(), false);
    QStringList names{u"[No]"_qs};
    QStringList marks{u"?"_qs};
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        names << u'[' + it.key() + u']';
        marks << u"?"_qs;
    }
    QSqlQuery query(m_connection->database());
    query.prepare(u"INSERT INTO kayit ("_qs + names.join(u", "_qs) + u") VALUES ("_qs + marks.join(u", "_qs) + u')');
    query.addBindValue(no);
    for (auto it = columns.begin(); it != columns.end(); ++it)
        query.addBindValue(it.value());
    if (!query.exec())
        QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
}

QVariant ContactFileFixture::scalar(const QString& sql)
{
    if (!m_connection)
        m_connection = store::Connection::openFile(filePath(), false);
    QSqlQuery query(m_connection->database());
    if (!query.exec(sql))
        throw DatabaseError(query.lastError().text());
    return query.next() ? query.value(0) : QVariant();
}

} // namespace corvella::test
