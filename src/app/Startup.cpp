#include "Startup.h"

#include "Tfrm_about.h"
#include "Tfrmkayit.h"
#include "mail/HandlerError.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmgelismisetiketayarlari.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"
#include "ui/Dialogs.h"
#include "ui/ModalDialog.h"

#include <QDir>
#include <QFileInfo>

namespace corvella::app {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;

bool offerNewContactFile()
{
    const QString path = store::programFolder() + QString::fromLatin1(store::ContactFileName);
    if (QFileInfo::exists(path))
        return true;
    const auto answer =
        ui::showMessage(nullptr,
                        u"The contact file '%1' does not exist.\nCreate a new, empty contact file there?"_qs.arg(
                            QDir::toNativeSeparators(path)),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return false;
    bool created = false;
    ui::guard(nullptr, [&] {
        store::createContactFile(path);
        created = true;
    });
    return created;
}

void installHandlerErrorDisplay()
{
    mail::setHandlerErrorSink([](const QString& message) { ui::showError(nullptr, message); });
}

Windows createWindows()
{
    Windows windows;
    windows.main = std::make_unique<Tfrmkayit>();
    windows.printSettings = std::make_unique<print::Tfrmyazdirmaayarlari>();
    windows.search = std::make_unique<search::Tfrm_arama>();
    windows.list = std::make_unique<search::Tfrm_liste>();
    windows.genel = std::make_unique<print::Tgenel>();
    windows.about = std::make_unique<Tfrm_about>();

    Tfrmkayit* main = windows.main.get();
    search::Tfrm_arama* searchWindow = windows.search.get();
    search::Tfrm_liste* list = windows.list.get();
    searchWindow->setListWindow(list);
    list->setSearchWindow(searchWindow);
    list->setRecordRequest([main](int no) { main->requestRecord(no); });
    main->setReportAction([searchWindow] {
        searchWindow->loadContactConfiguration();
        searchWindow->show();
        searchWindow->raise();
        searchWindow->activateWindow();
    });

    print::Tfrmyazdirmaayarlari* printSettings = windows.printSettings.get();
    printSettings->setPrinter(windows.genel.get());
    list->setPrinting(windows.genel.get(), printSettings->table());
    printSettings->setAdvancedLabelSettingsAction([printSettings] {
        print::Tfrmgelismisetiketayarlari labelSettings(printSettings);
        ui::execModal(labelSettings);
    });
    windows.main->setPrintSettingsAction([printSettings] {
        printSettings->show();
        printSettings->raise();
        printSettings->activateWindow();
    });

    Tfrm_about* about = windows.about.get();
    windows.main->setAboutAction([about] {
        about->show();
        about->raise();
        about->activateWindow();
    });
    return windows;
}

} // namespace corvella::app
