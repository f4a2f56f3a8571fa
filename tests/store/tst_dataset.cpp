#include "ContactFileFixture.h"
#include "DataSetsOnFile.h"

#include "ErrorOf.h"
#include "FailingFileSystem.h"

#include "core/Error.h"
#include "store/ContactSchema.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QTest>

#include <optional>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace corvella;

namespace {

struct Contacts {
    test::TableOnFile table{u"kayit"_qs};
    test::QueryOnFile maxQuery{{u"select max([No]) from kayit"_qs}};

    Contacts()
    {
        table.setBeforePost([this](store::DataSet& ds) {
            if (ds.state() == store::DataSetState::Insert)
                ds.fieldByName(u"No"_qs).setValue(store::nextRecordNumber(maxQuery));
        });
        table.open();
    }

    int addThroughWindow(const QString& name)
    {
        table.insert();
        table.fieldByName(u"Ad"_qs).setAsString(name);
        table.post();
        return int(table.fieldByName(u"No"_qs).asInteger());
    }

    QList<int> numbers()
    {
        QList<int> result;
        for (table.first(); !table.eof(); table.next())
            result << int(table.fieldByName(u"No"_qs).asInteger());
        return result;
    }
};

// How a row of failedWriteSaysWhyAndCanBeTriedAgain breaks the writes to the contact file.
enum class Breaking {
    Statement,      // a statement on the data set's own connection, undone by another
    Engine,         // a fault in the engine's file calls
    ReadOnly,       // file and folder made read-only while the record is in edit
    ReadOnlyReopen, // the same before the data set opens the file again
    FullDisk,       // the file on a small tmpfs, filled up
};
enum class Change { Insert, Edit, Delete };

struct WriteFault {
    Breaking how = Breaking::Statement;
    QString breaking, mending;
    test::IoFault io;
    bool wal = false;
};

/// The contact file and its folder read-only while it lives. Root writes whatever the modes say, so root takes the
/// identity of `nobody` for the while.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& programFolder)
        : m_folder(programFolder + u"VT"_qs)
    {
        const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto enterable = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(programFolder, enterable | QFile::WriteOwner); // `nobody` must reach the file
        QFile::setPermissions(m_folder, enterable);
        QFile::setPermissions(m_folder + u"/Dorlune.mdb"_qs, readable);
        m_asNobody = ::geteuid() == 0 && ::seteuid(Nobody) == 0;
        m_applied = ::geteuid() != 0;
    }
    ~ReadOnlyFile()
    {
        if (m_asNobody && ::seteuid(0) != 0)
            qFatal("cannot be root again");
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_folder + u"/Dorlune.mdb"_qs, QFile::ReadOwner | QFile::WriteOwner);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    bool applied() const { return m_applied; }

private:
    static constexpr uid_t Nobody = 65534;
    QString m_folder;
    bool m_asNobody = false;
    bool m_applied = false;
};

/// A tmpfs of 1 MB mounted over a folder while it lives (root only), which `fill` fills to the last block.
class SmallDisk {
public:
    explicit SmallDisk(const QString& folder)
        : m_folder(folder)
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH); // connections may still hold files
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool mounted() const { return m_mounted; }

    bool fill()
    {
        QFile filler(fillerPath());
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        return QStorageInfo(m_folder).bytesAvailable() == 0;
    }
    void makeRoom() { QFile::remove(fillerPath()); }

private:
    QString fillerPath() const { return m_folder + u"/filler"_qs; }
    QString m_folder;
    bool m_mounted = false;
};

} // namespace

Q_DECLARE_METATYPE(WriteFault)
Q_DECLARE_METATYPE(Change)

