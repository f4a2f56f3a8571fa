#include "store/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programFolderOrUsersFolder_data();
    void programFolderOrUsersFolder();

private:
    QTemporaryDir m_dir;
};

void DataFolderTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("HOME", QFile::encodeName(m_dir.filePath(u"home"_qs)));
    qunsetenv("XDG_DATA_HOME");
    // The names the program starts with; no organisation, which would add a folder level.
    QCoreApplication::setApplicationName(u"Corvella"_qs);
    QVERIFY(QCoreApplication::organizationName().isEmpty());
    QCOMPARE(store::userDataFolder(), m_dir.filePath(u"home/.local/share/Corvella/"_qs));

    // Two install prefixes: Corvella's, recognised by its desktop entry, and another program's.
    for (const QString& entry : {u"usr/share/applications/org.corvella.Corvella.desktop"_qs,
                                 u"other/share/applications/org.example.Other.desktop"_qs}) {
        QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(entry).path()));
        QFile file(m_dir.filePath(entry));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

void DataFolderTest::programFolderOrUsersFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("build tree") << u"build/bin"_qs << true << true;
    QTest::newRow("portable copy") << u"portable"_qs << true << true;
    QTest::newRow("read-only portable copy") << u"portable"_qs << false << false;
    QTest::newRow("installed, writable by root") << u"usr/bin"_qs << true << false;
    QTest::newRow("installed companion") << u"usr/libexec/corvella"_qs << true << false;
    QTest::newRow("installed, read-only") << u"usr/bin/"_qs << false << false;
    QTest::newRow("another program's prefix") << u"other/bin"_qs << true << true;
}

void DataFolderTest::programFolderOrUsersFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, writable);
    QFETCH(bool, besideProgram);
    QVERIFY(QDir(m_dir.path()).mkpath(programFolder));
    const QString folder = m_dir.filePath(programFolder);
    const QString expected = besideProgram ? QDir(folder).absolutePath() + u'/' : store::userDataFolder();
    QCOMPARE(store::dataFolderFor(folder, writable), expected);
}

QTEST_GUILESS_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
