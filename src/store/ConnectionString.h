#pragma once

#include <QString>

namespace corvella::store {

/// The contact file's path relative to the data folder.
inline constexpr auto ContactFileName = "VT/Dorlune.mdb";

/// The folder of the running executable with a trailing separator; overridable for tests.
QString programFolder();
void setProgramFolder(const QString& folder);

/// The folder the contact file's path is relative to, with a trailing separator: the folder set with
/// `setProgramFolder`, or else where the rule of DataFolder.h puts the running program's data.
QString dataFolder();

/// Builds the one connection string shape the program uses, for a file relative to the data folder.
QString MakeConnectionString(const QString& fileName);
QString MakeConnectionString(const QString& folder, const QString& fileName);

/// The connection string of the contact file.
QString ContactConnectionString();

/// The file a connection string points at (its "Data Source=" value), or an empty text when it names none.
QString dataSourceOf(const QString& connectionString);

} // namespace corvella::store
