// The contact database on a PostgreSQL server, for bench/postgres.sh:
//  - tables: makes its tables;
//  - search: the list window's search of a company range of about 6 % of the contacts, or a name range of about
//    half of them, built as the search window builds it and opened as the list window opens it (its count and its
//    first page of rows); prints the time, the count, and the statement as the server receives it;
//  - insert: stores new contacts one at a time as the main window stores them (the next record number taken in
//    turn with the other programs) and prints how long they took.
//
// usage: corvella-pgbench tables ADDRESS
//        corvella-pgbench search ADDRESS company|name
//        corvella-pgbench insert ADDRESS COUNT SEED
#include "ContactGenerator.h"

#include "core/Error.h"
#include "search/QueryBuilder.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/ServerDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <cstdio>

using namespace corvella;

namespace {

/// The value at a fraction of the way through the column's Turkish order.
QString quantile(const QString& connectionString, const QString& column, double fraction)
{
    const store::Connection connection(connectionString);
    QSqlQuery count = store::runQuery(connection.database(), u"select count(*) from kayit"_qs);
    count.next();
    const qint64 rows = count.value(0).toLongLong();
    QSqlQuery value = store::runQuery(
        connection.database(), u"select [%1] from kayit where [%1] is not null order by [%1] limit 1 offset %2"_qs.arg(
                                   column, QString::number(qint64(rows * fraction))));
    value.next();
    return value.value(0).toString();
}

void searchAsTheListWindow(const QString& connectionString, const QString& mode)
{
    namespace contact = store::contact;
    // The search window's contact search: the list's columns, sorted by company.
    search::SearchConfiguration configuration;
    configuration.table = store::tables::Contacts;
    configuration.returnCode = u"1"_qs;
    const QStringList listed = {contact::Company,  contact::Sector, contact::SubSector, contact::FirstName,
                                contact::LastName, contact::City,   u"e-mail"_qs};
    for (qsizetype i = 0; i < listed.size(); ++i)
        configuration.listedColumns[size_t(i)] = listed.at(i);
    configuration.fieldCount = int(listed.size());
    configuration.orderColumn = contact::Company;
    configuration.orderFlag = search::SortedOrderFlag;
    std::array<search::CriterionRow, search::CriterionRowCount> rows;
    search::CriterionRow& row = rows[0];
    row.ticked = row.shown = true;
    row.type = u"Dizi"_qs;
    row.kind = u"Aralık"_qs;
    row.column = mode == u"company"_qs ? contact::Company : contact::FirstName;
    row.first = quantile(connectionString, row.column, mode == u"company"_qs ? 0.47 : 0.0);
    row.second = quantile(connectionString, row.column, mode == u"company"_qs ? 0.53 : 0.5);
    const QStringList sql = search::buildSearchSql(configuration, rows);

    QElapsedTimer timer;
    timer.start();
    store::QueryDataSet list;
    list.setConnectionString(connectionString);
    list.setSql(sql);
    list.open();
    const qint64 count = list.recordCount();
    // The grid's first page: every field of the rows it reads at once.
    qint64 characters = 0;
    for (qint64 r = 0; r < std::min<qint64>(count, 256); ++r)
        for (int f = 0; f < list.fieldCount(); ++f)
            characters += list.valueAt(r, f).toString().size();
    const qint64 elapsed = timer.elapsed();
    std::printf("rows %lld\nms %lld\nfirst_page_characters %lld\nserver_sql %s\n", static_cast<long long>(count),
                static_cast<long long>(elapsed), static_cast<long long>(characters),
                store::server::toServerStatement(sql.join(u' ')).toUtf8().constData());
}

void insertContacts(const QString& connectionString, int count, quint64 seed)
{
    store::TableDataSet contacts;
    store::QueryDataSet highest;
    contacts.setTableName(store::tables::Contacts);
    contacts.setConnectionString(connectionString);
    highest.setConnectionString(connectionString);
    highest.setSql({u"select max([No]) from kayit"_qs});
    contacts.setBeforePost([&](store::DataSet& set) {
        if (set.state() == store::DataSetState::Insert)
            set.fieldByName(store::contact::RecordNumber).setValue(store::nextRecordNumber(highest));
    });
    contacts.open();
    demodata::ContactGenerator generator(seed);
    const QList<store::ContactColumn>& columns = store::contactColumns();
    QVariantList values;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        generator.next(values);
        contacts.insert();
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (!values.at(c).isNull())
                contacts.fieldByName(columns.at(c).name).setValue(values.at(c));
        contacts.post();
    }
    std::printf("inserted %d\nms %lld\n", count, static_cast<long long>(timer.elapsed()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    try {
        if (arguments.size() == 2 && arguments.at(0) == u"tables"_qs) {
            const store::Connection connection(store::MakeConnectionString(QString(), arguments.at(1)));
            store::createContactTables(connection.database());
            return 0;
        }
        if (arguments.size() == 3 && arguments.at(0) == u"search"_qs) {
            searchAsTheListWindow(store::MakeConnectionString(QString(), arguments.at(1)), arguments.at(2));
            return 0;
        }
        if (arguments.size() == 4 && arguments.at(0) == u"insert"_qs) {
            insertContacts(store::MakeConnectionString(QString(), arguments.at(1)), arguments.at(2).toInt(),
                           arguments.at(3).toULongLong());
            return 0;
        }
    } catch (const Error& error) {
        std::fprintf(stderr, "corvella-pgbench: %s\n", qPrintable(error.message()));
        return 1;
    }
    std::fprintf(stderr,
                 "usage: corvella-pgbench tables ADDRESS | search ADDRESS company|name | insert ADDRESS COUNT SEED\n");
    return 2;
}
