#include "BackgroundSnapshot.h"

#include "Connection.h"
#include "FindIndex.h"
#include "QuerySnapshot.h"
#include "SqliteExec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <atomic>

namespace corvella::store {

struct BackgroundSnapshot::Run {
    std::atomic<bool> stopped = false;
};

namespace {

using sqliteexec::execute;
using sqliteexec::executeQuietly;

QString quotedText(const QString& text)
{
    return u'\'' + QString(text).replace(u'\'', u"''"_qs) + u'\'';
}

} // namespace

BackgroundSnapshot::BackgroundSnapshot(QObject* parent)
    : QObject(parent)
{}

BackgroundSnapshot::~BackgroundSnapshot()
{
    stop();
}

void BackgroundSnapshot::stop()
{
    if (m_run)
        m_run->stopped = true;
    if (m_thread.joinable())
        m_thread.join();
    m_run.reset();
    m_running = false;
}

void BackgroundSnapshot::start(const QString& filePath, const QString& statement, int firstRows, const Indexed& indexed)
{
    stop();
    auto run = std::make_shared<Run>();
    m_run = run;
    m_running = true;
    const QString base = m_files.filePath(QString::number(++m_runs));
    const QString firstFile = base + u"-first.db"_qs, allFile = base + u"-all.db"_qs;
    const int timeout = busyTimeout();
    const bool allAtOnce = firstRows == AllRowsAtOnce;
    const QString limit = allAtOnce ? QString() : u"\r\nLIMIT "_qs + QString::number(firstRows);

    // What the thread reports reaches this object on its own thread, and only while the run is the current one.
    auto report = [this, run](auto emitter) {
        QMetaObject::invokeMethod(
            this,
            [this, run, emitter] {
                if (m_run != run)
                    return;
                emitter();
            },
            Qt::QueuedConnection);
    };

    m_thread = std::thread([=, this] {
        sqlite3* db = nullptr;
        QString error;
        // Allowed to create files for the snapshots it attaches; the contact file must be there already.
        const int opened = QFileInfo(filePath).isFile()
                               ? sqlite3_open_v2(filePath.toUtf8().constData(), &db,
                                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
                               : SQLITE_CANTOPEN;
        bool ok = opened == SQLITE_OK;
        if (!ok)
            error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(opened));
        if (ok) {
            registerSqlExtensions(db);
            sqlite3_busy_timeout(db, timeout);
            sqlite3_progress_handler(
                db, 1000, [](void* stopped) { return int(static_cast<std::atomic<bool>*>(stopped)->load()); },
                &run->stopped);
        }
        // Each snapshot goes into a file of its own, written without a journal: it is thrown away on any failure.
        auto into = [&](const QString& file, const QString& query) {
            return execute(db, u"ATTACH "_qs + quotedText(file) + u" AS snapshots"_qs, error) &&
                   execute(db, u"PRAGMA snapshots.journal_mode=OFF; PRAGMA snapshots.synchronous=OFF"_qs, error) &&
                   execute(db, snapshot::createInStatement(query, u"snapshots"_qs), error) &&
                   execute(db, u"DETACH snapshots"_qs, error);
        };
        // The rows of a snapshot file, or -1 when it cannot be read.
        auto rowsIn = [&](const QString& file) {
            qint64 rows = -1;
            sqlite3_stmt* count = nullptr;
            if (execute(db, u"ATTACH "_qs + quotedText(file) + u" AS counted"_qs, error)) {
                if (sqlite3_prepare_v2(db, "SELECT count(*) FROM counted.snapshot", -1, &count, nullptr) == SQLITE_OK &&
                    sqlite3_step(count) == SQLITE_ROW)
                    rows = sqlite3_column_int64(count, 0);
                else
                    error = QString::fromUtf8(sqlite3_errmsg(db));
                sqlite3_finalize(count);
                if (!execute(db, u"DETACH counted"_qs, error))
                    rows = -1;
            }
            return rows;
        };
        QString chosen = statement;
        bool firstDone = false;
        if (ok && !indexed.indexFile.isEmpty()) {
            QString indexError;
            auto status = findindex::bringUpToDate(db, indexed.indexFile, indexError);
            // The statement for the first rows trusts the index: a run of all rows at once takes the checked one.
            const QString& indexedFirst = allAtOnce ? indexed.allStatement : indexed.firstStatement;
            bool used = status == findindex::Status::Current && !indexedFirst.isEmpty();
            if (used && into(firstFile, indexedFirst + limit)) {
                // A word too rare for the walk: scanning finds its first rows sooner than walking every contact.
                if (!allAtOnce && indexed.firstWalked > 0 && rowsIn(firstFile) < firstRows &&
                    findindex::ordersMoreThan(db, indexed.firstWalked)) {
                    QFile::remove(firstFile);
                    used = false;
                } else {
                    chosen = indexed.allStatement;
                    firstDone = true;
                }
            } else if (used) {
                // A damaged index must not cost the find: it scans, and the index is built again.
                executeQuietly(db, u"DETACH snapshots"_qs);
                QFile::remove(firstFile);
                used = false;
                status = run->stopped ? status : findindex::Status::Outdated;
            }
            report([this, status, used] { emit indexChecked(int(status), used); });
        }
        ok = ok && (firstDone || into(firstFile, statement + limit));
        const qint64 firstCount = ok && !allAtOnce ? rowsIn(firstFile) : 0;
        ok = ok && firstCount >= 0;
        const bool complete = allAtOnce || firstCount < firstRows;
        if (ok)
            report([this, firstFile, complete] { emit firstRowsReady(firstFile, complete); });
        if (ok && !complete) {
            ok = into(allFile, chosen);
            if (ok)
                report([this, allFile] {
                    m_running = false;
                    emit allRowsReady(allFile);
                });
        } else if (ok) {
            report([this] { m_running = false; });
        }
        if (!ok && !run->stopped)
            report([this, error] {
                m_running = false;
                emit failed(error);
            });
        sqlite3_close(db);
    });
}

} // namespace corvella::store
