#pragma once

#include "app/Startup.h"

#include <QStringList>

#include <memory>

namespace corvella::bench {

/// The program's windows on the contact file of a program folder, with the list window showing every contact.
struct WholeList {
    app::Windows windows;
    QStringList messages; // what the program said, in order
};

/// Opens the windows on `programFolder` and lists every contact, as a user does by searching with nothing ticked.
/// Every message is answered OK and kept, save questions offering Cancel when `keepQuestions` is false (the question
/// before a long run, which a user printing the whole list answers OK); dialogs are accepted as they open.
std::unique_ptr<WholeList> listEveryContact(const char* programFolder, bool keepQuestions);

/// The process's peak resident memory.
long peakKilobytes();

/// Writes each message to stderr.
void reportMessages(const QStringList& messages);

} // namespace corvella::bench
