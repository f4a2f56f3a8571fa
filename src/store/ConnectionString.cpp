#include "ConnectionString.h"

#include "DataFolder.h"
#include "ServerDatabase.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

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

QString configuredDatabase()
{
    const QString path = dataFolder() + QString::fromLatin1(DatabaseSettingsName);
    QFile file(path);
    if (!file.exists())
        return {};
    const QString shown = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError(
            QCoreApplication::translate("store", "Cannot read '%1': %2").arg(shown, file.errorString()));
    QStringList addresses;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith(u'#'))
            addresses << text;
    }
    if (addresses.size() != 1 || !server::parseAddress(addresses.first()))
        throw DatabaseError(
            QCoreApplication::translate("store", "The file '%1' should hold one line with the database's address, "
                                                 "postgresql://user@host:port/dbname, and nothing else but # comments.")
                .arg(shown));
    // A password in a file beside the contacts is readable by anyone who can copy them.
    if (!QUrl(addresses.first()).password().isEmpty())
        throw DatabaseError(QCoreApplication::translate(
                                "store", "The file '%1' holds a password in the database's address. Corvella does "
                                         "not read passwords from files it keeps: remove it from the address and put "
                                         "it in ~/.pgpass or PGPASSWORD, or type it when Corvella asks.")
                                .arg(shown));
    return addresses.first();
}

QString ContactConnectionString()
{
    const QString database = configuredDatabase();
    if (!database.isEmpty())
        return MakeConnectionString(QString(), database);
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
