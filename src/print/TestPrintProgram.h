#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace corvella::print {

/// The companion program that prints the label printer test page.
QString testPrintProgramName();
/// The companion's path: beside the running executable (a build tree), or else in the installed program's
/// libexec folder when it is there.
QString defaultTestPrintProgram();

/// The folder the companion signals in: the user's runtime folder, or the temporary folder when there is none.
QString defaultSignalFolder();
/// The signal file "s.~" in `folder`.
QString signalFilePath(const QString& folder);

/// The companion's arguments: "YAZ", "TEST" and the signal file.
QStringList testPrintArguments(const QString& signalPath);
/// The signal file named by the companion's arguments (without the program), or none when they are not its own.
std::optional<QString> signalPathFromArguments(const QStringList& arguments);

} // namespace corvella::print
