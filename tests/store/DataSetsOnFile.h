#pragma once

#include "store/ConnectionString.h"
#include "store/DataSet.h"

// Data sets on the contact file of a ContactFileFixture, reached through the program's connection string as a
// window's data sets reach it. They stay closed until the test opens them.
namespace corvella::test {

class TableOnFile : public store::TableDataSet {
public:
    explicit TableOnFile(const QString& tableName)
    {
        setTableName(tableName);
        setConnectionString(store::ContactConnectionString());
    }
    /// The data set's own connection, where a test can break what it writes with.
    QSqlDatabase db() const { return database(); }
};

class QueryOnFile : public store::QueryDataSet {
public:
    explicit QueryOnFile(const QStringList& sql)
    {
        setSql(sql);
        setConnectionString(store::ContactConnectionString());
    }
};

} // namespace corvella::test
