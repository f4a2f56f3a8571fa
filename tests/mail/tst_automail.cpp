#include "ContactFileFixture.h"
#include "DialogAnswers.h"
#include "MailServers.h"

#include "mail/TNMSMTP.h"
#include "mail/ui/MailRunLog.h"
#include "mail/ui/Tfrm_automail.h"
#include "search/MailList.h"
#include "search/Tfrm_liste.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSslCertificate>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;

namespace {

QStringList addresses(int count, const QString& prefix = u"user"_qs)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << prefix + QString::number(i) + u"@example.test"_qs;
    return list;
}

/// An auto-mail window on a contact file whose maillist holds the given rows, filled in to send to `port`; its
/// message boxes are answered by `log`.
struct MailWindow {
    test::DialogAnswers log{test::DialogAnswers::Messages}; // outlives the window
    test::ContactFileFixture fixture;
    std::unique_ptr<mail::Tfrm_automail> window;
    int connects = 0;
    int disconnects = 0;

    MailWindow(const QStringList& rows, quint16 port, const QString& batch = u"200"_qs)
    {
        if (!rows.isEmpty()) {
            QStringList values;
            for (const QString& row : rows)
                values << u"('"_qs + row + u"')"_qs;
            fixture.scalar(u"insert into maillist values "_qs + values.join(u','));
        }
        window = std::make_unique<mail::Tfrm_automail>();
        edit(u"Edit1"_qs)->setText(u"127.0.0.1"_qs);
        edit(u"Edit2"_qs)->setText(QString::number(port));
        edit(u"Edit4"_qs)->setText(u"client.test"_qs);
        edit(u"Edit5"_qs)->setText(u"Sender"_qs);
        edit(u"Edit6"_qs)->setText(u"sender@example.test"_qs);
        edit(u"Edit3"_qs)->setText(batch);
        edit(u"Edit10"_qs)->setText(u"News"_qs);
        window->findChild<QPlainTextEdit*>(u"Memo1"_qs)->setPlainText(u"Hello\nall"_qs);
        mail::TNMSMTP& smtp = *window->mailer();
        smtp.OnConnect = [this, shown = smtp.OnConnect](mail::TPowersock& sender) {
            ++connects;
            shown(sender);
        };
        smtp.OnDisconnect = [this, shown = smtp.OnDisconnect](mail::TPowersock& sender) {
            ++disconnects;
            shown(sender);
        };
        window->show();
    }

    QLineEdit* edit(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    QComboBox* formats() const { return window->findChild<QComboBox*>(u"ComboBox1"_qs); }
    int progress() const { return window->findChild<QProgressBar*>(u"ProgressBar1"_qs)->value(); }
    QString status() const { return window->findChild<QStatusBar*>(u"StatusBar1"_qs)->currentMessage(); }
    void send() const { window->findChild<QPushButton*>(u"Button9"_qs)->click(); }
    void attach(const QString& path) const
    {
        test::DialogAnswers chooser(test::DialogAnswers::Files);
        chooser.files = {path};
        window->findChild<QPushButton*>(u"Button4"_qs)->click();
    }
    QComboBox* security() const { return window->findChild<QComboBox*>(u"ComboBox2"_qs); }
    QPushButton* button(const QString& name) const { return window->findChild<QPushButton*>(name); }
    /// "row outcome batch" of each row of the window's last run, from the contact file.
    QString runLog()
    {
        return fixture
            .scalar(u"select group_concat(row || ' ' || outcome || ' ' || batch, '|') from (select * from "_qs +
                    mail::MailRunLog::RowsTable + u" order by run, row)"_qs)
            .toString();
    }
    bool runFieldsEnabled() const { return edit(u"Edit3"_qs)->isEnabled() && formats()->isEnabled(); }
};

/// The question asked before every run of a non-empty list, which the fixture's log answers OK.
QString runQuestion(int addresses, int batches, int batchSize)
{
    return u"The message will be sent to %1 addresses in %2 mails of at most %3 addresses each. Start sending?"_qs
        .arg(addresses)
        .arg(batches)
        .arg(batchSize);
}

} // namespace

class AutoMailTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Remembered connection fields go to this folder, not the user's.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        m_port = m_server.start();
        QVERIFY2(m_port != 0, qPrintable(m_server.error()));
    }
    void init() { m_before = m_server.messageCount(); }

    void batchesCarryTheSameMessage();
    void emptyListFinishesWithoutConnecting();
    void missingFieldFocusesIt();
    void badBatchSizeSendsNothing_data();
    void badBatchSizeSendsNothing();
    void richTextFormat();
    void errorMidRunReportsTheCount();
    void clearAsksTwiceAndKeepsTheServer();
    void kapatFreesTheWindow();
    void listWindowFillsMailList();
    void securityChoiceSetsThePort();
    void encryptedLoginWithFingerprintPrompt();
    void loginNeedsEncryptionOrConsent();
    void reportLogAndResumeAfterADrop();
    void stoppedRunEndsWithQuit();
    void bodyReadsAsTyped_data();
    void bodyReadsAsTyped();
    void testSendAndUnsubscribe();
    void connectionFieldsAreRememberedWithoutThePassword();

private:
    QJsonObject message(int n) const { return m_server.message(m_before + n); }
    int messages() const { return m_server.messageCount() - m_before; }

    QTemporaryDir m_config;
    RecordingSmtpServer m_server;
    quint16 m_port = 0;
    int m_before = 0;
};

void AutoMailTest::batchesCarryTheSameMessage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"price list.txt"_qs);
    QVERIFY(writeFile(path, "prices\r\n"));

    const QStringList all = addresses(450);
    MailWindow w(all, m_port);
    w.attach(path);
    w.send();

    QCOMPARE(w.log.asked, (QStringList{runQuestion(450, 3, 200), u"Gönderme tamamlandı..."_qs}));
    QCOMPARE(w.connects, 3);
    QCOMPARE(w.disconnects, 3);
    QCOMPARE(messages(), 3);
    const int sizes[] = {200, 200, 50};
    int offset = 0;
    for (int n = 1; n <= 3; ++n) {
        const QJsonObject m = message(n);
        // The sender's own address is the visible recipient and the first RCPT of every batch.
        QCOMPARE(strings(m[u"rcpt_tos"_qs]), QStringList{u"sender@example.test"_qs} + all.mid(offset, sizes[n - 1]));
        offset += sizes[n - 1];
        QCOMPARE(m[u"to"_qs].toString(), u"sender@example.test"_qs);
        QVERIFY(!m[u"raw"_qs].toString().contains(u"user1@"_qs));
        const QJsonArray parts = m[u"parts"_qs].toArray();
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts[0][u"text"_qs].toString(), u"Hello\nall"_qs);
        QCOMPARE(parts[1][u"filename"_qs].toString(), u"price list.txt"_qs);
        QCOMPARE(QByteArray::fromBase64(parts[1][u"payload"_qs].toString().toLatin1()), QByteArray("prices\r\n"));
    }
    QCOMPARE(w.progress(), 100);
    QVERIFY(w.runFieldsEnabled());
}

void AutoMailTest::emptyListFinishesWithoutConnecting()
{
    MailWindow w({}, m_port);
    w.send();
    QCOMPARE(w.log.asked, QStringList{u"Gönderme tamamlandı..."_qs});
    QCOMPARE(w.connects, 0);
    QCOMPARE(messages(), 0);
}

void AutoMailTest::missingFieldFocusesIt()
{
    MailWindow w(addresses(2), m_port);
    auto* pages = w.window->findChild<QTabWidget*>(u"PageControl1"_qs);
    pages->setCurrentIndex(1);
    w.edit(u"Edit1"_qs)->setText(u"  "_qs);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.send();
    QCOMPARE(pages->currentWidget()->objectName(), u"TabSheet1"_qs);
    QTRY_VERIFY(w.edit(u"Edit1"_qs)->hasFocus());
    QCOMPARE(w.log.asked, QStringList{u"Fill in the field \"Mail Server\" on the page \"Connection Info\"."_qs});
    QCOMPARE(w.connects, 0);
    QVERIFY(w.runFieldsEnabled());

    w.edit(u"Edit1"_qs)->setText(u"127.0.0.1"_qs);
    w.edit(u"Edit6"_qs)->clear();
    w.send();
    QTRY_VERIFY(w.edit(u"Edit6"_qs)->hasFocus());
    QCOMPARE(w.log.asked.last(), u"Fill in the field \"e-mail\" on the page \"Connection Info\"."_qs);
    QCOMPARE(messages(), 0);
}

