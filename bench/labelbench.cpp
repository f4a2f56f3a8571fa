// Prints labels for every contact of the file in PROGRAM_FOLDER into OUT_PDF, the way "Print &Labels" does, and
// reports the labels, the time of the label run (from the button press to the file written) and the process's peak
// memory.
//
// usage: corvella-labelbench PROGRAM_FOLDER OUT_PDF
#include "WholeList.h"
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
    // The label dialog is answered with its first items: the contact's name and the company name.
    const auto list = bench::listEveryContact(argv[1], false);
    const QString output = QString::fromLocal8Bit(argv[2]);
    list->windows.printer->setSurface(std::make_unique<print::PdfSurface>(output));

    QElapsedTimer timer;
    timer.start();
    list->windows.list->BitBtn3Click();
    const qint64 elapsed = timer.elapsed();

    std::printf("labels %lld\nms %lld\npeak_kb %ld\n",
                static_cast<long long>(list->windows.list->query()->recordCount()), static_cast<long long>(elapsed),
                bench::peakKilobytes());
    // The PDF surface reports the file it wrote, as a run without a printer does; anything else is a failure.
    bench::reportMessages(list->messages);
    for (const QString& message : list->messages)
        if (!message.contains(output))
            return 1;
    return 0;
}
