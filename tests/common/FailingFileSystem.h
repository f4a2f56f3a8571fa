#pragma once

namespace corvella::test {

/// The engine's files a fault can hit, told apart by how the engine opens them.
enum class EngineFile { Database, Journal, Wal };
enum class FileCall { Write, Sync };

/// The `nth` call of one kind on one of the engine's files fails with `code` (an engine result code such as
/// SQLITE_IOERR_WRITE, SQLITE_IOERR_FSYNC or SQLITE_FULL); with `lasting`, every such call from the nth on fails.
struct IoFault {
    EngineFile file = EngineFile::Database;
    FileCall call = FileCall::Write;
    int nth = 1;
    bool lasting = false;
    int code = 0;
};

/// While it lives, the engine's default file system: the real default one, failing calls when armed. Connections
/// opened meanwhile go through it, Qt's included, because its driver loads the same shared engine as the tests.
/// One at a time.
class FailingFileSystem {
public:
    FailingFileSystem();
    ~FailingFileSystem();
    FailingFileSystem(const FailingFileSystem&) = delete;
    FailingFileSystem& operator=(const FailingFileSystem&) = delete;

    /// Counts calls from now on and fails the ones `fault` names.
    void arm(const IoFault& fault);
    void disarm();
    /// How many calls failed since the last `arm`.
    int failures() const;
};

} // namespace corvella::test