class DataSetTest : public QObject {
    Q_OBJECT
private slots:
    void firstRecordOfEmptyFileIsEleven();
    void nextNumberIsHighestPlusOne();
    void editingKeepsTheNumber();
    void deletedHighestNumberIsReused();
    void cancelledInsertStoresNothing();
    void movingStoresAChangedRecordAndDropsAnUntouchedOne();
    void typingIntoEmptyTableInserts();
    void refusedStoreStaysInEditMode();
    void failedWriteSaysWhyAndCanBeTriedAgain_data();
    void failedWriteSaysWhyAndCanBeTriedAgain();
    void numberTakenMeanwhileGivesTheNext_data();
    void numberTakenMeanwhileGivesTheNext();
    void walkingSeesEveryRowOnceInBothDirections();
    void fieldLookupIgnoresCase();
    void locateFindsByKeyOrStays();
    void deletingMovesToTheNextRow();
    void wholeNumbersRoundHalfToEven_data();
    void wholeNumbersRoundHalfToEven();
    void numberTextIsConvertedOrRefused();
    void querySnapshotIsStableAndCounted();
    void queryIsReadOnly();
    void queryFieldsAreNamedAsTheStatementSpellsThem();
    void queryReachesAnyRowDirectly();
    void queryTextEndsEveryLineWithCrLf();
    void execSqlRunsADelete();
    void disabledControlsHearOneChangeAtTheEnd();
};

void DataSetTest::firstRecordOfEmptyFileIsEleven()
{
    test::ContactFileFixture fixture;
    Contacts contacts;
    QCOMPARE(contacts.addThroughWindow(u"Ayşe"_qs), 11);
    QCOMPARE(contacts.addThroughWindow(u"Burak"_qs), 12);
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit where [No] = 11"_qs).toString(), u"Ayşe"_qs);
}

void DataSetTest::nextNumberIsHighestPlusOne()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 20});
    Contacts contacts;
    QCOMPARE(contacts.addThroughWindow(u"New"_qs), 21);
}

void DataSetTest::editingKeepsTheNumber()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 20}, [](int) { return QVariantMap{{u"Ad"_qs, u"x"_qs}}; });
    Contacts contacts;
    QVERIFY(contacts.table.locate(u"No"_qs, 12));
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"Edited"_qs);
    QCOMPARE(contacts.table.state(), store::DataSetState::Edit);
    contacts.table.post();
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 12);
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit where [No] = 12"_qs).toString(), u"Edited"_qs);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 3);
}

void DataSetTest::deletedHighestNumberIsReused()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13});
    Contacts contacts;
    contacts.table.last();
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 13);
    contacts.table.deleteRecord();
    QCOMPARE(contacts.addThroughWindow(u"Again"_qs), 13);
    QCOMPARE(contacts.numbers(), QList<int>({11, 12, 13}));
    // A deleted number below the highest is never filled again.
    QVERIFY(contacts.table.locate(u"No"_qs, 12));
    contacts.table.deleteRecord();
    QCOMPARE(contacts.addThroughWindow(u"Later"_qs), 14);
}

void DataSetTest::cancelledInsertStoresNothing()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Only"_qs}});
    Contacts contacts;
    contacts.table.insert();
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"Dropped"_qs);
    contacts.table.cancel();
    QCOMPARE(contacts.table.state(), store::DataSetState::Browse);
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), u"Only"_qs);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 1);
    // No number was taken: the next stored record still gets 12.
    QCOMPARE(contacts.addThroughWindow(u"Next"_qs), 12);
}

void DataSetTest::movingStoresAChangedRecordAndDropsAnUntouchedOne()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"A"_qs}});
    fixture.addContact(12, {{u"Ad"_qs, u"B"_qs}});
    Contacts contacts;
    contacts.table.fieldByName(u"Soyad"_qs).setAsString(u"Changed"_qs);
    contacts.table.next();
    QCOMPARE(fixture.scalar(u"select [Soyad] from kayit where [No] = 11"_qs).toString(), u"Changed"_qs);
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), u"B"_qs);

    contacts.table.insert();
    contacts.table.first();
    QCOMPARE(contacts.table.state(), store::DataSetState::Browse);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 2);

    contacts.table.insert();
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"C"_qs);
    contacts.table.first();
    QCOMPARE(fixture.scalar(u"select [No] from kayit where [Ad] = 'C'"_qs).toInt(), 13);
}

