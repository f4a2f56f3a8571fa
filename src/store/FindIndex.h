#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <thread>

struct sqlite3;

// A quick find's index: an FTS5 trigram table of each contact's text columns, folded as the Turkish LIKE folds them,
// kept in a file of its own beside the contact file. It only narrows a find (the LIKE still decides), so it must never
// miss a row: plain triggers in the contact file log the record numbers every writer changes, and each find applies
// them first. An index that may have missed changes is built again.
namespace corvella::store::findindex {

/// The schema name of the index on a find's connection.
inline const QString Schema = QStringLiteral("findindex");

/// The index file of a contact file: its name with ".find" for the extension, in the same folder.
QString indexFileFor(const QString& contactFile);

enum class Status {
    Current,     ///< attached and up to date: the find may use it
    Unfinished,  ///< a build was left part way: it resumes
    Behind,      ///< too many changes to apply ahead of a find: they are applied in the background
    Outdated,    ///< missing, made for another file, or it may have missed changes: it is built again
    Unavailable, ///< not this time (the file is locked or cannot be written): the find scans
};

/// On a connection to the contact file: attaches the index file as `Schema` and, when it was built completely for
/// this file, applies the changes logged since in one transaction. The index stays attached only when Current.
Status bringUpToDate(sqlite3* db, const QString& indexFile, QString& error);

/// On a connection where the index is attached: whether it orders more than `contacts` contacts.
bool ordersMoreThan(sqlite3* db, qint64 contacts);

/// Builds the index of the contact file in batches, each a transaction of its own that writes the index file only,
/// resumes a build left part way, or applies a long log of changes in batches. Adds the change log and its triggers
/// to the contact file first. False when stopped or failed (then with `error`).
bool build(const QString& contactFile, const std::atomic<bool>& stop, QString& error);

} // namespace corvella::store::findindex

namespace corvella::store {

/// Builds one contact file's find index on a thread of its own; stopping, or destroying it, leaves the index to be
/// resumed later.
class FindIndexBuilder : public QObject {
    Q_OBJECT
public:
    explicit FindIndexBuilder(QObject* parent = nullptr);
    ~FindIndexBuilder() override;

    /// Starts building the index of `contactFile` unless that is under way already; stops a build of another file.
    void start(const QString& contactFile);
    void stop();
    bool isBuilding(const QString& contactFile) const { return m_building && m_file == contactFile; }

signals:
    void finished(const QString& contactFile, bool built, const QString& error);

private:
    struct Run;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
    QString m_file;
    bool m_building = false;
};

} // namespace corvella::store
