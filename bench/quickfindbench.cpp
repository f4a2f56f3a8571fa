// Times a quick find typed into the main window, on the contact file in the given program folder: from Enter to the
// list window showing its first matches, and to the list holding all of them with their count. Prints the statement
// so the peer can run its conditions. With a column, the found list is then sorted by it as a click on its heading
// does: the time until the ordered rows are listed, and the longest wait of the window's event loop meanwhile.
//
// usage: corvella-quickfindbench PROGRAM_FOLDER TEXT [SORT_COLUMN]
//        corvella-quickfindbench --build-index PROGRAM_FOLDER   (builds the find index: its time and size)
//        corvella-quickfindbench --plan PROGRAM_FOLDER TEXT      (the engine's plan of the first rows' statement)
#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "search/QuickFind.h"
#include "search/Tfrm_liste.h"
#include "store/BackgroundSnapshot.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "store/FindIndex.h"
#include "store/StatementCollation.h"
#include "store/widgets/DBGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QThread>

#include <sqlite3.h>

#include <cstdio>

using namespace corvella;

namespace {

/// The record numbers of the first `rows` rows a statement gives.
QList<qint64> firstNumbers(sqlite3* db, const QString& statement, int rows)
{
    QList<qint64> numbers;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, statement.toUtf8().constData(), -1, &query, nullptr) == SQLITE_OK)
        while (numbers.size() < rows && sqlite3_step(query) == SQLITE_ROW)
            numbers << sqlite3_column_int64(query, 0);
    sqlite3_finalize(query);
    return numbers;
}

/// Prints how the engine runs the first rows' statement of a find through the index, and whether those rows are the
/// first of the whole list, which the scan sorts without a tie-breaker.
int printPlan(const QString& text)
{
    const QString file = store::dataSourceOf(store::ContactConnectionString());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        return 1;
    store::registerSqlExtensions(db);
    QString error;
    const auto status = store::findindex::bringUpToDate(db, store::findindex::indexFileFor(file), error);
    const QString first =
        store::withTurkishComparisons(search::buildIndexedQuickFindSql(text).first.join(u"\r\n"_qs) + u" LIMIT 100"_qs);
    sqlite3_stmt* plan = nullptr;
    const int code =
        sqlite3_prepare_v2(db, (u"EXPLAIN QUERY PLAN "_qs + first).toUtf8().constData(), -1, &plan, nullptr);
    std::printf("index_status %d\n", int(status));
    while (code == SQLITE_OK && sqlite3_step(plan) == SQLITE_ROW)
        std::printf("plan %s\n", reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)));
    if (code != SQLITE_OK)
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
    sqlite3_finalize(plan);
    const QList<qint64> walked = firstNumbers(db, first, 100);
    const QList<qint64> listed =
        firstNumbers(db, store::withTurkishComparisons(search::buildQuickFindSql(text).join(u"\r\n"_qs)), 100);
    std::printf("first_rows_as_listed %d (%lld rows)\n", int(walked == listed), static_cast<long long>(walked.size()));
    sqlite3_close(db);
    return code == SQLITE_OK && walked == listed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--plan") == 0) {
        store::setProgramFolder(QString::fromLocal8Bit(argv[2]));
        return printPlan(QString::fromLocal8Bit(argv[3]));
    }
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr,
                     "usage: %s PROGRAM_FOLDER TEXT [SORT_COLUMN] | --build-index PROGRAM_FOLDER | "
                     "--plan PROGRAM_FOLDER TEXT\n",
                     argv[0]);
        return 2;
    }
    if (qstrcmp(argv[1], "--build-index") == 0 && argc == 3) {
        store::setProgramFolder(QString::fromLocal8Bit(argv[2]));
        const QString file = store::dataSourceOf(store::ContactConnectionString());
        QElapsedTimer timer;
        timer.start();
        const std::atomic<bool> stop = false;
        QString error;
        if (!store::findindex::build(file, stop, error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("build_ms %lld\nindex_bytes %lld\n", static_cast<long long>(timer.elapsed()),
                    static_cast<long long>(QFileInfo(store::findindex::indexFileFor(file)).size()));
        return 0;
    }
    store::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    const QString text = QString::fromLocal8Bit(argv[2]);

    app::Windows windows = app::createWindows();
    windows.main->show();
    QApplication::processEvents();
    search::Tfrm_liste& list = *windows.list;
    windows.main->quickFind()->setText(text);
    bool indexUsed = false;
    QObject::connect(list.findChild<store::BackgroundSnapshot*>(), &store::BackgroundSnapshot::indexChecked, &list,
                     [&](int, bool used) { indexUsed = used; });

    QElapsedTimer timer;
    timer.start();
    windows.main->findTyped();
    // The window keeps taking events meanwhile; the longest wait between two of them shows whether it froze.
    qint64 first = -1, longestGap = 0, last = 0;
    while (list.isFinding() || !list.isVisible()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 now = timer.elapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
        if (first < 0 && list.isVisible()) {
            QApplication::processEvents(); // paint the grid: its first rows are read here
            first = timer.elapsed();
        }
        if (now > 600000)
            return 1;
        QThread::msleep(1);
    }
    QApplication::processEvents();
    const qint64 all = timer.elapsed();
    if (first < 0)
        first = all;

    std::printf("rows %lld\nfirst_ms %lld\nall_ms %lld\ngap_ms %lld\nindex_used %d\nsql %s\n",
                static_cast<long long>(list.query()->recordCount()), static_cast<long long>(first),
                static_cast<long long>(all), static_cast<long long>(longestGap), int(indexUsed),
                list.query()->sql().join(u' ').toUtf8().constData());
    if (argc == 4) {
        const QString column = QString::fromLocal8Bit(argv[3]);
        const int field = list.query()->findField(column);
        if (field < 0)
            return 1;
        // The same loop as above: a sort that holds the window shows as one long wait.
        timer.restart();
        longestGap = last = 0;
        emit list.grid()->horizontalHeader()->sectionClicked(field);
        do {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            const qint64 now = timer.elapsed();
            longestGap = std::max(longestGap, now - last);
            last = now;
            if (now > 600000)
                return 1;
            QThread::msleep(1);
        } while (list.isFinding());
        QApplication::processEvents(); // paint the ordered rows
        const bool sorted = list.query()->sql().constLast().contains(column);
        std::printf("sort_ms %lld\nsort_gap_ms %lld\nsorted_rows %lld\n", static_cast<long long>(timer.elapsed()),
                    static_cast<long long>(longestGap),
                    static_cast<long long>(sorted ? list.query()->recordCount() : -1));
    }
    return 0;
}
