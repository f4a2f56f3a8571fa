// Opens the label preview for every contact of the file in PROGRAM_FOLDER, the way the list window's Preview >
// Labels does, and reports the time until the first page is drawn and shown, then the time to show the last page.
//
// usage: corvella-previewbench PROGRAM_FOLDER
#include "WholeList.h"
#include "print/ui/PrintPreview.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace corvella;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    const auto list = bench::listEveryContact(argv[1], true);

    QElapsedTimer timer;
    timer.start();
    list->windows.list->previewLabelsClick();
    auto* preview = list->windows.list->findChild<print::PrintPreview*>();
    QApplication::processEvents(); // the window painted with its page
    const qint64 firstMs = timer.elapsed();
    if (!preview || !list->messages.isEmpty()) {
        bench::reportMessages(list->messages);
        return 1;
    }
    timer.restart();
    preview->showPage(preview->pageCount() - 1);
    QApplication::processEvents();
    const qint64 lastMs = timer.elapsed();

    std::printf("labels %lld\npages %lld\nfirst_ms %lld\nlast_ms %lld\npeak_kb %ld\n",
                static_cast<long long>(list->windows.list->query()->recordCount()),
                static_cast<long long>(preview->pageCount()), static_cast<long long>(firstMs),
                static_cast<long long>(lastMs), bench::peakKilobytes());
    return 0;
}
