#include "ConnectionString.h"

#include "DataFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace corvella::store {

namespace {

QString& folderOverride()
{
    static QString folder;
    return folder;
}

QString withTrailingSeparator(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder)
{
    folderOverride() = folder.isEmpty() ? QString() : withTrailingSeparator(folder);
}

QString dataFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    const QString folder = programFolder();
    return dataFolderFor(folder, QFileInfo(folder).isWritable());
}

QString MakeConnectionString(const QString& folder, const QString& fileName)
{
    return u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source="_qs + folder + fileName + u";Persist Security Info=False"_qs;
}

QString MakeConnectionString(const QString& fileName)
{
    return MakeConnectionString(dataFolder(), fileName);
}

QString ContactConnectionString()
{
    return MakeConnectionString(QString::fromLatin1(ContactFileName));
}

QString dataSourceOf(const QString& connectionString)
{
    static const QString key = u"Data Source="_qs;
    const qsizetype start = connectionString.indexOf(key, 0, Qt::CaseInsensitive);
    if (start < 0)
        return {};
    const qsizetype from = start + key.size();
    // A folder may itself hold ';', so prefer the known option that closes the string.
    qsizetype end = connectionString.lastIndexOf(u";Persist Security Info="_qs, -1, Qt::CaseInsensitive);
    if (end < from)
        end = connectionString.indexOf(u';', from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

} // namespace corvella::store
