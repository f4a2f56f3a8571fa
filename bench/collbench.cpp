// Orders every contact by one column through the program's own connection (Turkish collation) and reads the
// column of each row, as a sorted list or report does. Prints the row count and the time taken.
//
// usage: corvella-collbench FILE [COLUMN] [--verify]
//   --verify  afterwards checks, outside the timing, that consecutive values are in Turkish order
#include "core/Error.h"
#include "store/Connection.h"
#include "store/TurkishCollation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

using namespace corvella;

namespace {

QSqlQuery orderedBy(const QSqlDatabase& db, const QString& column)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT ["_qs + column + u"] FROM kayit ORDER BY ["_qs + column + u']'))
        throw Error(store::engineMessage(query.lastError()));
    return query;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool verify = arguments.removeAll(u"--verify"_qs) > 0;
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: corvella-collbench FILE [COLUMN] [--verify]\n");
        return 2;
    }
    const QString column = arguments.size() > 1 ? arguments.at(1) : u"Firma Adi"_qs;

    try {
        auto connection = store::Connection::openFile(arguments.at(0), false);
        QElapsedTimer timer;
        timer.start();
        qint64 rows = 0;
        qint64 characters = 0; // keeps the reads from being optimised away
        {
            QSqlQuery query = orderedBy(connection->database(), column);
            while (query.next()) {
                characters += query.value(0).toString().size();
                ++rows;
            }
        }
        const qint64 elapsed = timer.elapsed();
        std::printf("rows %lld\ncharacters %lld\nms %lld\n", static_cast<long long>(rows),
                    static_cast<long long>(characters), static_cast<long long>(elapsed));

        if (verify) {
            QSqlQuery query = orderedBy(connection->database(), column);
            QString previous;
            qint64 row = 0;
            while (query.next()) {
                const QString value = query.value(0).toString();
                if (row++ > 0 && store::compareTurkish(previous, value) > 0) {
                    std::fprintf(stderr, "out of order at row %lld: '%s' before '%s'\n", static_cast<long long>(row),
                                 qPrintable(previous), qPrintable(value));
                    return 1;
                }
                previous = value;
            }
            std::printf("verified %lld\n", static_cast<long long>(row));
        }
    } catch (const Error& error) {
        std::fprintf(stderr, "corvella-collbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