void DataSetTest::typingIntoEmptyTableInserts()
{
    test::ContactFileFixture fixture;
    Contacts contacts;
    QVERIFY(contacts.table.isEmpty());
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"First"_qs);
    QCOMPARE(contacts.table.state(), store::DataSetState::Insert);
    contacts.table.post();
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 11);
    QVERIFY(!contacts.table.isEmpty());
}

void DataSetTest::refusedStoreStaysInEditMode()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11);
    fixture.scalar(
        u"create trigger refuse before update on kayit begin select raise(abort, 'refused by rule'); end"_qs);
    Contacts contacts;
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"Nope"_qs);
    try {
        contacts.table.post();
        QFAIL("the store must fail");
    } catch (const DatabaseError& error) {
        QVERIFY2(error.message().contains(u"refused by rule"_qs), qPrintable(error.message()));
    }
    QCOMPARE(contacts.table.state(), store::DataSetState::Edit);
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), u"Nope"_qs);
    contacts.table.cancel();
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), QString());
}

void DataSetTest::failedWriteSaysWhyAndCanBeTriedAgain_data()
{
    QTest::addColumn<WriteFault>("fault");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("why");
    const std::pair<Change, const char*> changes[] = {
        {Change::Insert, "new record"}, {Change::Edit, "edited record"}, {Change::Delete, "deleted record"}};
    auto addRows = [&](const char* name, const WriteFault& fault, const QString& why, bool deleting = true) {
        for (const auto& [change, changeName] : changes) {
            if (change != Change::Delete || deleting)
                QTest::addRow("%s, %s", name, changeName) << fault << change << why;
        }
    };
    const QString full = u"the disk is full"_qs, noPermission = u"no permission"_qs,
                  diskError = u"the disk reported an error"_qs;
    auto statement = [](const QString& breaking, const QString& mending) {
        WriteFault fault;
        fault.breaking = breaking;
        fault.mending = mending;
        return fault;
    };
    // The page limit stands for a full disk (a delete needs no new page); a connection that may only read for a file
    // the user cannot write.
    const QString roomy = u"PRAGMA max_page_count = 1000000"_qs;
    addRows("page limit", statement(u"PRAGMA max_page_count = 1"_qs, roomy), full, false);
    // Room for a few of the record's pages: the write fails part way through.
    addRows("page limit part way", statement(u"PRAGMA max_page_count = %1"_qs, roomy), full, false);
    addRows("query only", statement(u"PRAGMA query_only = 1"_qs, u"PRAGMA query_only = 0"_qs), noPermission);
    // Faults in the engine's own file calls, at each step of a commit: the journal of the old pages, its sync, the
    // first page written over the file, the sync that ends the commit, and a disk that fills after the first page.
    using test::EngineFile, test::FileCall;
    auto engine = [](EngineFile file, FileCall call, int code, int nth = 1, bool lasting = false) {
        WriteFault fault;
        fault.how = Breaking::Engine;
        fault.io = {file, call, nth, lasting, code};
        return fault;
    };
    addRows("journal write", engine(EngineFile::Journal, FileCall::Write, SQLITE_IOERR_WRITE), diskError);
    addRows("journal sync", engine(EngineFile::Journal, FileCall::Sync, SQLITE_IOERR_FSYNC), diskError);
    addRows("first write", engine(EngineFile::Database, FileCall::Write, SQLITE_IOERR_WRITE), diskError);
    addRows("commit sync", engine(EngineFile::Database, FileCall::Sync, SQLITE_IOERR_FSYNC), diskError);
    addRows("full after one page", engine(EngineFile::Database, FileCall::Write, SQLITE_FULL, 2, true), full);
    // A file another tool left in write-ahead mode: the log's write and the sync that makes the commit last.
    WriteFault walWrite = engine(EngineFile::Wal, FileCall::Write, SQLITE_IOERR_WRITE);
    WriteFault walSync = engine(EngineFile::Wal, FileCall::Sync, SQLITE_IOERR_FSYNC);
    walWrite.wal = walSync.wal = true;
    addRows("wal write", walWrite, diskError);
    addRows("wal sync", walSync, diskError);
    auto other = [](Breaking how) {
        WriteFault fault;
        fault.how = how;
        return fault;
    };
    addRows("read-only file and folder", other(Breaking::ReadOnly), noPermission);
    addRows("read-only reopen", other(Breaking::ReadOnlyReopen), noPermission);
    addRows("full tmpfs", other(Breaking::FullDisk), full);
}