void AutoMailTest::badBatchSizeSendsNothing_data()
{
    QTest::addColumn<QString>("batch");
    QTest::newRow("empty") << QString();
    QTest::newRow("zero") << u"0"_qs;
    QTest::newRow("not a number") << u"2x"_qs;
    QTest::newRow("negative") << u"-5"_qs;
}

void AutoMailTest::badBatchSizeSendsNothing()
{
    QFETCH(QString, batch);
    MailWindow w(addresses(3), m_port, batch);
    w.send();
    QCOMPARE(w.log.asked.size(), 1);
    QVERIFY(w.log.asked.first().startsWith(u"Max."_qs));
    QCOMPARE(w.connects, 0);
    QCOMPARE(messages(), 0);
    QVERIFY(w.runFieldsEnabled());
}

void AutoMailTest::richTextFormat()
{
    MailWindow w({u"a@x.test"_qs}, m_port);
    QCOMPARE(w.formats()->currentIndex(), -1);
    QCOMPARE(w.window->mailer()->SubType(), mail::TSubType::mtHtml);
    w.formats()->setCurrentIndex(2);
    emit w.formats()->activated(2);
    w.send();
    QCOMPARE(messages(), 1);
    QVERIFY(message(1)[u"raw"_qs].toString().contains(u"Content-Type: text/enriched; charset=us-ascii\r\n"_qs));
    QCOMPARE(message(1)[u"raw"_qs].toString().count(u"Content-Type:"_qs), 1);
}

void AutoMailTest::errorMidRunReportsTheCount()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"note.txt"_qs);
    QVERIFY(writeFile(path, "note"));

    MailWindow w(addresses(5), m_port, u"2"_qs);
    w.attach(path);
    mail::TNMSMTP& smtp = *w.window->mailer();
    // The attachment disappears once the first batch has gone: the second cannot be composed.
    smtp.OnSuccess = [&, shown = smtp.OnSuccess](mail::TPowersock& sender) {
        QFile::remove(path);
        shown(sender);
    };
    w.send();

    QCOMPARE(messages(), 1);
    QCOMPARE(w.log.asked.size(), 2);
    QCOMPARE(w.log.asked.first(), runQuestion(5, 3, 2));
    QVERIFY2(w.log.asked.last().contains(u"Cannot open file"_qs), qPrintable(w.log.asked.last()));
    QVERIFY(w.runFieldsEnabled());
    QCOMPARE(w.status(), u"HATA !!! Gönderme durdu: 2 adrese gönderildi."_qs);
    QCOMPARE(w.progress(), 60); // the third row was counted; the fourth completed the batch that failed
    QVERIFY(!smtp.LinkOpen());
    QVERIFY(!w.window->running());
}

void AutoMailTest::clearAsksTwiceAndKeepsTheServer()
{
    MailWindow w({}, m_port);
    auto* memo = w.window->findChild<QPlainTextEdit*>(u"Memo1"_qs);
    auto* clear = w.window->findChild<QPushButton*>(u"Button8"_qs);

    w.log.buttons = {QMessageBox::Yes, QMessageBox::No};
    clear->click();
    QCOMPARE(w.log.asked, (QStringList{u"Tüm metni temizlemek istediginizden emin misiniz ?"_qs,
                                       u"Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?"_qs}));
    QCOMPARE(memo->toPlainText(), u"Hello\nall"_qs);

    w.log.asked.clear();
    w.log.buttons = {QMessageBox::No};
    clear->click();
    QCOMPARE(w.log.asked.size(), 1);
    QCOMPARE(memo->toPlainText(), u"Hello\nall"_qs);

    w.log.buttons = {QMessageBox::Yes, QMessageBox::Yes};
    clear->click();
    QVERIFY(memo->toPlainText().isEmpty());
    QCOMPARE(w.edit(u"Edit1"_qs)->text(), u"127.0.0.1"_qs);
}

