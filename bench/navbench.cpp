// Times the main window's cursor moves on a contact file: opening the contact table, last, first, and locating a
// record number near the end. Prints the median of each in microseconds, one "name value" pair a line.
//
// usage: corvella-navbench FILE [REPEATS]
#include "core/Error.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace corvella;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

qint64 scalar(const QString& file, const QString& sql)
{
    auto connection = store::Connection::openFile(file, false);
    QSqlQuery query(connection->database());
    if (!query.exec(sql) || !query.next())
        throw Error(u"Cannot run: "_qs + sql);
    return query.value(0).toLongLong();
}

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "corvella-navbench: %s\n", qPrintable(message));
    std::exit(1);
}

// Times one call and checks where it left the cursor, so a move that silently does nothing cannot look fast.
template <typename Move> double timed(store::TableDataSet& table, Move move, qint64 expectedNo, const char* what)
{
    QElapsedTimer timer;
    timer.start();
    move();
    const double micros = double(timer.nsecsElapsed()) / 1000.0;
    const qint64 at = table.fieldByName(u"No"_qs).asInteger();
    if (at != expectedNo)
        fail(u"%1 stopped at No %2, expected %3"_qs.arg(QString::fromLatin1(what)).arg(at).arg(expectedNo));
    return micros;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: corvella-navbench FILE [REPEATS]\n");
        return 2;
    }
    const QFileInfo file(arguments.at(1));
    const int repeats = arguments.size() > 2 ? arguments.at(2).toInt() : 50;
    if (repeats < 1)
        fail(u"REPEATS must be 1 or more"_qs);

    try {
        const qint64 lowest = scalar(file.filePath(), u"SELECT min([No]) FROM kayit"_qs);
        const qint64 highest = scalar(file.filePath(), u"SELECT max([No]) FROM kayit"_qs);
        const qint64 rows = scalar(file.filePath(), u"SELECT count(*) FROM kayit"_qs);
        if (highest - lowest < 100)
            fail(u"the file holds too few contacts to measure"_qs);
        // Near the end, but not in the block that last() leaves loaded.
        const qint64 target = highest - 100;

        std::vector<double> open, last, first, locate;
        for (int i = 0; i < repeats; ++i) {
            store::TableDataSet table;
            table.setTableName(u"kayit"_qs);
            table.setConnectionString(store::MakeConnectionString(file.absolutePath() + u'/', file.fileName()));
            open.push_back(timed(
                table, [&] { table.open(); }, lowest, "open"));
            last.push_back(timed(
                table, [&] { table.last(); }, highest, "last"));
            first.push_back(timed(
                table, [&] { table.first(); }, lowest, "first"));
            locate.push_back(timed(
                table,
                [&] {
                    if (!table.locate(u"No"_qs, target))
                        fail(u"locate found no record %1"_qs.arg(target));
                },
                target, "locate"));
            table.close();
        }
        std::printf("rows %lld\nlocate_target %lld\nopen_us %.1f\nlast_us %.1f\nfirst_us %.1f\nlocate_us %.1f\n",
                    static_cast<long long>(rows), static_cast<long long>(target), median(open), median(last),
                    median(first), median(locate));
    } catch (const Error& error) {
        fail(error.message());
    }
    return 0;
}
