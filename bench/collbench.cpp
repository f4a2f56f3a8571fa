// Orders every contact by one column through the program's own connection and data layer (which compares the
// column with the Turkish collation, whatever the file declares) and reads the column of each row. Prints the row
// count and the time taken.
//
// usage: corvella-collbench FILE [COLUMN] [--qt] [--verify]
//   --qt      reads each value as a QString through QSqlQuery (as a report does) instead of the engine's own UTF-8
//             text (as an export does)
//   --verify  afterwards checks, outside the timing, that consecutive values are in Turkish order
#include "core/Error.h"
#include "store/Connection.h"
#include "store/ContactWriter.h"
#include "store/TurkishCollation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <cstdio>

using namespace corvella;

namespace {

QString orderedBy(const QString& column)
{
    return u"SELECT ["_qs + column + u"] FROM kayit ORDER BY ["_qs + column + u']';
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool verify = arguments.removeAll(u"--verify"_qs) > 0;
    const bool throughQt = arguments.removeAll(u"--qt"_qs) > 0;
    if (arguments.isEmpty() || arguments.size() > 2) {
        std::fprintf(stderr, "usage: corvella-collbench FILE [COLUMN] [--qt] [--verify]\n");
        return 2;
    }
    const QString column = arguments.size() > 1 ? arguments.at(1) : u"Firma Adi"_qs;

    try {
        auto connection = store::Connection::openFile(arguments.at(0), false);
        const QSqlDatabase db = connection->database();
        QElapsedTimer timer;
        timer.start();
        qint64 rows = 0;
        qint64 length = 0; // keeps the reads from being optimised away
        if (throughQt) {
            QSqlQuery query = store::runQuery(db, orderedBy(column));
            for (; query.next(); ++rows)
                length += query.value(0).toString().size();
        } else {
            store::RowReader reader(db, orderedBy(column));
            QList<QByteArrayView> values;
            for (; reader.next(values); ++rows)
                length += values.at(0).size();
        }
        const qint64 elapsed = timer.elapsed();
        std::printf("rows %lld\nlength %lld\nms %lld\n", static_cast<long long>(rows), static_cast<long long>(length),
                    static_cast<long long>(elapsed));

        if (verify) {
            store::RowReader reader(db, orderedBy(column));
            QStringList values;
            QString previous;
            qint64 row = 0;
            while (reader.next(values)) {
                const QString& value = values.at(0);
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
