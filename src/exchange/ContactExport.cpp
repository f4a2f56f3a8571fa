#include "ContactImport.h"
#include "CsvWriter.h"

#include "core/Error.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

namespace corvella::exchange {

namespace {

void reportProgress(const ImportProgress& progress, qint64 rows)
{
    if (progress && (rows & 1023) == 0 && !progress(rows, 0.0))
        throw Error(QCoreApplication::translate("exchange", "The export was cancelled."));
}

} // namespace

QString allContactsSql()
{
    return u"SELECT * FROM %1 ORDER BY %2"_qs.arg(store::tables::Contacts,
                                                  store::quotedIdentifier(store::contact::RecordNumber));
}

qint64 exportCsv(const QSqlDatabase& db, const QString& sql, QIODevice& out, const QString& fileName,
                 bool byteOrderMark, const ImportProgress& progress)
{
    store::RowReader reader(db, sql);
    CsvWriter writer(out, fileName, byteOrderMark);
    writer.write(reader.columnNames());
    QList<QByteArrayView> row;
    qint64 rows = 0;
    while (reader.next(row)) {
        writer.write(row);
        reportProgress(progress, ++rows);
    }
    writer.finish();
    return rows;
}

qint64 exportVCards(const QSqlDatabase& db, const QString& sql, QIODevice& out, const QString& fileName,
                    const ImportProgress& progress)
{
    store::RowReader reader(db, sql);
    const QStringList columns = reader.columnNames();
    QStringList row;
    ContactValues contact;
    qint64 rows = 0;
    while (reader.next(row)) {
        contact.clear();
        for (qsizetype i = 0; i < columns.size(); ++i)
            contact.insert(columns.at(i), row.at(i));
        const QByteArray card = writeVCard(vCardOfContact(contact));
        if (out.write(card) != card.size())
            throw Error(QCoreApplication::translate("exchange", "Cannot write '%1': %2")
                            .arg(QDir::toNativeSeparators(fileName), out.errorString()));
        reportProgress(progress, ++rows);
    }
    return rows;
}

} // namespace corvella::exchange
