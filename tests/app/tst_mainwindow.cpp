#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "PostgresServer.h"

#include "app/Startup.h"
#include "app/Tfrm_about.h"
#include "app/Tfrmkayit.h"
#include "mail/HandlerError.h"
#include "search/Tfrm_arama.h"
#include "search/Tfrm_liste.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactFileLock.h"
#include "store/ContactSchema.h"
#include "store/DataSet.h"
#include "store/widgets/DBComboBox.h"
#include "store/widgets/DBEdit.h"
#include "store/widgets/DBGrid.h"
#include "store/widgets/DBNavigator.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/TaggedLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <sys/wait.h>
#include <unistd.h>

using namespace corvella;

namespace {

ui::DBEdit* editFor(QWidget& window, const QString& column)
{
    for (auto* edit : window.findChildren<ui::DBEdit*>())
        if (edit->fieldName() == column)
            return edit;
    return nullptr;
}

void typeInto(QWidget* widget, const QString& text)
{
    // keyClicks cannot send letters outside Latin-1; key events carrying the text can.
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Another program holding the contact file locked, briefly waited for, until `release`.
struct OtherProgram {
    std::unique_ptr<store::Connection> connection;
    OtherProgram(const QString& path, const QString& begin)
        : connection(store::Connection::openFile(path, false))
    {
        store::setBusyTimeout(100);
        store::execOrThrow(connection->database(), begin);
    }
    ~OtherProgram()
    {
        store::setBusyTimeout(5000);
        store::setBusyHandler(nullptr);
    }
    void release() { store::execOrThrow(connection->database(), u"ROLLBACK"_qs); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheRecordEditorWithItsControls();
    void windowsOpenCentred_data();
    void windowsOpenCentred();
    void windowsAreKeptInsideTheScreen_data();
    void windowsAreKeptInsideTheScreen();
    void mailHandlerErrorsReachTheErrorDisplay();
    void closeRequestsAreRefused();
    void exitWithoutChangesEndsAtOnce();
    void exitAsksAboutUnsavedChanges();
    void typingAndPostingNumbersNewRecords();
    void recordRequestShowsThePickedRecord();
    void recordRequestForDeletedNumberShowsTheLast();
    void activationWithoutRequestStays();
    void pickWhileEditingStoresFirst();
    void keyboardMovesStoresAndCancels();
    void missingFileCanBeCreated();
    void missingFileDeclinedLeavesWindowWithoutData();
    void foreignFileIsNamedAndUntouched();
    void emptyOrTablelessFileIsOfferedTheTables_data();
    void emptyOrTablelessFileIsOfferedTheTables();
    void startupMeetsALockedFileOnce();
    void secondCorvellaIsStopped();
    void postMeetingALockAsksToRetry();
    void backupButtonWritesACopy();
    void aboutBoxNamesProgramAndVersion();
    void databaseAsksForPasswordAndTables();
    void recordChangedByAnotherUserOffersReload_data();
    void recordChangedByAnotherUserOffersReload();
    void databaseListSortsAsItIsAsked();
};

void MainWindowTest::showsTheRecordEditorWithItsControls()
{
    test::ContactFileFixture fixture;
    app::Tfrmkayit window;
    QCOMPARE(window.windowTitle(), u"Corvella"_qs);
    QCOMPARE(window.size(), QSize(573, 438));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(230, 230, 255));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));