void AutoMailTest::kapatFreesTheWindow()
{
    MailWindow w({}, m_port);
    QPointer<mail::Tfrm_automail> window = w.window.release();
    window->findChild<QPushButton*>(u"BitBtn2"_qs)->click();
    QTRY_VERIFY(window.isNull());
    QVERIFY(w.log.asked.isEmpty());
}

void AutoMailTest::listWindowFillsMailList()
{
    test::DialogAnswers log(test::DialogAnswers::Messages);
    test::ContactFileFixture fixture;
    fixture.addContact(11, {{u"E-mail"_qs, u"a@x.test"_qs}});
    fixture.addContact(12, {});
    fixture.addContact(13, {{u"E-mail"_qs, u" b@x.test"_qs}});
    fixture.scalar(u"insert into maillist values ('stale@x.test')"_qs);

    search::Tfrm_liste list;
    store::QueryDataSet& query = *list.query();
    query.setSql({u"select [NO], [e-mail] from kayit order by [NO] desc"_qs});
    query.open();
    query.moveTo(2);
    list.mailButton()->click();

    QVERIFY(log.asked.isEmpty());
    QCOMPARE(fixture.scalar(u"select group_concat([e-mail], '|') from maillist"_qs).toString(),
             u" b@x.test||a@x.test"_qs);
    QCOMPARE(query.recNo(), 0);
    auto* automail = list.findChild<mail::Tfrm_automail*>();
    QVERIFY(automail);
    QVERIFY(automail->isVisible());
    QCOMPARE(automail->edit7()->text(), u"Auto-Mail To List"_qs);
    QVERIFY(!automail->edit7()->isEnabled());

    // A second press replaces the list and opens another window.
    query.close();
    query.setSql({u"select [e-mail] from kayit where [NO] = 11"_qs});
    query.open();
    list.mailButton()->click();
    QCOMPARE(fixture.scalar(u"select group_concat([e-mail], '|') from maillist"_qs).toString(), u"a@x.test"_qs);
    QCOMPARE(list.findChildren<mail::Tfrm_automail*>().size(), 2);
}

void AutoMailTest::securityChoiceSetsThePort()
{
    MailWindow w({}, 25);
    QComboBox* security = w.security();
    QLineEdit* port = w.edit(u"Edit2"_qs);
    QCOMPARE(security->count(), 3);
    QCOMPARE(security->itemText(0), u"None"_qs);
    QCOMPARE(security->itemText(1), u"STARTTLS"_qs);
    QCOMPARE(security->itemText(2), u"SSL/TLS"_qs);
    QCOMPARE(security->currentIndex(), 0);
    QCOMPARE(w.edit(u"Edit8"_qs)->echoMode(), QLineEdit::Password);

    security->setCurrentIndex(1);
    QCOMPARE(port->text(), u"587"_qs);
    security->setCurrentIndex(2);
    QCOMPARE(port->text(), u"465"_qs);
    security->setCurrentIndex(0);
    QCOMPARE(port->text(), u"25"_qs);

    // A port the user typed stays whatever the choice ...
    port->selectAll();
    QTest::keyClicks(port, u"2525"_qs);
    security->setCurrentIndex(1);
    QCOMPARE(port->text(), u"2525"_qs);
    // ... until the user empties the field.
    port->selectAll();
    QTest::keyClick(port, Qt::Key_Backspace);
    security->setCurrentIndex(2);
    QCOMPARE(port->text(), u"465"_qs);
}

