#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvella::store {

namespace {

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

bool isInstalledProgramFolder(const QString& programFolder)
{
    // The layout is the one the build installs (GNUInstallDirs, relative to whatever prefix was chosen at install
    // time), so a prefix is recognised by Corvella's own desktop entry rather than by a path fixed at build time.
    static const QString installedFolders[] = {
        QStringLiteral(CORVELLA_INSTALL_BINDIR),
        QStringLiteral(CORVELLA_INSTALL_LIBEXECDIR "/corvella"),
    };
    const QString entry = QStringLiteral(CORVELLA_INSTALL_DATAROOTDIR "/applications/") +
                          QString::fromLatin1(ApplicationId) + u".desktop"_qs;
    const QString folder = QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath());
    for (const QString& installed : installedFolders) {
        if (!folder.endsWith(u'/' + installed))
            continue;
        const QString prefix = folder.chopped(installed.size());
        if (QFileInfo::exists(prefix + entry))
            return true;
    }
    return false;
}

QString userDataFolder()
{
    return withTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString dataFolderFor(const QString& programFolder, bool programFolderWritable)
{
    if (programFolderWritable && !isInstalledProgramFolder(programFolder))
        return withTrailingSeparator(programFolder);
    return userDataFolder();
}

} // namespace corvella::store
