#pragma once

#include <QString>

namespace corvella::store {

/// The contact file's path relative to the data folder.
inline constexpr auto ContactFileName = "VT/Dorlune.mdb";
/// The settings file, beside the contact file, that names a server database to use in its place.
inline constexpr auto DatabaseSettingsName = "VT/database.conf";

/// The folder of the running executable with a trailing separator; overridable for tests.
QString programFolder();
void setProgramFolder(const QString& folder);

/// The folder the contact file's path is relative to, with a trailing separator: the folder set with
/// `setProgramFolder`, or else where the rule of DataFolder.h puts the running program's data.
QString dataFolder();

/// Builds the one connection string shape the program uses, for a file relative to the data folder.
QString MakeConnectionString(const QString& fileName);
QString MakeConnectionString(const QString& folder, const QString& fileName);

/// The postgresql:// address that the settings file in the data folder names, or an empty text when there is no
/// such file. Throws a DatabaseError when the file names no address, more than one, or one with a password.
QString configuredDatabase();

/// The connection string of the contact file, or of the database the settings file names.
QString ContactConnectionString();

/// The file a connection string points at (its "Data Source=" value), or an empty text when it names none.
QString dataSourceOf(const QString& connectionString);

} // namespace corvella::store
