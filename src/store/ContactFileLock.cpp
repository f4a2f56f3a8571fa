#include "ContactFileLock.h"

#include <QCoreApplication>
#include <QDir>

namespace corvella::store {

ContactFileLock::ContactFileLock(const QString& contactFile)
    : m_contactFile(contactFile)
    , m_lock(lockFilePath(contactFile))
{
    // Held for the whole run: only a lock whose program has ended is stale, never an old one.
    m_lock.setStaleLockTime(0);
}

QString ContactFileLock::lockFilePath(const QString& contactFile)
{
    return contactFile + u".lock"_qs;
}

ContactFileLock::Outcome ContactFileLock::tryLock()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return Outcome::Taken;
    return m_lock.error() == QLockFile::LockFailedError ? Outcome::HeldByOther : Outcome::Unavailable;
}

qint64 ContactFileLock::holder() const
{
    qint64 pid = 0;
    return m_lock.getLockInfo(&pid, nullptr, nullptr) ? pid : 0;
}

QString ContactFileLock::heldMessage() const
{
    const QString file = QDir::toNativeSeparators(m_contactFile);
    const qint64 pid = holder();
    if (pid == 0)
        return QCoreApplication::translate("store", "The contact file '%1' is already open in another Corvella.")
            .arg(file);
    return QCoreApplication::translate("store",
                                       "The contact file '%1' is already open in another Corvella (process %2).")
        .arg(file)
        .arg(pid);
}

} // namespace corvella::store