void DataSetTest::failedWriteSaysWhyAndCanBeTriedAgain()
{
    QFETCH(WriteFault, fault);
    QFETCH(Change, change);
    QFETCH(QString, why);
    test::FailingFileSystem fileSystem; // first: a connection keeps the file system it was opened with
    test::ContactFileFixture fixture(false);
    std::optional<SmallDisk> disk;
    if (fault.how == Breaking::FullDisk && !disk.emplace(fixture.folder() + u"VT"_qs).mounted())
        QSKIP("cannot mount a tmpfs here");
    store::createContactFile(fixture.filePath());
    fixture.addContact(11, {{u"Ad"_qs, u"Ayşe"_qs}});
    const QString longName(5000, u'ğ'); // on pages of its own, beside the ones the failed write touches
    fixture.addContact(12, {{u"Ad"_qs, u"Burak"_qs}, {u"Soyad"_qs, longName}});
    if (fault.wal)
        QCOMPARE(fixture.scalar(u"PRAGMA journal_mode = WAL"_qs).toString(), u"wal"_qs);
    Contacts contacts;

    std::optional<ReadOnlyFile> readOnly;
    auto breakWrites = [&] {
        switch (fault.how) {
        case Breaking::Statement: {
            const int pages = fixture.scalar(u"PRAGMA page_count"_qs).toInt();
            const bool partWay = fault.breaking.contains(u"%1"_qs);
            return QSqlQuery(contacts.table.db()).exec(partWay ? fault.breaking.arg(pages + 3) : fault.breaking);
        }
        case Breaking::Engine:
            fileSystem.arm(fault.io);
            return true;
        case Breaking::ReadOnly:
        case Breaking::ReadOnlyReopen:
            return readOnly.emplace(fixture.folder()).applied();
        case Breaking::FullDisk:
            return disk->fill();
        }
        return false;
    };
    if (fault.how == Breaking::ReadOnlyReopen) {
        if (!breakWrites())
            QSKIP("cannot take the right to write away here");
        contacts.table.close();
        contacts.table.open();
    }
    const QString typed(20000, u'ş'); // more than the pages the file has can take
    if (change == Change::Insert)
        contacts.table.insert();
    if (change != Change::Delete)
        contacts.table.setValue(contacts.table.findField(u"Ek Bilgi"_qs), typed);
    if (fault.how != Breaking::ReadOnlyReopen && !breakWrites())
        QSKIP("cannot take the right to write away here");
    auto write = [&] { change == Change::Delete ? contacts.table.deleteRecord() : contacts.table.post(); };

    const QString error = test::errorOf(write);
    QVERIFY2(error.contains(fixture.filePath()) && error.contains(why), qPrintable(error));
    QCOMPARE(fileSystem.failures() > 0, fault.how == Breaking::Engine);
    if (change == Change::Delete) {
        QCOMPARE(contacts.table.state(), store::DataSetState::Browse);
        QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 11);
    } else {
        QCOMPARE(contacts.table.state(),
                 change == Change::Insert ? store::DataSetState::Insert : store::DataSetState::Edit);
        QCOMPARE(contacts.table.fieldByName(u"Ek Bilgi"_qs).asString(), typed);
    }

    // Mended, the file as any program opening it now sees it.
    if (fault.how == Breaking::Statement)
        QVERIFY(QSqlQuery(contacts.table.db()).exec(fault.mending));
    fileSystem.disarm();
    readOnly.reset();
    if (disk)
        disk->makeRoom();
    fixture.reconnect();
    QCOMPARE(fixture.scalar(u"PRAGMA integrity_check"_qs).toString(), u"ok"_qs);
    QCOMPARE(fixture.scalar(u"select group_concat([No] || [Ad]) from kayit"_qs).toString(), u"11Ayşe,12Burak"_qs);
    QCOMPARE(fixture.scalar(u"select [Soyad] from kayit where [No] = 12"_qs).toString(), longName);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit where [Ek Bilgi] is not null"_qs).toInt(), 0);

    QCOMPARE(test::errorOf(write), QString());
    QCOMPARE(contacts.table.state(), store::DataSetState::Browse);
    if (change == Change::Delete)
        QCOMPARE(fixture.scalar(u"select group_concat([No]) from kayit"_qs).toString(), u"12"_qs);
    else
        QCOMPARE(fixture.scalar(u"select [No] from kayit where length([Ek Bilgi]) = 20000"_qs).toInt(),
                 change == Change::Insert ? 13 : 11);
}

