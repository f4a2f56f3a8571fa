#include "Startup.h"

#include "Tfrm_about.h"
#include "Tfrmkayit.h"
#include "mail/HandlerError.h"
#include "print/Tgenel.h"
#include "print/ui/Tfrmgelismisetiketayarlari.h"
#include "print/ui/Tfrmyazdirmaayarlari.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactFile.h"
#include "store/ContactFileLock.h"
#include "store/ContactSchema.h"
#include "store/ServerDatabase.h"
#include "ui/Dialogs.h"
#include "ui/InputBox.h"
#include "ui/ModalDialog.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>
#include <optional>

namespace corvella::app {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool offerTables(const QString& path, store::ContactFileState state)
{
    QString question;
    switch (state) {
    case store::ContactFileState::Ready:
        return true;
    case store::ContactFileState::Missing:
        question = QCoreApplication::translate(
            "Startup", "The contact file '%1' does not exist.\nCreate a new, empty contact file there?");
        break;
    case store::ContactFileState::Empty:
        question = QCoreApplication::translate(
            "Startup", "The contact file '%1' is empty.\nCreate the tables of a new, empty contact file in it?");
        break;
    case store::ContactFileState::WithoutContactTable:
        question = QCoreApplication::translate(
            "Startup", "The file '%1' is an SQLite database without the contact table kayit.\nAdd the tables of a new, "
                       "empty contact file to it?");
        break;
    }
    const auto answer =
        ui::showMessage(nullptr, question.arg(shown(path)), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question);
    if (answer != QMessageBox::Yes)
        return state != store::ContactFileState::Missing;
    bool created = false;
    ui::guard(nullptr, [&] {
        if (state == store::ContactFileState::Missing)
            store::createContactFile(path);
        else
            store::addContactTables(path);
        created = true;
    });
    return created || state != store::ContactFileState::Missing;
}

/// A database the settings file names, on a server: opened once before the windows (asking for a password when the
/// server wants one), and offered the tables when it has none. Returns whether the windows can work on it.
bool offerDatabaseTables(const QString& address)
{
    bool ready = false;
    ui::guard(nullptr, [&] {
        const auto connection = store::Connection::openFile(address, false);
        if (store::server::hasContactTable(connection->database())) {
            ready = true;
            return;
        }
        const QString question = QCoreApplication::translate(
            "Startup",
            "The database '%1' has no contact tables.\nCreate the tables of a new, empty contact file in it?");
        if (ui::showMessage(nullptr, question.arg(address), QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Question) != QMessageBox::Yes)
            return;
        store::createContactTables(connection->database());
        ready = true;
    });
    return ready;
}

/// The database the settings file names, or an empty text; a settings file that cannot be used is shown.
std::optional<QString> configuredDatabase()
{
    try {
        return store::configuredDatabase();
    } catch (const Error& error) {
        ui::showError(nullptr, error.message());
        return std::nullopt;
    }
}

} // namespace

QString contactFilePath()
{
    return store::dataFolder() + QString::fromLatin1(store::ContactFileName);
}

bool offerNewContactFile()
{
    const std::optional<QString> database = configuredDatabase();
    if (!database)
        return false;
    if (!database->isEmpty())
        return offerDatabaseTables(*database);
    const QString path = contactFilePath();
    try {
        return offerTables(path, store::inspectContactFile(path));
    } catch (const Error&) {
        return true; // a file that is there but cannot be used: the windows say why
    }
}

bool prepareContactFile(store::ContactFileLock& lock)
{
    // A server database is shared by design: no lock file, and the server says when it cannot be reached.
    const std::optional<QString> database = configuredDatabase();
    if (!database)
        return false;
    if (!database->isEmpty())
        return offerDatabaseTables(*database);
    const QString path = contactFilePath();
    const auto outcome = lock.tryLock();
    if (outcome == store::ContactFileLock::Outcome::HeldByOther) {
        ui::showError(nullptr, lock.heldMessage() + QCoreApplication::translate(
                                                        "Startup", "\nGo on working in that window; this one closes."));
        return false;
    }
    // One look at the file before the windows open it, so that a lock held by another program is met once here
    // rather than once per window.
    std::optional<store::ContactFileState> state;
    while (!state) {
        try {
            state = store::inspectContactFile(path);
        } catch (const store::FileInUseError& error) {
            const auto answer = ui::showMessage(ui::MessageRequest{
                nullptr,
                error.message() +
                    QCoreApplication::translate(
                        "Startup", "\nRetry when that program has finished with it, or Cancel to close Corvella."),
                QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry});
            if (answer != QMessageBox::Retry)
                return false;
        } catch (const Error&) {
            return true; // not a contact file, or unreadable: the windows say why
        }
    }
    offerTables(path, *state);
    // Without its folder there was no place for the lock file: the folder is there once the file has been made.
    if (outcome == store::ContactFileLock::Outcome::Unavailable && QFileInfo::exists(path))
        lock.tryLock();
    return true;
}

void installBusyPrompt()
{
    store::setBusyHandler([](const QString& filePath) {
        const auto answer = ui::showMessage(ui::MessageRequest{
            nullptr,
            QCoreApplication::translate(
                "Startup",
                "The contact file '%1' is in use by another program.\nRetry when that program has finished with it, or "
                "Cancel.")
                .arg(shown(filePath)),
            QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry});
        return answer == QMessageBox::Retry;
    });
}

void installPasswordPrompt()
{
    store::server::setPasswordPrompt([](const QString& address) {
        return ui::passwordBox(
            nullptr, QCoreApplication::translate("Startup", "Database Password"),
            QCoreApplication::translate("Startup", "The server asks for a password for %1. Corvella keeps it only "
                                                   "until it closes.\nPassword:")
                .arg(address));
    });
}

void installHandlerErrorDisplay()
{
    mail::setHandlerErrorSink([](const QString& message) { ui::showError(nullptr, message); });
}

Windows createWindows()
{
    const ui::RepeatedNoticesShownOnce onceEach; // every window opening the contact file meets the same failure
    Windows windows;
    windows.main = std::make_unique<Tfrmkayit>();
    windows.printSettings = std::make_unique<print::Tfrmyazdirmaayarlari>();
    windows.search = std::make_unique<search::Tfrm_arama>();
    windows.list = std::make_unique<search::Tfrm_liste>();
    windows.printer = std::make_unique<print::Tgenel>();
    windows.about = std::make_unique<Tfrm_about>();

    Tfrmkayit* main = windows.main.get();
    search::Tfrm_arama* searchWindow = windows.search.get();
    search::Tfrm_liste* list = windows.list.get();
    searchWindow->setListWindow(list);
    list->setSearchWindow(searchWindow);
    list->setRecordRequest([main](int no) { main->requestRecord(no); });
    main->setFindAction([list](const QString& typed) { list->showFound(typed); });
    main->setReportAction([searchWindow] {
        searchWindow->loadContactConfiguration();
        searchWindow->show();
        searchWindow->raise();
        searchWindow->activateWindow();
    });

    print::Tfrmyazdirmaayarlari* printSettings = windows.printSettings.get();
    printSettings->setPrinter(windows.printer.get());
    list->setPrinting(windows.printer.get(), printSettings->table());
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
