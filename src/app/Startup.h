#pragma once

#include <memory>

namespace corvella::search {
class Tfrm_arama;
class Tfrm_liste;
} // namespace corvella::search

namespace corvella::print {
class Tfrmyazdirmaayarlari;
class Tgenel;
} // namespace corvella::print

namespace corvella::app {

class Tfrmkayit;
class Tfrm_about;

/// The long-lived windows, created in the program's fixed order; the main window comes first.
struct Windows {
    std::unique_ptr<Tfrmkayit> main;
    std::unique_ptr<print::Tfrmyazdirmaayarlari> printSettings;
    std::unique_ptr<search::Tfrm_arama> search;
    std::unique_ptr<search::Tfrm_liste> list;
    std::unique_ptr<print::Tgenel> genel;
    std::unique_ptr<Tfrm_about> about;

    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;
};

/// When the contact file is missing, offers to create a new, empty one in its place. Returns whether the file
/// exists afterwards.
bool offerNewContactFile();

/// Routes errors that the mail component meets in its timer and socket handlers, where no caller can catch them,
/// to the general error display.
void installHandlerErrorDisplay();

/// Creates the windows in order (all hidden) and wires the main window's buttons to them.
Windows createWindows();

} // namespace corvella::app
