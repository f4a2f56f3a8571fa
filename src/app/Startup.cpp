#include "Startup.h"

#include "Tfrm_about.h"
#include "Tfrmkayit.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"
#include "store/widgets/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace corvella::app {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;

bool offerNewContactFile()
{
    const QString path = store::programFolder() + QString::fromLatin1(store::ContactFileName);
    if (QFileInfo::exists(path))
        return true;
    const auto answer = ui::showMessage(
        nullptr,
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

Windows createWindows()
{
    Windows windows;
    windows.main = std::make_unique<Tfrmkayit>();
    windows.about = std::make_unique<Tfrm_about>();

    Tfrm_about* about = windows.about.get();
    windows.main->setAboutAction([about] {
        about->show();
        about->raise();
        about->activateWindow();
    });
    return windows;
}

} // namespace corvella::app