    auto* exit = window.findChild<QPushButton*>(u"BitBtn2"_qs);
    QVERIFY(exit);
    QCOMPARE(exit->text(), u"&Exit"_qs);
    QCOMPARE(exit->toolTip(), u"Close Window"_qs);
    QCOMPARE(window.findChild<QPushButton*>(u"BitBtn1"_qs)->text(), u"&Report"_qs);
    QCOMPARE(window.findChild<QPushButton*>(u"BitBtn1"_qs)->toolTip(),
             u"Get a report matching your custom criterias..."_qs);
    QCOMPARE(window.findChild<QPushButton*>(u"Button1"_qs)->text(), u"Print Settings"_qs);
    QCOMPARE(window.findChild<QToolButton*>(u"SpeedButton2"_qs)->toolTip(), u"About Halvex"_qs);
    QVERIFY(window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs));
    QVERIFY(window.findChild<ui::TaggedLabel*>(u"indeks"_qs)->isHidden());

    auto* pages = window.findChild<QTabWidget*>(u"PageControl1"_qs);
    QCOMPARE(pages->tabText(0), u"Communication Information"_qs);
    QCOMPARE(pages->tabText(1), u"Fatura Bilgileri"_qs);
    QVERIFY(pages->isTabVisible(0));
    QVERIFY(!pages->isTabVisible(1));

    // The fields in their tab order.
    const QStringList columns = {
        u"Ad"_qs,          u"Soyad"_qs,      u"Meslek"_qs,      u"Firma Adi"_qs,    u"Sektör"_qs, u"Alt Sektör"_qs,
        u"Is Telefonu"_qs, u"Dahili N#"_qs,  u"Ev Telefonu"_qs, u"Cep Telefonu"_qs, u"Faks"_qs,   u"Adres 1"_qs,
        u"Adres 2"_qs,     u"Posta Kodu"_qs, u"Sehir"_qs,       u"Ek Bilgi"_qs,     u"E-mail"_qs};
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    editFor(window, u"Ad"_qs)->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        if (auto* edit = qobject_cast<ui::DBEdit*>(focused))
            visited << edit->fieldName();
        else if (auto* combo = qobject_cast<ui::DBComboBox*>(focused))
            visited << combo->fieldName();
        else if (auto* inner = qobject_cast<ui::DBComboBox*>(focused->parentWidget()))
            visited << inner->fieldName();
        else
            visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, columns);
    QCOMPARE(window.findChildren<ui::DBComboBox*>().size(), 2);
    QCOMPARE(window.findChildren<ui::DBComboBox*>().first()->count(), 0); // an empty drop-down list
    QCOMPARE(window.findChildren<ui::DBComboBox*>().first()->width(), 400);
    QCOMPARE(editFor(window, u"Adres 1"_qs)->width(), 288);
    QCOMPARE(editFor(window, u"Ad"_qs)->x(), 79);
    // Every caption can be read in full beside its field.
    const auto labels = pages->widget(0)->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 16);
    for (const QLabel* label : labels)
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), qPrintable(label->text()));
}

void MainWindowTest::windowsOpenCentred_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << u"main"_qs;
    QTest::newRow("search") << u"search"_qs;
    QTest::newRow("list") << u"list"_qs;
}

// No window manager places them here, so without centring they would open at 0,0.
void MainWindowTest::windowsOpenCentred()
{
    QFETCH(QString, window);
    test::ContactFileFixture fixture;
    app::Windows windows = app::createWindows();
    QWidget* shown = window == u"main"_qs     ? static_cast<QWidget*>(windows.main.get())
                     : window == u"search"_qs ? static_cast<QWidget*>(windows.search.get())
                                              : static_cast<QWidget*>(windows.list.get());
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QRect screen = shown->screen()->availableGeometry();
    const QPoint offset = shown->frameGeometry().center() - screen.center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"%1,%2"_qs.arg(offset.x()).arg(offset.y())));
    QVERIFY(shown->x() > 0);
}

void MainWindowTest::windowsAreKeptInsideTheScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("kept");
    // The auto-mail window's place, on a 1920 x 1080 screen at twice the scale (960 x 540, less a 30-pixel panel).
    QTest::newRow("fits") << QRect(192, 109, 591, 400) << QRect(192, 109, 591, 400);
    QTest::newRow("moved up") << QRect(192, 109, 591, 480) << QRect(192, 60, 591, 480);
    QTest::newRow("moved left") << QRect(500, 109, 591, 400) << QRect(369, 109, 591, 400);
    QTest::newRow("cut to the screen") << QRect(-50, 109, 1000, 600) << QRect(0, 30, 960, 510);
}