void AutoMailTest::encryptedLoginWithFingerprintPrompt()
{
    SelfSignedCertificate certificate;
    QVERIFY2(certificate.create(), qPrintable(certificate.error()));
    const QString fingerprint = QString::fromLatin1(QSslCertificate::fromPath(certificate.certificatePath())
                                                        .value(0)
                                                        .digest(QCryptographicHash::Sha256)
                                                        .toHex(':')
                                                        .toUpper());
    RecordingSmtpServer server;
    const quint16 port = server.start({u"--login"_qs, u"client.test"_qs, u"pa55 word"_qs, u"--starttls"_qs,
                                       certificate.certificatePath(), certificate.keyPath()});
    QVERIFY2(port != 0, qPrintable(server.error()));

    MailWindow w(addresses(3), port, u"2"_qs);
    w.edit(u"Edit1"_qs)->setText(u"localhost"_qs); // the name the certificate is made out to
    w.security()->setCurrentIndex(1);
    w.edit(u"Edit2"_qs)->setText(QString::number(port));
    w.edit(u"Edit8"_qs)->setText(u"pa55 word"_qs);
    QStringList statuses;
    mail::TNMSMTP& smtp = *w.window->mailer();
    smtp.OnStatus = [&](mail::TPowersock&, const QString& status) { statuses << status; };
    smtp.SetReportLevel(8);
    connect(w.window->findChild<QStatusBar*>(), &QStatusBar::messageChanged, this,
            [&](const QString& text) { statuses << text; });

    // Refused: the run stops with the reason, and nothing went to the server.
    w.log.buttons = {QMessageBox::Ok, QMessageBox::No};
    w.send();
    QCOMPARE(w.log.asked.size(), 3);
    QCOMPARE(w.log.asked.at(0), runQuestion(3, 2, 2));
    QVERIFY2(w.log.asked.at(1).contains(fingerprint), qPrintable(w.log.asked.at(1)));
    QVERIFY2(w.log.asked.at(1).contains(u"self-signed"_qs, Qt::CaseInsensitive), qPrintable(w.log.asked.at(1)));
    QVERIFY2(w.log.asked.at(2).startsWith(u"TLS handshake failed"_qs), qPrintable(w.log.asked.at(2)));
    QCOMPARE(server.messageCount(), 0);
    QCOMPARE(server.commands(1), QStringList({u"EHLO client.test"_qs, u"STARTTLS"_qs}));

    // Accepted: both batches go over TLS, logged in.
    w.log.asked.clear();
    w.log.buttons = {QMessageBox::Ok, QMessageBox::Yes};
    w.send();
    QCOMPARE(w.log.asked.size(), 3);
    QVERIFY(w.log.asked.at(1).contains(fingerprint));
    QCOMPARE(w.log.asked.at(2), u"Gönderme tamamlandı..."_qs);
    QCOMPARE(server.messageCount(), 2);
    for (int n = 1; n <= 2; ++n) {
        QCOMPARE(server.message(n)[u"tls"_qs].toBool(), true);
        QCOMPARE(server.message(n)[u"login"_qs].toString(), u"client.test"_qs);
    }
    QCOMPARE(strings(server.message(2)[u"rcpt_tos"_qs]),
             (QStringList{u"sender@example.test"_qs, u"user3@example.test"_qs}));

    // The trust lasted for that sending only: the next one asks again.
    w.log.asked.clear();
    w.log.buttons = {QMessageBox::Ok, QMessageBox::No};
    w.send();
    QVERIFY2(w.log.asked.size() > 1 && w.log.asked.at(1).contains(fingerprint), qPrintable(w.log.asked.join(u"|"_qs)));
    QCOMPARE(server.messageCount(), 2);

    const QString seen = statuses.join(u'|') + w.log.asked.join(u'|');
    QVERIFY(!seen.contains(u"pa55"_qs));
    QVERIFY(!seen.contains(QString::fromLatin1(QByteArray("\0client.test\0pa55 word", 22).toBase64())));
}

