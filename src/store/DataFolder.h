#pragma once

#include <QString>

namespace corvella::store {

/// The name the installed program's files go by: its desktop entry, icon and AppStream metadata.
inline constexpr auto ApplicationId = "org.corvella.Corvella";

/// Whether `programFolder` is where an installed Corvella keeps its executables: `bin` or `libexec/corvella` under
/// a prefix that holds Corvella's desktop entry.
bool isInstalledProgramFolder(const QString& programFolder);

/// The user's own data folder with a trailing separator: ~/.local/share/Corvella/ (XDG_DATA_HOME is honoured).
QString userDataFolder();

/// The folder that holds the contact file's folder "VT" and the "Prints" folder, with a trailing separator. A
/// program folder that can be written and is not an installed program's (a build tree, a portable copy) keeps them
/// beside the executable; any other leaves them to the user's data folder, so that nothing is ever written under an
/// install prefix, not even by root.
QString dataFolderFor(const QString& programFolder, bool programFolderWritable);

} // namespace corvella::store