void MainWindowTest::windowsAreKeptInsideTheScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, kept);
    QCOMPARE(ui::keptInside(frame, QRect(0, 30, 960, 510)), kept);
}

void MainWindowTest::mailHandlerErrorsReachTheErrorDisplay()
{
    test::DialogAnswers dialogs;
    app::installHandlerErrorDisplay();
    mail::reportHandlerError(u"Connection closed by the server"_qs);
    mail::setHandlerErrorSink(nullptr);
    QCOMPARE(dialogs.asked, QStringList{u"Connection closed by the server"_qs});
}

void MainWindowTest::closeRequestsAreRefused()
{
    test::ContactFileFixture fixture;
    app::Tfrmkayit window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCloseEvent event;
    QApplication::sendEvent(&window, &event);
    QVERIFY(!event.isAccepted());
}

void MainWindowTest::exitWithoutChangesEndsAtOnce()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11);
    app::Tfrmkayit window;
    window.show();
    test::DialogAnswers hook;
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>(u"BitBtn2"_qs)->click(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(hook.asked.isEmpty());
    QVERIFY(window.close()); // the close permission is now given
}

void MainWindowTest::exitAsksAboutUnsavedChanges()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Eski"_qs}});
    app::Tfrmkayit window;
    window.table()->fieldByName(u"Ad"_qs).setAsString(u"Yeni"_qs);

    {
        test::DialogAnswers hook({QMessageBox::Cancel});
        window.BitBtn2Click();
        QCOMPARE(hook.asked.size(), 1);
        QVERIFY(window.table()->isEditing()); // Cancel stays, nothing lost
        QVERIFY(!window.close());
    }
    {
        test::DialogAnswers hook({QMessageBox::Yes});
        QTimer::singleShot(0, &window, [&] { window.BitBtn2Click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(fixture.scalar(u"select [Ad] from kayit where [No] = 11"_qs).toString(), u"Yeni"_qs);
    }
}

void MainWindowTest::typingAndPostingNumbersNewRecords()
{
    test::ContactFileFixture fixture;
    app::Tfrmkayit window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* name = editFor(window, u"Ad"_qs);
    name->setFocus();
    typeInto(name, u"Şükrü"_qs);
    QCOMPARE(window.table()->state(), store::DataSetState::Insert); // typing into an empty table inserts
    auto* navigator = window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs);
    navigator->click(ui::DBNavigator::Post);
    QCOMPARE(fixture.scalar(u"select [No] from kayit where [Ad] = 'Şükrü'"_qs).toInt(), 11);

    navigator->click(ui::DBNavigator::Insert);
    QCOMPARE(name->text(), QString());
    navigator->click(ui::DBNavigator::Cancel);
    QCOMPARE(name->text(), u"Şükrü"_qs);
    navigator->click(ui::DBNavigator::Insert);
    typeInto(editFor(window, u"Soyad"_qs), u"Öz"_qs);
    navigator->click(ui::DBNavigator::First); // moving stores the changed new record
    QCOMPARE(fixture.scalar(u"select [No] from kayit where [Soyad] = 'Öz'"_qs).toInt(), 12);
}

void MainWindowTest::recordRequestShowsThePickedRecord()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(fixture.numbers(11, 40), [](int no) { return QVariantMap{{u"Ad"_qs, u"kişi %1"_qs.arg(no)}}; });
    app::Tfrmkayit window;
    window.show();
    QCOMPARE(editFor(window, u"Ad"_qs)->text(), u"kişi 11"_qs);
    window.requestRecord(27);
    QCOMPARE(window.indeks()->tag(), 1);
    QCOMPARE(window.indeks()->text(), u"27"_qs);
    QTRY_COMPARE(window.indeks()->tag(), 0); // served when the window becomes active
    QCOMPARE(editFor(window, u"Ad"_qs)->text(), u"kişi 27"_qs);
}

