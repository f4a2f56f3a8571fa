// Prints labels for every contact of the file in PROGRAM_FOLDER into OUT_PDF, the way "Print &Labels" does, and
// reports the labels, the time of the label run (from the button press to the file written) and the process's peak
// memory.
//
// usage: corvella-labelbench PROGRAM_FOLDER OUT_PDF
#include "app/Startup.h"
#include "app/Tfrmkayit.h"
#include "print/PdfSurface.h"
#include "print/Tgenel.h"
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUT_PDF\n", argv[0]);
        return 2;
    }
    store::setProgramFolder(QString::fromLocal8Bit(argv[1]));
    QStringList messages;
    ui::DialogHooks hooks;
    // The question before a long run is answered OK, as a user printing the whole list does; other messages are kept.
    hooks.message = [&messages](const ui::MessageRequest& request) {
        if (!request.buttons.testFlag(QMessageBox::Cancel))
            messages << request.text;
        return QMessageBox::Ok;
    };
    // The label dialog answered with its first items: the contact's name and the company name.
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
    windows.printer->setSurface(std::make_unique<print::PdfSurface>(QString::fromLocal8Bit(argv[2])));

    QElapsedTimer timer;
    timer.start();
    windows.list->BitBtn3Click();
    const qint64 elapsed = timer.elapsed();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("labels %lld\nms %lld\npeak_kb %ld\n", static_cast<long long>(windows.list->query()->recordCount()),
                static_cast<long long>(elapsed), usage.ru_maxrss);
    // The PDF surface reports the file it wrote, as a run without a printer does; anything else is a failure.
    const QString output = QString::fromLocal8Bit(argv[2]);
    bool failed = false;
    for (const QString& message : messages) {
        std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
        failed = failed || !message.contains(output);
    }
    return failed ? 1 : 0;
}
