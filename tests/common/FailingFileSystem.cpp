#include "FailingFileSystem.h"

#include <QtGlobal>

#include <cstddef>
#include <optional>
#include <sqlite3.h>

namespace corvella::test {

namespace {

struct State {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs shim{};
    std::optional<IoFault> fault;
    int calls = 0;
    int failures = 0;
};

State& state()
{
    static State s;
    return s;
}

// The engine's file as the shim hands it out; the real file's own state follows it in the same allocation.
struct ShimFile {
    sqlite3_file base;
    std::optional<EngineFile> kind; // none for temporary and other files, which are never failed
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};
static_assert(sizeof(ShimFile) % alignof(std::max_align_t) == 0);

ShimFile* shim(sqlite3_file* file)
{
    return reinterpret_cast<ShimFile*>(file);
}

/// The code the call fails with, or SQLITE_OK when it goes through.
int injected(sqlite3_file* file, FileCall call)
{
    State& s = state();
    if (!s.fault || shim(file)->kind != s.fault->file || call != s.fault->call)
        return SQLITE_OK;
    ++s.calls;
    if (s.calls == s.fault->nth || (s.fault->lasting && s.calls > s.fault->nth)) {
        ++s.failures;
        return s.fault->code;
    }
    return SQLITE_OK;
}

/// Hands a call on to the real file.
template <auto Method, class... Args> auto passOn(sqlite3_file* f, Args... args)
{
    sqlite3_file* real = shim(f)->real();
    return (real->pMethods->*Method)(real, args...);
}

int shimWrite(sqlite3_file* f, const void* buffer, int amount, sqlite3_int64 offset)
{
    const int code = injected(f, FileCall::Write);
    return code ? code : passOn<&sqlite3_io_methods::xWrite>(f, buffer, amount, offset);
}

int shimSync(sqlite3_file* f, int flags)
{
    const int code = injected(f, FileCall::Sync);
    return code ? code : passOn<&sqlite3_io_methods::xSync>(f, flags);
}

// Version 2: shared memory for WAL files; no memory-mapped reads, which would bypass the shim.
const sqlite3_io_methods shimMethods = {
    2,
    passOn<&sqlite3_io_methods::xClose>,
    passOn<&sqlite3_io_methods::xRead>,
    shimWrite,
    passOn<&sqlite3_io_methods::xTruncate>,
    shimSync,
    passOn<&sqlite3_io_methods::xFileSize>,
    passOn<&sqlite3_io_methods::xLock>,
    passOn<&sqlite3_io_methods::xUnlock>,
    passOn<&sqlite3_io_methods::xCheckReservedLock>,
    passOn<&sqlite3_io_methods::xFileControl>,
    passOn<&sqlite3_io_methods::xSectorSize>,
    passOn<&sqlite3_io_methods::xDeviceCharacteristics>,
    passOn<&sqlite3_io_methods::xShmMap>,
    passOn<&sqlite3_io_methods::xShmLock>,
    passOn<&sqlite3_io_methods::xShmBarrier>,
    passOn<&sqlite3_io_methods::xShmUnmap>,
    nullptr,
    nullptr,
};

int shimOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* f = shim(file);
    f->base.pMethods = nullptr;
    f->kind = (flags & SQLITE_OPEN_MAIN_DB)        ? std::optional(EngineFile::Database)
              : (flags & SQLITE_OPEN_MAIN_JOURNAL) ? std::optional(EngineFile::Journal)
              : (flags & SQLITE_OPEN_WAL)          ? std::optional(EngineFile::Wal)
                                                   : std::nullopt;
    const int code = state().real->xOpen(state().real, name, f->real(), flags, outFlags);
    // Only an opened file is closed again: the engine calls xClose when pMethods is set.
    if (f->real()->pMethods)
        f->base.pMethods = &shimMethods;
    return code;
}

} // namespace

FailingFileSystem::FailingFileSystem()
{
    State& s = state();
    if (s.real)
        qFatal("one failing file system at a time");
    s.real = sqlite3_vfs_find(nullptr);
    s.shim = *s.real;
    s.shim.zName = "corvella-failing";
    s.shim.szOsFile = int(sizeof(ShimFile)) + s.real->szOsFile;
    s.shim.pNext = nullptr;
    s.shim.xOpen = shimOpen;
    sqlite3_vfs_register(&s.shim, 1);
}

FailingFileSystem::~FailingFileSystem()
{
    State& s = state();
    sqlite3_vfs_unregister(&s.shim);
    sqlite3_vfs_register(s.real, 1);
    s = State();
}

void FailingFileSystem::arm(const IoFault& fault)
{
    State& s = state();
    s.fault = fault;
    s.calls = 0;
    s.failures = 0;
}

void FailingFileSystem::disarm()
{
    state().fault.reset();
}

int FailingFileSystem::failures() const
{
    return state().failures;
}

} // namespace corvella::test