void MainWindowTest::recordRequestForDeletedNumberShowsTheLast()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13}, [](int no) { return QVariantMap{{u"Ad"_qs, QString::number(no)}}; });
    app::Tfrmkayit window;
    fixture.scalar(u"delete from kayit where [No] = 12"_qs);
    window.indeks()->setTag(1);
    window.indeks()->setText(u"12"_qs);
    window.FormActivate();
    QCOMPARE(window.table()->fieldByName(u"No"_qs).asInteger(), 13);
    QCOMPARE(window.indeks()->tag(), 0);
}

void MainWindowTest::activationWithoutRequestStays()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13});
    app::Tfrmkayit window;
    window.table()->next();
    window.indeks()->setText(u"11"_qs); // a caption without the waiting tag is no request
    window.FormActivate();
    QCOMPARE(window.table()->fieldByName(u"No"_qs).asInteger(), 12);
}

void MainWindowTest::pickWhileEditingStoresFirst()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13});
    app::Tfrmkayit window;
    window.table()->fieldByName(u"Sehir"_qs).setAsString(u"Muş"_qs);
    window.indeks()->setTag(1);
    window.indeks()->setText(u"13"_qs);
    window.FormActivate();
    QCOMPARE(fixture.scalar(u"select [Sehir] from kayit where [No] = 11"_qs).toString(), u"Muş"_qs);
    QCOMPARE(window.table()->fieldByName(u"No"_qs).asInteger(), 13);
}

// Focus starts on Name; every navigator key is pressed in a field, as a user types, and the position follows.
void MainWindowTest::keyboardMovesStoresAndCancels()
{
    test::ContactFileFixture fixture;
    fixture.addContacts(fixture.numbers(11, 15), [](int no) { return QVariantMap{{u"Ad"_qs, u"kişi %1"_qs.arg(no)}}; });
    app::Tfrmkayit window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* name = editFor(window, u"Ad"_qs);
    QCOMPARE(QApplication::focusWidget(), name);
    auto* position = window.findChild<QLabel*>(u"recordPosition"_qs);
    QCOMPARE(position->text(), u"1 of 5"_qs);

    struct Step {
        const char* typed; // into Name before the key
        QKeyCombination key;
        const char* name;
        const char* position;
    };
    const Step steps[] = {
        {"", Qt::CTRL | Qt::Key_End, "kişi 15", "5 of 5"},
        {"", Qt::CTRL | Qt::Key_PageUp, "kişi 14", "4 of 5"},
        {"", Qt::CTRL | Qt::Key_Home, "kişi 11", "1 of 5"},
        {"", Qt::CTRL | Qt::Key_PageDown, "kişi 12", "2 of 5"},
        {"x", Qt::Key_Escape, "kişi 12", "2 of 5"},
        {"y", Qt::Key_Return, "kişi 12y", "2 of 5"},
        {"", Qt::CTRL | Qt::Key_N, "", "new record, 5 stored"},
        {"Ümit", Qt::CTRL | Qt::Key_S, "Ümit", "6 of 6"},
    };
    for (const Step& step : steps) {
        typeInto(name, QString::fromUtf8(step.typed));
        QTest::keyClick(name, step.key.key(), step.key.keyboardModifiers());
        QCOMPARE(name->text(), QString::fromUtf8(step.name));
        QCOMPARE(position->text(), QString::fromUtf8(step.position));
    }
    QCOMPARE(window.table()->state(), store::DataSetState::Browse);
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit where [No] = 12"_qs).toString(), u"kişi 12y"_qs);
    QCOMPARE(fixture.scalar(u"select [No] from kayit where [Ad] = 'Ümit'"_qs).toInt(), 16);
}

void MainWindowTest::missingFileCanBeCreated()
{
    test::ContactFileFixture fixture(false);
    {
        test::DialogAnswers hook({QMessageBox::Yes});
        QVERIFY(app::offerNewContactFile());
        QCOMPARE(hook.asked.size(), 1);
        QVERIFY2(hook.asked.first().contains(fixture.filePath()), qPrintable(hook.asked.first()));
    }
    QCOMPARE(fixture.scalar(u"select count(*) from YAYAR"_qs).toInt(), 1);
    app::Tfrmkayit window;
    QVERIFY(window.table()->isActive());
    QVERIFY(window.table()->isEmpty());
}

