#pragma once

#include <QString>

namespace corvella::store {

/// What a look at the contact file found, without changing it.
enum class ContactFileState {
    Missing,
    Empty,               // 0 bytes, as a file made by hand or by another program's "new" starts
    WithoutContactTable, // an SQLite database that has no table `kayit`
    Ready,
};

/// Looks at the file at `filePath`. Throws a `FileInUseError` when another program holds it locked past the busy
/// time-out, and a `DatabaseError` naming the file when it is no SQLite database or cannot be read.
ContactFileState inspectContactFile(const QString& filePath);

/// Gives an empty file, or an SQLite database without the contact table, the tables of a new contact file. Refuses
/// any other file.
void addContactTables(const QString& filePath);

/// Writes a consistent copy of the contact file to `destination`, also while other connections write to it: the
/// copy is made under a temporary name beside the destination and renamed over it only when complete. Refuses to
/// write over the contact file itself. `filePath` may be a server database's address: the copy is then a contact
/// file holding its contacts; a `destination` that is a folder gets the file named by `backupFileName`.
void backupContactFile(const QString& filePath, const QString& destination);

/// The name a backup of the contact file (or server database) made today goes by: "Dorlune-2026-12-08.mdb".
QString backupFileName(const QString& filePath);

} // namespace corvella::store