void AutoMailTest::loginNeedsEncryptionOrConsent()
{
    RecordingSmtpServer server;
    const quint16 port = server.start({u"--login"_qs, u"client.test"_qs, u"pw"_qs, u"--plain-text-login"_qs});
    QVERIFY2(port != 0, qPrintable(server.error()));
    MailWindow w(addresses(1), port);
    w.edit(u"Edit8"_qs)->setText(u"pw"_qs);
    w.send();
    QCOMPARE(w.log.asked,
             (QStringList{runQuestion(1, 1, 200), u"Login refused: the password would travel unencrypted"_qs}));
    QCOMPARE(server.messageCount(), 0);

    w.log.asked.clear();
    w.window->findChild<QCheckBox*>(u"CheckBox1"_qs)->setChecked(true);
    w.send();
    QCOMPARE(w.log.asked, (QStringList{runQuestion(1, 1, 200), u"Gönderme tamamlandı..."_qs}));
    QCOMPARE(server.messageCount(), 1);
    QCOMPARE(server.message(1)[u"login"_qs].toString(), u"client.test"_qs);
    QCOMPARE(server.message(1)[u"tls"_qs].toBool(), false);
}

void AutoMailTest::reportLogAndResumeAfterADrop()
{
    RecordingSmtpServer server;
    const quint16 port = server.start({u"--drop-after"_qs, u"1"_qs});
    QVERIFY2(port != 0, qPrintable(server.error()));
    QTemporaryDir dir;
    const QString csv = dir.filePath(u"details.csv"_qs);
    const QString crlf = u"bad\r\nx@example.test"_qs;
    MailWindow w({u"user1@example.test"_qs, u"refused1@example.test"_qs, QString(), crlf, u"user2@example.test"_qs,
                  u"user3@example.test"_qs, u"user4@example.test"_qs},
                 port, u"2"_qs);
    w.fixture.addContact(21, {{u"Ad"_qs, u"Ada"_qs}, {u"Soyad"_qs, u"Kaya"_qs}, {u"E-mail"_qs, crlf}});
    test::DialogAnswers chooser(test::DialogAnswers::Files);
    chooser.files = {csv};
    w.log.buttons = {QMessageBox::Ok, QMessageBox::Save};

    // The second batch is dropped after its final dot: it counts as not sent, like the rows never reached.
    w.send();
    QCOMPARE(w.log.messagesAsked.size(), 2);
    QCOMPARE(w.log.messagesAsked.first().text, runQuestion(7, 4, 2));
    const ui::MessageRequest report = w.log.messagesAsked.last();
    QVERIFY2(report.text.startsWith(u"The server closed the connection during DATA ("_qs), qPrintable(report.text));
    QCOMPARE(report.informativeText, u"1 accepted, 1 refused, 2 skipped, 3 not sent."_qs);
    const QString refusal = u"550 5.1.1 <refused1@example.test>: Recipient address rejected"_qs;
    const QString control = u"The address holds a line break or another control character"_qs;
    QCOMPARE(report.detailedText.split(u'\n'),
             (QStringList{u"2: refused1@example.test (refused) "_qs + refusal, u"3:  (skipped) No address"_qs,
                          u"4: bad x@example.test (skipped) "_qs + control + u" [No 21: Ada Kaya]"_qs}));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()),
             u"row,address,contact,outcome,reason\r\n2,refused1@example.test,,refused,"_qs + refusal +
                 u"\r\n3,,,skipped,No address\r\n4,\"bad\r\nx@example.test\",No 21: Ada Kaya,skipped,"_qs + control +
                 u"\r\n"_qs);
    QCOMPARE(w.runLog(), u"1 accepted 1|2 refused 1|3 skipped 0|4 skipped 0|5 not sent 2|6 not sent 2|7 not sent 0"_qs);
    QCOMPARE(w.status(), u"HATA !!! Gönderme durdu: 1 adrese gönderildi."_qs);
    QVERIFY(w.button(u"Button10"_qs)->isEnabled());

    // Resume mails the rest in new batches, numbered on; the address taken before is not mailed again.
    w.log.messagesAsked.clear();
    w.button(u"Button10"_qs)->click();
    QCOMPARE(w.log.messagesAsked.size(), 1);
    QCOMPARE(w.log.messagesAsked.first().text, u"Gönderme tamamlandı..."_qs);
    QCOMPARE(w.log.messagesAsked.first().informativeText, u"4 accepted, 1 refused, 2 skipped, 0 not sent."_qs);
    QCOMPARE(w.status(), w.log.messagesAsked.first().informativeText);
    QCOMPARE(w.progress(), 100);
    QCOMPARE(w.runLog(), u"1 accepted 1|2 refused 3|3 skipped 0|4 skipped 0|5 accepted 3|6 accepted 4|7 accepted 4"_qs);
    QCOMPARE(w.fixture.scalar(u"select count(*) from "_qs + mail::MailRunLog::RunsTable).toInt(), 1);
    QStringList mailed;
    for (int n = 1; n <= server.messageCount(); ++n)
        mailed += strings(server.message(n)[u"rcpt_tos"_qs]).mid(1); // after the sender's own address
    QCOMPARE(mailed, (QStringList{u"user1@example.test"_qs, u"user2@example.test"_qs, u"user3@example.test"_qs,
                                  u"user4@example.test"_qs}));
}

