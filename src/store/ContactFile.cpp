#include "ContactFile.h"

#include "Columns.h"
#include "Connection.h"
#include "ConnectionString.h"
#include "ContactCopy.h"
#include "ContactSchema.h"
#include "ContactWriter.h"
#include "ServerDatabase.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sqlite3.h>

#include <QCoreApplication>
#include <filesystem>

namespace corvella::store {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ContactFileState inspectContactFile(const QString& filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return ContactFileState::Missing;
    if (info.isFile() && info.size() == 0)
        return ContactFileState::Empty;
    const auto connection = Connection::openFile(filePath, false);
    QSqlQuery tables = runQuery(
        connection->database(),
        u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)"_qs, {tables::Contacts});
    return tables.next() && tables.value(0).toInt() > 0 ? ContactFileState::Ready
                                                        : ContactFileState::WithoutContactTable;
}

void addContactTables(const QString& filePath)
{
    switch (inspectContactFile(filePath)) {
    case ContactFileState::Missing:
        throw DatabaseError(QCoreApplication::translate("store", "Could not find file '%1'.").arg(shown(filePath)));
    case ContactFileState::Ready:
        throw DatabaseError(
            QCoreApplication::translate("store", "The contact file '%1' has its tables already.").arg(shown(filePath)));
    case ContactFileState::Empty:
    case ContactFileState::WithoutContactTable:
        break;
    }
    const auto connection = Connection::openFile(filePath, false);
    createContactTables(connection->database());
}

QString backupFileName(const QString& filePath)
{
    const std::optional<server::Address> address = server::parseAddress(filePath);
    const QFileInfo file(filePath);
    const QString base = address ? address->database : file.completeBaseName();
    const QString suffix = address || file.suffix().isEmpty() ? u"mdb"_qs : file.suffix();
    return base + u'-' + QDate::currentDate().toString(Qt::ISODate) + u'.' + suffix;
}

namespace {

/// A server database's contacts into a new contact file, made under a temporary name beside the destination.
void backupDatabase(const QString& address, const QString& destination)
{
    QFileInfo target(destination);
    if (target.isDir())
        target.setFile(QDir(destination).filePath(backupFileName(address)));
    if (!target.absoluteDir().exists())
        throw Error(
            QCoreApplication::translate("store", "Cannot write the backup '%1': the folder '%2' does not exist.")
                .arg(shown(target.filePath()), shown(target.absolutePath())));
    QTemporaryFile partial(target.absoluteFilePath() + u".XXXXXX.partial"_qs);
    if (!partial.open())
        throw Error(QCoreApplication::translate("store", "Cannot write the backup '%1': %2")
                        .arg(shown(target.filePath()), partial.errorString()));
    partial.close();
    addContactTables(partial.fileName());
    copyContacts(MakeConnectionString(QString(), address), MakeConnectionString(QString(), partial.fileName()));
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(partial.fileName()).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), error);
    if (error)
        throw Error(QCoreApplication::translate("store", "Cannot write the backup '%1': %2")
                        .arg(shown(target.filePath()), QString::fromLocal8Bit(error.message())));
    partial.setAutoRemove(false);
}

} // namespace

void backupContactFile(const QString& filePath, const QString& destination)
{
    if (server::isAddress(filePath)) {
        backupDatabase(filePath, destination);
        return;
    }
    const QFileInfo target(destination);
    const QString contactFile = QFileInfo(filePath).canonicalFilePath();
    if (target.exists() && !contactFile.isEmpty() && target.canonicalFilePath() == contactFile)
        throw Error(
            QCoreApplication::translate("store", "A backup cannot be written over the contact file '%1' itself.")
                .arg(shown(filePath)));
    if (target.isDir())
        throw Error(
            QCoreApplication::translate("store", "Cannot write the backup '%1': it is a folder; name a file in it.")
                .arg(shown(destination)));
    if (!target.absoluteDir().exists())
        throw Error(
            QCoreApplication::translate("store", "Cannot write the backup '%1': the folder '%2' does not exist.")
                .arg(shown(destination), shown(target.absolutePath())));

    const auto connection = Connection::openFile(filePath, false);
    QTemporaryFile partial(target.absoluteFilePath() + u".XXXXXX.partial"_qs);
    if (!partial.open())
        throw Error(QCoreApplication::translate("store", "Cannot write the backup '%1': %2")
                        .arg(shown(destination), partial.errorString()));
    partial.close();

    const QByteArray partialName = QFile::encodeName(partial.fileName());
    sqlite3* copy = nullptr;
    const auto failed = [&](const QString& reason) {
        return Error(
            QCoreApplication::translate("store", "Cannot write the backup '%1': %2").arg(shown(destination), reason));
    };
    {
        const int opened = sqlite3_open_v2(partialName.constData(), &copy, SQLITE_OPEN_READWRITE, nullptr);
        ScopeExit closeCopy([&copy] { sqlite3_close(copy); });
        if (opened != SQLITE_OK)
            throw failed(QString::fromUtf8(sqlite3_errmsg(copy)));
        sqlite3* source = sqliteHandle(connection->database());
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        if (!backup)
            throw failed(QString::fromUtf8(sqlite3_errmsg(copy)));
        // All pages in one step: one read transaction on the source, so the copy is of one moment.
        const int stepped = sqlite3_backup_step(backup, -1);
        const int finished = sqlite3_backup_finish(backup);
        if ((stepped & 0xff) == SQLITE_BUSY || (stepped & 0xff) == SQLITE_LOCKED)
            throw FileInUseError(
                QCoreApplication::translate("store", "The contact file '%1' is in use by another program (%2).")
                    .arg(shown(filePath), QString::fromUtf8(sqlite3_errstr(stepped))));
        if (stepped != SQLITE_DONE || finished != SQLITE_OK)
            throw failed(QString::fromUtf8(sqlite3_errmsg(copy)));
    }

    std::error_code error;
    std::filesystem::rename(partialName.toStdString(), QFile::encodeName(target.absoluteFilePath()).toStdString(),
                            error);
    if (error)
        throw failed(QString::fromLocal8Bit(error.message()));
    partial.setAutoRemove(false);
}

} // namespace corvella::store
