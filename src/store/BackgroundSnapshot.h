#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <thread>

namespace corvella::store {

/// The same rows through a find index (FindIndex.h): the first ones by one statement, all by another.
struct IndexedStatements {
    QString indexFile;
    QString firstStatement;
    QString allStatement;
    /// When not 0: the first statement looks at this many contacts of the index's order only, so fewer rows
    /// than asked tell nothing when the index orders more, and the first rows come from the statement instead.
    qint64 firstWalked = 0;
};

/// Runs a query on a contact file on a thread and a connection of its own, so that a long one does not hold the
/// window: first its leading rows, then all of them, each into a snapshot file that a `QueryDataSet` opens with
/// `openPrepared`. The files live as long as this object.
class BackgroundSnapshot : public QObject {
    Q_OBJECT
public:
    explicit BackgroundSnapshot(QObject* parent = nullptr);
    ~BackgroundSnapshot() override;

    using Indexed = IndexedStatements;

    /// `firstRows` for a run with no leading rows: every row in one go, announced as complete first rows (by the
    /// indexed statement for all rows). Ordered rows cannot come first without ordering them all.
    static constexpr int AllRowsAtOnce = 0;

    /// Starts a run of the statement on the contact file at `filePath`, stopping a run still going; its results are
    /// announced in order, and nothing more of the stopped run. With an index file, the find index is brought up to
    /// date first and, when it is current, the indexed statements run instead (when the first fails, the statement).
    void start(const QString& filePath, const QString& statement, int firstRows, const Indexed& indexed = {});
    void stop();
    bool isRunning() const { return m_running; }

signals:
    /// The statement's first rows (`firstRows` at most, all of them when `complete`).
    void firstRowsReady(const QString& snapshotFile, bool complete);
    void allRowsReady(const QString& snapshotFile);
    /// Before the first rows, when a run was given an index file: what the index was found to be
    /// (`findindex::Status`), and whether the indexed statement gave the rows.
    void indexChecked(int status, bool used);
    void failed(const QString& message);

private:
    struct Run;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
    QTemporaryDir m_files;
    int m_runs = 0;
    bool m_running = false;
};

} // namespace corvella::store
