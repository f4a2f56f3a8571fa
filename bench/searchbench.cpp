// Times a search from "&View " to the list window shown with its count and first rows, on the contact file in the
// given program folder, and prints the SQL it ran so the peer can run the same statement.
//
// usage: corvella-searchbench PROGRAM_FOLDER all|company|name
#include "WholeList.h"
#include "app/Tfrmkayit.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "store/widgets/DBGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlQuery>

#include <cstdio>

using namespace corvella;
using bench::peakKilobytes;

namespace {

/// The value at a fraction of the way through the column's Turkish order (the data layer's order, whatever
/// collation the file declares).
QString quantile(const QString& column, double fraction)
{
    auto connection = store::Connection::openFile(store::programFolder() + u"VT/Dorlune.mdb"_qs, false);
    QSqlQuery count = store::runQuery(connection->database(), u"select count(*) from kayit"_qs);
    count.next();
    const qint64 rows = count.value(0).toLongLong();
    QSqlQuery value = store::runQuery(
        connection->database(), u"select [%1] from kayit where [%1] is not null order by [%1] limit 1 offset %2"_qs.arg(
                                    column, QString::number(qint64(rows * fraction))));
    value.next();
    return value.value(0).toString();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER all|company|name\n", argv[0]);
        return 2;
    }
    store::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    const QString mode = QString::fromLocal8Bit(argv[2]);

    app::Windows windows = app::createWindows();
    windows.main->show();
    windows.main->BitBtn1Click();
    search::Tfrm_arama& searchWindow = *windows.search;
    searchWindow.FormActivate();
    searchWindow.checkBox(1)->click(); // row 01 starts ticked: untick it

    auto tick = [&](int row, const QString& from, const QString& to) {
        searchWindow.checkBox(row)->click();
        searchWindow.firstField(row)->setText(from);
        searchWindow.secondField(row)->setText(to);
    };
    if (mode == u"company"_qs)
        tick(3, quantile(u"Firma Adi"_qs, 0.47), quantile(u"Firma Adi"_qs, 0.53));
    else if (mode == u"name"_qs)
        tick(1, quantile(u"Ad"_qs, 0.0), quantile(u"Ad"_qs, 0.5));
    QApplication::processEvents();
    const long idleKb = peakKilobytes();

    QElapsedTimer timer;
    timer.start();
    searchWindow.SpeedButton2Click();
    search::Tfrm_liste& list = *windows.list;
    list.FormActivate();
    QApplication::processEvents(); // paint the grid: its first rows are read here
    const qint64 elapsed = timer.elapsed();

    const QString sql = list.query()->sql().join(u' ');
    std::printf("rows %lld\nms %lld\nidle_kb %ld\npeak_kb %ld\nsql %s\n",
                static_cast<long long>(list.query()->recordCount()), static_cast<long long>(elapsed), idleKb,
                peakKilobytes(), sql.toUtf8().constData());
    return 0;
}