void AutoMailTest::stoppedRunEndsWithQuit()
{
    MailWindow w(addresses(5), m_port, u"2"_qs);
    QPointer<mail::Tfrm_automail> window = w.window.release();
    mail::TNMSMTP& smtp = *window->mailer();
    // "&Kapat" while the first batch waits for its reply: that batch ends, the rest stay unsent.
    smtp.OnSendStart = [&](mail::TPowersock&) { window->findChild<QPushButton*>(u"BitBtn2"_qs)->click(); };
    window->findChild<QPushButton*>(u"Button9"_qs)->click();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(w.log.asked, QStringList{runQuestion(5, 3, 2)});
    QCOMPARE(messages(), 1);
    QCOMPARE(m_server.commands(m_server.sessionCount()).last(), u"QUIT"_qs);
    QCOMPARE(w.runLog(), u"1 accepted 1|2 accepted 1|3 not sent 0|4 not sent 0|5 not sent 0"_qs);
}

void AutoMailTest::bodyReadsAsTyped_data()
{
    QTest::addColumn<int>("format"); // -1: none picked
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("text"); // after the empty line that opens every body
    const QString typed = u"Line one\n.\nLine three"_qs;
    QTest::newRow("HTML by default, typed text")
        << -1 << typed << u"text/html"_qs << u"\nLine one<br>\n.<br>\nLine three\n"_qs;
    QTest::newRow("HTML, characters escaped")
        << 1 << u"a < b & c > d"_qs << u"text/html"_qs << u"\na &lt; b &amp; c &gt; d\n"_qs;
    QTest::newRow("HTML, markup as typed")
        << 1 << u"<p>Hello</p>\n<p>all</p>"_qs << u"text/html"_qs << u"\n<p>Hello</p>\n<p>all</p>\n"_qs;
    QTest::newRow("plain text") << 0 << typed << u"text/plain"_qs << u"\n"_qs + typed + u"\n"_qs;
}

void AutoMailTest::bodyReadsAsTyped()
{
    QFETCH(int, format);
    QFETCH(QString, body);
    QFETCH(QString, contentType);
    QFETCH(QString, text);
    MailWindow w({u"a@x.test"_qs}, m_port);
    if (format >= 0) {
        w.formats()->setCurrentIndex(format);
        emit w.formats()->activated(format);
    }
    w.window->findChild<QPlainTextEdit*>(u"Memo1"_qs)->setPlainText(body);
    w.send();
    QCOMPARE(messages(), 1);
    const QJsonObject part = message(1)[u"parts"_qs].toArray().at(0).toObject();
    QCOMPARE(part[u"content_type"_qs].toString(), contentType);
    QCOMPARE(part[u"text"_qs].toString(), text);
}

