#pragma once

#include <QLockFile>
#include <QString>

namespace corvella::store {

/// Keeps a second Corvella off a contact file it has open: a lock file beside the contact file ("Dorlune.mdb.lock")
/// for as long as this object holds it. A lock left by a program that has ended is taken over.
class ContactFileLock {
public:
    enum class Outcome {
        Taken,
        HeldByOther,
        Unavailable, // no lock file can be made there (no folder, no permission): nothing to stop a second program
    };

    explicit ContactFileLock(const QString& contactFile);

    Outcome tryLock();
    bool isLocked() const { return m_lock.isLocked(); }
    /// After `HeldByOther`: the process that holds the lock, or 0 when unknown.
    qint64 holder() const;
    /// After `HeldByOther`: says who holds the file, naming it.
    QString heldMessage() const;

    static QString lockFilePath(const QString& contactFile);

private:
    QString m_contactFile;
    QLockFile m_lock;
};

} // namespace corvella::store
