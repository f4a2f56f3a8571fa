#include "WholeList.h"

#include "app/Tfrmkayit.h"
#include "search/Tfrm_arama.h"
#include "store/ConnectionString.h"
#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDialog>

#include <sys/resource.h>

#include <cstdio>

namespace corvella::bench {

std::unique_ptr<WholeList> listEveryContact(const char* programFolder, bool keepQuestions)
{
    store::setProgramFolder(QString::fromLocal8Bit(programFolder));
    auto list = std::make_unique<WholeList>();
    ui::DialogHooks hooks;
    hooks.message = [messages = &list->messages, keepQuestions](const ui::MessageRequest& request) {
        if (keepQuestions || !request.buttons.testFlag(QMessageBox::Cancel))
            *messages << request.text;
        return QMessageBox::Ok;
    };
    hooks.modal = [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
    ui::setDialogHooks(hooks);

    list->windows = app::createWindows();
    list->windows.main->BitBtn1Click();
    list->windows.search->FormActivate();
    list->windows.search->checkBox(1)->click(); // nothing ticked: every contact
    list->windows.search->SpeedButton2Click();
    return list;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void reportMessages(const QStringList& messages)
{
    for (const QString& message : messages)
        std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
}

} // namespace corvella::bench
