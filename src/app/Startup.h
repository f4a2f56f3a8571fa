#pragma once

#include <QString>

#include <memory>

namespace corvella::search {
class Tfrm_arama;
class Tfrm_liste;
} // namespace corvella::search

namespace corvella::print {
class Tfrmyazdirmaayarlari;
class Tgenel;
} // namespace corvella::print

namespace corvella::store {
class ContactFileLock;
}

namespace corvella::app {

class Tfrmkayit;
class Tfrm_about;

/// The long-lived windows, created in the program's fixed order; the main window comes first.
struct Windows {
    std::unique_ptr<Tfrmkayit> main;
    std::unique_ptr<print::Tfrmyazdirmaayarlari> printSettings;
    std::unique_ptr<search::Tfrm_arama> search;
    std::unique_ptr<search::Tfrm_liste> list;
    std::unique_ptr<print::Tgenel> printer; // the print helpers every printout goes through
    std::unique_ptr<Tfrm_about> about;

    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;
};

/// The contact file in use: VT/Dorlune.mdb in the data folder (store/DataFolder.h).
QString contactFilePath();

/// When the contact file is missing, offers to create a new, empty one in its place; when it is empty, or an SQLite
/// database without the contact table, offers to add the tables to it. Returns whether the file exists afterwards.
/// When the settings file names a server database instead, offers it the tables it lacks; returns whether it has
/// them.
bool offerNewContactFile();

/// Before the windows exist: stops when another Corvella has the contact file open (`lock` holds it for this run
/// otherwise), asks Retry or Cancel while another program holds the file locked, and makes the offers of
/// `offerNewContactFile`. Returns false when the program is to end, having said why.
bool prepareContactFile(store::ContactFileLock& lock);

/// From here on a statement that meets another program's lock asks the user to retry or cancel.
void installBusyPrompt();

/// From here on a server that wants a password that neither ~/.pgpass nor PGPASSWORD gives asks the user for it.
void installPasswordPrompt();

/// Routes errors that the mail component meets in its timer and socket handlers, where no caller can catch them,
/// to the general error display.
void installHandlerErrorDisplay();

/// Creates the windows in order (all hidden) and wires the main window's buttons to them.
Windows createWindows();

} // namespace corvella::app