void DataSetTest::numberTakenMeanwhileGivesTheNext_data()
{
    QTest::addColumn<int>("clashes");
    QTest::addColumn<int>("stored"); // 0: refused
    QTest::newRow("taken once") << 1 << 13;
    QTest::newRow("taken at every try") << 3 << 0;
}

void DataSetTest::numberTakenMeanwhileGivesTheNext()
{
    QFETCH(int, clashes);
    QFETCH(int, stored);
    test::ContactFileFixture fixture;
    fixture.addContact(11);
    Contacts contacts;
    int numberings = 0;
    contacts.table.setBeforePost([&](store::DataSet& ds) {
        const int number = store::nextRecordNumber(contacts.maxQuery);
        ds.fieldByName(u"No"_qs).setValue(number);
        if (++numberings <= clashes) // another program stores a contact between the numbering and the store
            fixture.addContact(number, {{u"Ad"_qs, u"other"_qs}});
    });
    contacts.table.insert();
    contacts.table.fieldByName(u"Ad"_qs).setAsString(u"ours"_qs);
    const QString error = test::errorOf([&] { contacts.table.post(); });
    if (stored) {
        QCOMPARE(error, QString());
        QCOMPARE(fixture.scalar(u"select [No] from kayit where [Ad] = 'ours'"_qs).toInt(), stored);
    } else {
        QCOMPARE(error, u"UNIQUE constraint failed: kayit.No"_qs);
        QCOMPARE(contacts.table.state(), store::DataSetState::Insert);
    }
    QCOMPARE(numberings, std::min(clashes + 1, 3));
}

void DataSetTest::walkingSeesEveryRowOnceInBothDirections()
{
    test::ContactFileFixture fixture;
    const QList<int> expected = test::ContactFileFixture::numbers(11, 160); // more than one block of rows
    fixture.addContacts(expected);
    Contacts contacts;
    QCOMPARE(contacts.numbers(), expected);
    QVERIFY(contacts.table.eof());
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 160); // eof stays on the last row

    QList<int> backwards;
    for (contacts.table.last(); !contacts.table.bof(); contacts.table.prior())
        backwards.prepend(int(contacts.table.fieldByName(u"No"_qs).asInteger()));
    QCOMPARE(backwards, expected);
    QCOMPARE(contacts.table.recordCount(), 150);

    contacts.table.first();
    QVERIFY(!contacts.table.hasPriorRow());
    QVERIFY(contacts.table.hasNextRow());
    contacts.table.last();
    QVERIFY(contacts.table.hasPriorRow());
    QVERIFY(!contacts.table.hasNextRow());
}

void DataSetTest::fieldLookupIgnoresCase()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"E-mail"_qs, u"a@b.tr"_qs}});
    Contacts contacts;
    QCOMPARE(contacts.table.fieldByName(u"e-mail"_qs).asString(), u"a@b.tr"_qs);
    QCOMPARE(contacts.table.fieldByName(u"E-MAIL"_qs).index(), contacts.table.fieldByName(u"E-mail"_qs).index());
    QCOMPARE(contacts.table.fieldByName(u"NO"_qs).asInteger(), 11);
    QCOMPARE(contacts.table.fieldByName(u"sektör"_qs).name(), u"Sektör"_qs);
    try {
        contacts.table.fieldByName(u"Firma_Yetkilisi"_qs);
        QFAIL("an unknown field must be refused");
    } catch (const DatabaseError& error) {
        QCOMPARE(error.message(), u"Field 'Firma_Yetkilisi' not found"_qs);
    }
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).size(), 25);
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).kind(), store::FieldKind::AutoNumber);
}