void AutoMailTest::testSendAndUnsubscribe()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"note.txt"_qs);
    QVERIFY(writeFile(path, "note"));
    MailWindow w(addresses(3), m_port);
    w.attach(path);
    QLineEdit* unsubscribe = w.edit(u"Edit9"_qs);

    // The test goes to the sender alone, as a batch would look: the attachment and the unsubscribe headers.
    unsubscribe->setText(u"https://example.test/leave?id=7"_qs);
    w.button(u"Button11"_qs)->click();
    QVERIFY(w.log.asked.isEmpty());
    QCOMPARE(messages(), 1);
    QCOMPARE(strings(message(1)[u"rcpt_tos"_qs]), QStringList{u"sender@example.test"_qs});
    QCOMPARE(message(1)[u"to"_qs].toString(), u"sender@example.test"_qs);
    QCOMPARE(message(1)[u"parts"_qs].toArray().size(), 2);
    const QString raw = message(1)[u"raw"_qs].toString();
    QVERIFY(raw.contains(u"\r\nList-Unsubscribe: <https://example.test/leave?id=7>\r\n"_qs));
    QVERIFY(raw.contains(u"\r\nList-Unsubscribe-Post: List-Unsubscribe=One-Click\r\n"_qs));
    QCOMPARE(w.status(), u"A test message went to sender@example.test."_qs);
    QVERIFY(!w.window->runLog()); // a test is no run

    // A mailto: address has no one-click form.
    unsubscribe->setText(u"mailto:leave@example.test"_qs);
    w.send();
    QCOMPARE(w.log.asked, (QStringList{runQuestion(3, 1, 200), u"Gönderme tamamlandı..."_qs}));
    QCOMPARE(messages(), 2);
    const QString listRaw = message(2)[u"raw"_qs].toString();
    QVERIFY(listRaw.contains(u"\r\nList-Unsubscribe: <mailto:leave@example.test>\r\n"_qs));
    QVERIFY(!listRaw.contains(u"List-Unsubscribe-Post"_qs));

    w.log.asked.clear();
    unsubscribe->setText(u"www.example.test/leave"_qs);
    w.button(u"Button11"_qs)->click();
    QCOMPARE(w.log.asked.size(), 1);
    QVERIFY2(w.log.asked.first().startsWith(u"The unsubscribe address must begin with mailto: or https://"_qs),
             qPrintable(w.log.asked.first()));
    QCOMPARE(messages(), 2);
}

void AutoMailTest::connectionFieldsAreRememberedWithoutThePassword()
{
    const QString password = u"s3cret-Şifre"_qs;
    {
        MailWindow w(addresses(2), m_port);
        w.security()->setCurrentIndex(2);
        w.edit(u"Edit2"_qs)->setText(u"2465"_qs);
        w.edit(u"Edit8"_qs)->setText(password);
        w.edit(u"Edit9"_qs)->setText(u"mailto:leave@example.test"_qs);
        w.log.buttons = {QMessageBox::Cancel};
        w.send(); // declined at the question: nothing is mailed, but the fields were checked and are kept
        QCOMPARE(w.log.asked, QStringList{runQuestion(2, 1, 200)});
        QCOMPARE(w.connects, 0);
        QCOMPARE(messages(), 0);

        mail::Tfrm_automail again; // the same contact file
        const auto text = [&again](const char* name) {
            return again.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("Edit1"), u"127.0.0.1"_qs);
        QCOMPARE(again.findChild<QComboBox*>(u"ComboBox2"_qs)->currentIndex(), 2);
        QCOMPARE(text("Edit2"), u"2465"_qs);
        QCOMPARE(text("Edit4"), u"client.test"_qs);
        QCOMPARE(text("Edit5"), u"Sender"_qs);
        QCOMPARE(text("Edit6"), u"sender@example.test"_qs);
        QCOMPARE(text("Edit9"), u"mailto:leave@example.test"_qs);
        QCOMPARE(text("Edit8"), QString());
    }
    {
        MailWindow other({}, m_port); // another contact file starts from the defaults
        mail::Tfrm_automail fresh;
        QCOMPARE(fresh.findChild<QLineEdit*>(u"Edit1"_qs)->text(), QString());
        QCOMPARE(fresh.findChild<QLineEdit*>(u"Edit2"_qs)->text(), u"25"_qs);
    }
    QFile stored(m_config.filePath(u"Corvella/Corvella.conf"_qs));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray content = stored.readAll();
    QVERIFY(content.contains("sender@example.test"));
    QVERIFY(!content.contains("s3cret"));
    QVERIFY(!content.contains(password.toUtf8().toPercentEncoding()));
}

QTEST_MAIN(AutoMailTest)
#include "tst_automail.moc"
