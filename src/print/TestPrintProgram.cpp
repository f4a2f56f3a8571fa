#include "TestPrintProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvella::print {

QString testPrintProgramName()
{
    return u"~_~$"_qs;
}

QString defaultTestPrintProgram()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(testPrintProgramName());
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(
        programFolder.filePath(QStringLiteral(CORVELLA_COMPANION_FROM_BINDIR "/") + testPrintProgramName()));
    return QFileInfo::exists(installed) ? installed : beside;
}

QString defaultSignalFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString signalFilePath(const QString& folder)
{
    return QDir(folder).filePath(u"s.~"_qs);
}

QStringList testPrintArguments(const QString& signalPath)
{
    return {u"YAZ"_qs, u"TEST"_qs, signalPath};
}

std::optional<QString> signalPathFromArguments(const QStringList& arguments)
{
    if (arguments.size() != 3 || arguments.at(0) != u"YAZ"_qs || arguments.at(1) != u"TEST"_qs ||
        arguments.at(2).trimmed().isEmpty())
        return std::nullopt;
    return arguments.at(2);
}

} // namespace corvella::print