void DataSetTest::locateFindsByKeyOrStays()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13}, [](int no) { return QVariantMap{{u"Ad"_qs, QString::number(no)}}; });
    Contacts contacts;
    QVERIFY(contacts.table.locate(u"No"_qs, 12));
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), u"12"_qs);
    QVERIFY(!contacts.table.locate(u"No"_qs, 99));
    QCOMPARE(contacts.table.fieldByName(u"Ad"_qs).asString(), u"12"_qs);
    QVERIFY(contacts.table.locate(u"ad"_qs, u"13"_qs));
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 13);
}

void DataSetTest::deletingMovesToTheNextRow()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13});
    Contacts contacts;
    QVERIFY(contacts.table.locate(u"No"_qs, 12));
    contacts.table.deleteRecord();
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 13);
    contacts.table.deleteRecord();
    QCOMPARE(contacts.table.fieldByName(u"No"_qs).asInteger(), 11);
    contacts.table.deleteRecord();
    QVERIFY(contacts.table.isEmpty());
    QVERIFY(contacts.table.eof() && contacts.table.bof());
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 0);
}

void DataSetTest::wholeNumbersRoundHalfToEven_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<qint64>("whole");
    QTest::newRow("10.5") << 10.5 << qint64(10);
    QTest::newRow("11.5") << 11.5 << qint64(12);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("4.49") << 4.49 << qint64(4);
    QTest::newRow("4.51") << 4.51 << qint64(5);
}

void DataSetTest::wholeNumbersRoundHalfToEven()
{
    QFETCH(double, stored);
    QFETCH(qint64, whole);
    test::ContactFileFixture fixture;
    fixture.scalar(u"update YAYAR set [Liste Fontu Boyutu] = %1"_qs.arg(stored));
    test::TableOnFile settings(u"YAYAR"_qs);
    settings.open();
    QCOMPARE(settings.fieldByName(u"Liste Fontu Boyutu"_qs).asInteger(), whole);
    QCOMPARE(settings.fieldByName(u"Liste Fontu Boyutu"_qs).kind(), store::FieldKind::Float);
}

void DataSetTest::numberTextIsConvertedOrRefused()
{
    test::ContactFileFixture fixture;
    test::TableOnFile settings(u"YAYAR"_qs);
    settings.open();
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    auto field = settings.fieldByName(u"Etiket Genişliği"_qs);
    field.setAsString(u"63,5"_qs);
    QCOMPARE(field.asFloat(), 63.5);
    QCOMPARE(field.asString(), u"63,5"_qs);
    try {
        field.setAsString(u"altmış"_qs);
        QFAIL("text that is not a number must be refused");
    } catch (const DatabaseError& error) {
        QCOMPARE(error.message(), u"'altmış' is not a valid floating point value for field 'Etiket Genişliği'"_qs);
    }
    QLocale::setDefault(saved);
    QCOMPARE(field.asFloat(), 63.5);
    field.setAsString(QString());
    QVERIFY(field.isNull());
}

void DataSetTest::querySnapshotIsStableAndCounted()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(test::ContactFileFixture::numbers(11, 15), [](int no) {
        return QVariantMap{{u"Sehir"_qs, no % 2 ? u"İzmir"_qs : u"Ankara"_qs}};
    });
    test::QueryOnFile query({u" select "_qs, u"[No], "_qs, u" [Sehir] "_qs, u" from "_qs, u"kayit"_qs, u" where "_qs,
                             u" ([Sehir]>='izmir') and ([Sehir]<='İZMİR')  "_qs});
    query.open();
    QCOMPARE(query.recordCount(), 3);
    // Rows added after opening do not join the open result.
    fixture.addContact(16, {{u"Sehir"_qs, u"izmir"_qs}});
    QCOMPARE(query.recordCount(), 3);
    QList<qint64> numbers;
    for (query.first(); !query.eof(); query.next())
        numbers << query.fieldByName(u"NO"_qs).asInteger();
    QCOMPARE(numbers, QList<qint64>({11, 13, 15}));
    QCOMPARE(query.fieldDef(0).kind, store::FieldKind::AutoNumber);
    QCOMPARE(query.fieldByName(u"sehir"_qs).size(), 30);
    query.close();
    query.open();
    QCOMPARE(query.recordCount(), 4);
}

