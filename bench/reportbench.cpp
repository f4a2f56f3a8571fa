// Prints the whole contact list of the file in PROGRAM_FOLDER as the report, into OUT_PDF, the way "&Print Report"
// does, and reports the rows, the time of the print run and the process's peak memory.
//
// usage: corvella-reportbench PROGRAM_FOLDER OUT_PDF
#include "WholeList.h"
#include "core/Error.h"
#include "print/PdfSurface.h"
#include "print/Tgenel.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace corvella;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUT_PDF\n", argv[0]);
        return 2;
    }
    const auto list = bench::listEveryContact(argv[1], false);
    list->windows.printer->setSurface(std::make_unique<print::PdfSurface>(QString::fromLocal8Bit(argv[2])));

    QElapsedTimer timer;
    timer.start();
    try {
        list->windows.list->BitBtn1Click();
    } catch (const Error& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    const qint64 elapsed = timer.elapsed();

    std::printf("rows %lld\nms %lld\npeak_kb %ld\n", static_cast<long long>(list->windows.list->query()->recordCount()),
                static_cast<long long>(elapsed), bench::peakKilobytes());
    bench::reportMessages(list->messages);
    return 0;
}
