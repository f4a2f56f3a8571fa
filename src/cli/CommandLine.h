#pragma once

#include <QString>
#include <QStringList>

namespace corvella::cli {

/// Whether the program's first argument asks for the command line (a command or a global option) rather than the
/// windows.
bool isCommandLine(const QString& firstArgument);

/// Whether the command of the arguments (the program's name first) draws pages, which needs fonts and so a GUI
/// application; with no display it runs on the offscreen platform.
bool drawsPages(const QStringList& arguments);

/// Runs the command line on the program's arguments (the program's name first) and returns its exit status:
/// 0 done, 1 failed, 2 wrong usage. Needs a QCoreApplication, a QGuiApplication for the commands that draw pages; no
/// display.
int run(const QStringList& arguments);

} // namespace corvella::cli