void MainWindowTest::missingFileDeclinedLeavesWindowWithoutData()
{
    test::ContactFileFixture fixture(false);
    test::DialogAnswers hook({QMessageBox::No});
    QVERIFY(!app::offerNewContactFile());
    QVERIFY(!QFile::exists(fixture.filePath()));
    app::Windows windows = app::createWindows();
    // Each window that opens the file at creation reports it once; the main window comes first.
    QVERIFY(hook.asked.size() >= 2);
    QCOMPARE(hook.asked.size(), 2); // the same failure is told once
    for (const QString& message : hook.asked.mid(1))
        QCOMPARE(message, u"Could not find file '%1'."_qs.arg(fixture.filePath()));
    QVERIFY(!windows.main->table()->isActive());
    auto* navigator = windows.main->findChild<ui::DBNavigator*>(u"DBNavigator"_qs);
    for (int i = 0; i < ui::DBNavigator::ButtonCount; ++i)
        QVERIFY(!navigator->button(ui::DBNavigator::Button(i))->isEnabled());
    QVERIFY(editFor(*windows.main, u"Ad"_qs)->isReadOnly());
    QVERIFY(windows.main->findChild<QPushButton*>(u"BitBtn2"_qs)->isEnabled());
}

void MainWindowTest::foreignFileIsNamedAndUntouched()
{
    test::ContactFileFixture fixture(false);
    QDir().mkpath(fixture.folder() + u"VT"_qs);
    QFile file(fixture.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray content(8192, '\x01');
    file.write(content);
    file.close();
    test::DialogAnswers hook;
    QVERIFY(app::offerNewContactFile()); // an existing file is never replaced
    QVERIFY(hook.asked.isEmpty());
    app::Tfrmkayit window;
    QCOMPARE(hook.asked.size(), 1);
    QVERIFY(hook.asked.first().contains(fixture.filePath()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void MainWindowTest::emptyOrTablelessFileIsOfferedTheTables_data()
{
    QTest::addColumn<bool>("empty"); // or an SQLite database of another program's
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty file, tables made") << true << true;
    QTest::newRow("empty file, declined") << true << false;
    QTest::newRow("other database, tables added") << false << true;
    QTest::newRow("other database, declined") << false << false;
}

void MainWindowTest::emptyOrTablelessFileIsOfferedTheTables()
{
    QFETCH(bool, empty);
    QFETCH(bool, accepted);
    test::ContactFileFixture fixture(false);
    QDir().mkpath(fixture.folder() + u"VT"_qs);
    if (empty)
        QVERIFY(QFile(fixture.filePath()).open(QIODevice::WriteOnly));
    else
        store::execOrThrow(store::Connection::openFile(fixture.filePath(), true)->database(),
                           u"create table notes (x)"_qs);
    const QByteArray before = contentOf(fixture.filePath());

    test::DialogAnswers hook({accepted ? QMessageBox::Yes : QMessageBox::No});
    QVERIFY(app::offerNewContactFile());
    QCOMPARE(hook.asked.size(), 1);
    QVERIFY2(hook.asked.first().contains(fixture.filePath()), qPrintable(hook.asked.first()));
    app::Tfrmkayit window;
    if (accepted) {
        QCOMPARE(hook.asked.size(), 1);
        QVERIFY(window.table()->isActive());
        QCOMPARE(fixture.scalar(u"select count(*) from sqlite_master where name = 'notes'"_qs).toInt(), empty ? 0 : 1);
    } else {
        QCOMPARE(hook.asked.value(1), u"The contact file '%1' has no table kayit."_qs.arg(fixture.filePath()));
        QCOMPARE(contentOf(fixture.filePath()), before);
    }
}

void MainWindowTest::startupMeetsALockedFileOnce()
{
    test::ContactFileFixture fixture;
    OtherProgram other(fixture.filePath(), u"BEGIN EXCLUSIVE"_qs);
    const QString inUse = u"The contact file '%1' is in use by another program (database is locked).\nRetry when that "
                          "program has finished with it, or Cancel to close Corvella."_qs.arg(fixture.filePath());
    {
        test::DialogAnswers hook({QMessageBox::Cancel});
        store::ContactFileLock lock(fixture.filePath());
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!app::prepareContactFile(lock));
        QCOMPARE(hook.asked, QStringList{inUse});
        QVERIFY(waited.elapsed() < 2000);
    }
    // The other program finishes while the user reads the message: Retry goes on, and the windows open the file.
    test::DialogAnswers hook({QMessageBox::Retry});
    hook.onMessage = [&](const QString&) { other.release(); };
    store::ContactFileLock lock(fixture.filePath());
    QVERIFY(app::prepareContactFile(lock));
    QVERIFY(lock.isLocked());
    app::Windows windows = app::createWindows();
    QVERIFY(windows.main->table()->isActive());
    QCOMPARE(hook.asked, QStringList{inUse});
}

void MainWindowTest::secondCorvellaIsStopped()
{
    test::ContactFileFixture fixture;
    const QString lockFile = store::ContactFileLock::lockFilePath(fixture.filePath());
    {
        store::ContactFileLock first(fixture.filePath());
        QCOMPARE(first.tryLock(), store::ContactFileLock::Outcome::Taken);
        test::DialogAnswers hook;
        store::ContactFileLock second(fixture.filePath());
        QVERIFY(!app::prepareContactFile(second));
        QCOMPARE(hook.asked, QStringList{u"The contact file '%1' is already open in another Corvella (process %2).\n"
                                         "Go on working in that window; this one closes."_qs.arg(fixture.filePath())
                                             .arg(QCoreApplication::applicationPid())});
    }
    QVERIFY(!QFile::exists(lockFile));

    // A Corvella that ended without cleaning up leaves its lock behind; the next one takes it over.
    const pid_t child = fork();
    if (child == 0) {
        QLockFile left(lockFile);
        _exit(left.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QCOMPARE(status, 0);
    QVERIFY(QFile::exists(lockFile));
    test::DialogAnswers hook;
    store::ContactFileLock next(fixture.filePath());
    QVERIFY(app::prepareContactFile(next));
    QVERIFY(next.isLocked());
    QVERIFY(hook.asked.isEmpty());
}

void MainWindowTest::postMeetingALockAsksToRetry()
{
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"Ad"_qs, u"Eski"_qs}});
    OtherProgram other(fixture.filePath(), u"BEGIN IMMEDIATE"_qs); // it writes; reading goes on
    app::Tfrmkayit window;
    app::installBusyPrompt();
    window.table()->fieldByName(u"Ad"_qs).setAsString(u"Yeni"_qs);
    auto* navigator = window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs);
    const QStringList question{u"The contact file '%1' is in use by another program.\nRetry when that program has "
                               "finished with it, or Cancel."_qs.arg(fixture.filePath())};
    {
        test::DialogAnswers hook({QMessageBox::Cancel});
        navigator->click(ui::DBNavigator::Post);
        QCOMPARE(hook.asked, question); // Cancel shows nothing more
        QCOMPARE(window.table()->state(), store::DataSetState::Edit);
        QCOMPARE(editFor(window, u"Ad"_qs)->text(), u"Yeni"_qs);
    }
    test::DialogAnswers hook({QMessageBox::Retry});
    hook.onMessage = [&](const QString&) { other.release(); };
    navigator->click(ui::DBNavigator::Post);
    QCOMPARE(hook.asked, question);
    QCOMPARE(window.table()->state(), store::DataSetState::Browse);
    QCOMPARE(fixture.scalar(u"select [Ad] from kayit"_qs).toString(), u"Yeni"_qs);
}

void MainWindowTest::backupButtonWritesACopy()
{
    test::ContactFileFixture fixture;
    fixture.addContacts({11, 12, 13});
    app::Tfrmkayit window;
    auto* backup = window.findChild<QToolButton*>(u"backupButton"_qs);
    const QString copy = fixture.folder() + u"copy.mdb"_qs;
    {
        test::DialogAnswers hook;
        hook.files = {copy};
        backup->click();
        QCOMPARE(hook.filesAsked.size(), 1);
        QVERIFY(hook.filesAsked.first().suggestedName.startsWith(fixture.folder() + u"VT/Dorlune-"_qs));
        QCOMPARE(hook.asked,
                 QStringList{u"A copy of the contact file '%1' was written to '%2'."_qs.arg(fixture.filePath(), copy)});
    }
    {
        const auto copied = store::Connection::openFile(copy, false);
        QSqlQuery count = store::runQuery(copied->database(), u"select count(*) from kayit"_qs);
        QVERIFY(count.next());
        QCOMPARE(count.value(0).toInt(), 3);
    }

    test::DialogAnswers hook;
    hook.files = {fixture.filePath()};
    backup->click();
    QCOMPARE(hook.asked,
             QStringList{u"A backup cannot be written over the contact file '%1' itself."_qs.arg(fixture.filePath())});
}

void MainWindowTest::aboutBoxNamesProgramAndVersion()
{
    test::ContactFileFixture fixture;
    app::Windows windows = app::createWindows();
    QVERIFY(!windows.about->isVisible());
    windows.main->findChild<QToolButton*>(u"SpeedButton2"_qs)->click();
    QVERIFY(windows.about->isVisible());
    QVERIFY(!windows.about->isModal());
    QCOMPARE(windows.about->findChild<QLabel*>(u"ProductName"_qs)->text(), u"Corvella"_qs);
    QVERIFY(windows.about->findChild<QLabel*>(u"Version"_qs)->text().contains(u"5.0"_qs));
    QVERIFY(windows.about->findChild<QLabel*>(u"ContactFile"_qs)->text().contains(fixture.filePath()));
}

namespace {

/// Points the program at a server database through the settings file beside the fixture's contact file.
void configureDatabase(const test::ContactFileFixture& fixture, const QString& address)
{
    QDir().mkpath(fixture.folder() + u"VT"_qs);
    QFile settings(fixture.folder() + QString::fromLatin1(store::DatabaseSettingsName));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(address.toUtf8() + '\n');
}

} // namespace

void MainWindowTest::databaseAsksForPasswordAndTables()
{
    test::ContactFileFixture fixture(false);
    test::PostgresServer& server = test::PostgresServer::shared();
    server.createDatabase(u"office"_qs);
    const QString address = server.addPasswordRole(u"ofis"_qs, u"gizli"_qs, u"office"_qs);
    configureDatabase(fixture, address);
    app::installPasswordPrompt();
    {
        test::DialogAnswers hook({QMessageBox::Yes});
        test::DialogAnswers password(test::DialogAnswers::Inputs);
        password.inputs = {u"gizli"_qs};
        QVERIFY(app::offerNewContactFile());
        QCOMPARE(password.inputsAsked.size(), 1);
        QVERIFY(password.inputsAsked.first().hidden);
        QVERIFY2(password.inputsAsked.first().prompt.contains(address),
                 qPrintable(password.inputsAsked.first().prompt));
        QCOMPARE(hook.asked.size(), 1);
        QVERIFY2(hook.asked.first().contains(u"has no contact tables"_qs), qPrintable(hook.asked.first()));
    }
    // The windows open on it with the password typed once, which is written nowhere.
    test::DialogAnswers none;
    app::Tfrmkayit window;
    QVERIFY(window.table()->isActive());
    QVERIFY(window.table()->isEmpty());
    QVERIFY(none.inputsAsked.isEmpty() && none.asked.isEmpty());
    QCOMPARE(server.psql(u"office"_qs, u"SELECT count(*) FROM \"YAYAR rows\""_qs), u"1\n"_qs);
    QFile settings(fixture.folder() + QString::fromLatin1(store::DatabaseSettingsName));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(!settings.readAll().contains("gizli"));
}

void MainWindowTest::recordChangedByAnotherUserOffersReload_data()
{
    QTest::addColumn<bool>("reload");
    QTest::newRow("Yes: the other user's value") << true;
    QTest::newRow("No: the edit as typed") << false;
}

void MainWindowTest::recordChangedByAnotherUserOffersReload()
{
    QFETCH(bool, reload);
    test::ContactFileFixture fixture(false);
    const QString address = test::PostgresServer::shared().createDatabase(u"shared"_qs);
    configureDatabase(fixture, address);
    store::TableDataSet other;
    other.setTableName(store::tables::Contacts);
    other.setConnectionString(store::ContactConnectionString());
    store::createContactTables(store::Connection(other.connectionString()).database());
    other.open();
    other.insert();
    other.fieldByName(store::contact::RecordNumber).setValue(11);
    other.fieldByName(store::contact::City).setValue(u"İzmir"_qs);
    other.post();

    std::optional<test::DialogAnswers> opening(std::in_place);
    app::Tfrmkayit window;
    QVERIFY2(opening->asked.isEmpty(), qPrintable(opening->asked.join(u'\n')));
    opening.reset();
    QVERIFY(window.table()->isActive());
    window.table()->fieldByName(store::contact::City).setAsString(u"Bursa"_qs);
    other.fieldByName(store::contact::City).setValue(u"Edirne"_qs);
    other.post();
    test::DialogAnswers hook({reload ? QMessageBox::Yes : QMessageBox::No});
    window.findChild<ui::DBNavigator*>(u"DBNavigator"_qs)->click(ui::DBNavigator::Post);
    QCOMPARE(hook.asked.size(), 1);
    QVERIFY2(hook.asked.first().startsWith(u"Another user has changed this record since it was read. Your changes were "
                                           "not stored."_qs),
             qPrintable(hook.asked.first()));
    QCOMPARE(window.table()->isEditing(), !reload);
    QCOMPARE(window.table()->fieldByName(store::contact::City).asString(), reload ? u"Edirne"_qs : u"Bursa"_qs);
    QCOMPARE(test::PostgresServer::shared().psql(u"shared"_qs, u"SELECT \"Sehir\" FROM kayit"_qs), u"Edirne\n"_qs);
}

// A server orders a list itself: the rows are in the new order when the click returns, as before.
void MainWindowTest::databaseListSortsAsItIsAsked()
{
    test::ContactFileFixture fixture(false);
    configureDatabase(fixture, test::PostgresServer::shared().createDatabase(u"sorted"_qs));
    store::TableDataSet contacts;
    contacts.setTableName(store::tables::Contacts);
    contacts.setConnectionString(store::ContactConnectionString());
    store::createContactTables(store::Connection(contacts.connectionString()).database());
    contacts.open();
    for (const QString& surname : {u"Bora"_qs, u"Cem"_qs, u"Ada"_qs}) {
        contacts.insert();
        contacts.fieldByName(store::contact::RecordNumber).setValue(11 + contacts.recordCount());
        contacts.fieldByName(store::contact::LastName).setValue(surname);
        contacts.fieldByName(store::contact::Company).setValue(u"Kumsal"_qs);
        contacts.post();
    }
    test::DialogAnswers messages;
    app::Windows windows = app::createWindows();
    search::Tfrm_liste& list = *windows.list;
    list.showFound(u"kumsal"_qs);
    store::QueryDataSet* query = list.query();
    const int surname = query->findField(store::contact::LastName);
    const auto listed = [query, surname] {
        QStringList values;
        for (qint64 row = 0; row < query->recordCount(); ++row)
            values << query->valueAt(row, surname).toString();
        return values;
    };
    emit list.grid()->horizontalHeader()->sectionClicked(surname);
    QVERIFY(!list.isFinding());
    QCOMPARE(listed(), (QStringList{u"Ada"_qs, u"Bora"_qs, u"Cem"_qs}));
    emit list.grid()->horizontalHeader()->sectionClicked(surname);
    QCOMPARE(listed(), (QStringList{u"Cem"_qs, u"Bora"_qs, u"Ada"_qs}));
    QCOMPARE(list.grid()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(list.grid()->columnTitle(4), u"Surname"_qs);
    QCOMPARE(messages.asked, QStringList());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
