// Opens the label preview for every contact of the file in PROGRAM_FOLDER, the way the list window's Preview >
// Labels does, and reports the time until the first page is drawn and shown, then the time to show the last page.
//
// usage: corvella-previewbench PROGRAM_FOLDER
#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "print/ui/PrintPreview.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

using namespace corvella;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER\n", argv[0]);
        return 2;
    }
    store::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    QStringList messages;
    ui::DialogHooks hooks;
    hooks.message = [&messages](const ui::MessageRequest& request) {
        messages << request.text;
        return QMessageBox::Ok;
    };
    hooks.modal = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    ui::setDialogHooks(hooks);

    app::Windows windows = app::createWindows();
    windows.main->BitBtn1Click();
    windows.search->FormActivate();
    windows.search->checkBox(1)->click(); // nothing ticked: every contact
    windows.search->SpeedButton2Click();

    QElapsedTimer timer;
    timer.start();
    windows.list->previewLabelsClick();
    auto* preview = windows.list->findChild<print::PrintPreview*>();
    QApplication::processEvents(); // the window painted with its page
    const qint64 firstMs = timer.elapsed();
    if (!preview || !messages.isEmpty()) {
        for (const QString& message : messages)
            std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
        return 1;
    }
    timer.restart();
    preview->showPage(preview->pageCount() - 1);
    QApplication::processEvents();
    const qint64 lastMs = timer.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("labels %lld\npages %lld\nfirst_ms %lld\nlast_ms %lld\npeak_kb %ld\n",
                static_cast<long long>(windows.list->query()->recordCount()),
                static_cast<long long>(preview->pageCount()), static_cast<long long>(firstMs),
                static_cast<long long>(lastMs), usage.ru_maxrss);
    return 0;
}