void DataSetTest::queryFieldsAreNamedAsTheStatementSpellsThem()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"E-mail"_qs, u"a@b.tr"_qs}});
    test::QueryOnFile query({u" select "_qs, u"[no], "_qs, u" [e-mail] "_qs, u" from "_qs, u"kayit"_qs});
    query.open();
    QCOMPARE(query.fieldDef(0).name, u"no"_qs);
    QCOMPARE(query.fieldDef(1).name, u"e-mail"_qs);
    QCOMPARE(query.fieldDef(1).size, 25);
    QCOMPARE(query.fieldByName(u"E-MAIL"_qs).asString(), u"a@b.tr"_qs);
}

void DataSetTest::queryIsReadOnly()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11);
    test::QueryOnFile query({u"select * from kayit"_qs});
    query.open();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, query.fieldByName(u"Ad"_qs).setAsString(u"x"_qs));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, query.deleteRecord());
    QCOMPARE(query.state(), store::DataSetState::Browse);
    QCOMPARE(fixture.scalar(u"select count(*) from kayit"_qs).toInt(), 1);
}

void DataSetTest::queryReachesAnyRowDirectly()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(test::ContactFileFixture::numbers(11, 710), [](int no) {
        return QVariantMap{{u"Ad"_qs, u"n%1"_qs.arg(no)}};
    });
    test::QueryOnFile query({u"select [No], [Ad] from kayit order by [No] desc"_qs});
    query.open();
    QCOMPARE(query.valueAt(0, 0).toInt(), 710);
    QCOMPARE(query.valueAt(699, 1).toString(), u"n11"_qs);
    QCOMPARE(query.valueAt(300, 0).toInt(), 410);
    QVERIFY(!query.valueAt(700, 0).isValid());
    query.moveTo(512);
    QCOMPARE(query.recNo(), 512);
    QCOMPARE(query.fieldByName(u"No"_qs).asInteger(), 198);
    query.next();
    QCOMPARE(query.recNo(), 513);
}

void DataSetTest::queryTextEndsEveryLineWithCrLf()
{
    store::QueryDataSet query;
    query.setSql({u" select "_qs, u" * "_qs, u" from "_qs, u"kayit"_qs});
    QCOMPARE(query.sqlText(), u" select \r\n * \r\n from \r\nkayit\r\n"_qs);
}

void DataSetTest::execSqlRunsADelete()
{
    test::ContactFileFixture fixture;
    fixture.scalar(u"insert into maillist values ('a@b.tr')"_qs);
    fixture.scalar(u"insert into maillist values ('')"_qs);
    test::QueryOnFile remove({u"delete from maillist"_qs});
    QCOMPARE(remove.execSql(), 2);
    QCOMPARE(fixture.scalar(u"select count(*) from maillist"_qs).toInt(), 0);
}

void DataSetTest::disabledControlsHearOneChangeAtTheEnd()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(test::ContactFileFixture::numbers(11, 20));
    Contacts contacts;
    QSignalSpy spy(&contacts.table, &store::DataSet::recordChanged);
    contacts.table.disableControls();
    for (contacts.table.first(); !contacts.table.eof(); contacts.table.next()) {
    }
    QCOMPARE(spy.count(), 0);
    contacts.table.enableControls();
    QCOMPARE(spy.count(), 1);
}

QTEST_GUILESS_MAIN(DataSetTest)
#include "tst_dataset.moc"
