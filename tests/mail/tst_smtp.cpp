#include "ErrorOf.h"
#include "MailServers.h"
#include "ScriptedTransport.h"

#include "mail/MimeText.h"
#include "mail/TNMSMTP.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace corvella;
using namespace corvella::mail;
using corvella::test::errorOf;

namespace {

void simpleMessage(TPostMessage& m)
{
    m.FromName = u"Ali"_qs;
    m.FromAddress = u"ali@example.com"_qs;
    m.ToAddress = QStringList{u"veli@example.com"_qs};
    m.Subject = u"Hello"_qs;
    m.Body = QStringList{u"Just a line."_qs};
}

/// A client holding the simple message, for the real servers.
struct SimpleSmtp : TNMSMTP {
    SimpleSmtp() { simpleMessage(PostMessage()); }
};

/// An SMTP client over a scripted server, holding the simple message; the transport stays readable after the client
/// took it over. The client's outcome events are counted.
struct Scripted {
    explicit Scripted(QByteArrayList replies, QByteArray greeting = "220 ready\r\n")
    {
        auto owned = std::make_unique<ScriptedTransport>(std::move(greeting), std::move(replies));
        transport = owned.get();
        smtp = std::make_unique<TNMSMTP>(std::move(owned));
        smtp->SetHost(u"127.0.0.1"_qs);
        smtp->SetUserID(u"corvella"_qs);
        simpleMessage(smtp->PostMessage());
        smtp->OnRecipientNotFound = [this](TPowersock&, const QString& entry) { refused << entry; };
        smtp->OnSuccess = [this](TPowersock&) { ++successes; };
        smtp->OnFailure = [this](TPowersock&) { ++failures; };
    }
    Q_DISABLE_COPY_MOVE(Scripted)

    /// Connects, sends the message and says QUIT.
    void sendAndQuit()
    {
        smtp->Connect();
        smtp->SendMail();
        smtp->Disconnect();
    }

    ScriptedTransport* transport;
    std::unique_ptr<TNMSMTP> smtp;
    QStringList refused;
    int successes = 0;
    int failures = 0;
};

QByteArrayList acceptAll(int recipients)
{
    QByteArrayList replies = {"250 hello\r\n", "250 reset\r\n", "250 sender ok\r\n"};
    for (int i = 0; i < recipients; ++i)
        replies << "250 recipient ok\r\n";
    replies << "354 go ahead\r\n"
            << "250 queued\r\n"
            << "221 bye\r\n";
    return replies;
}

/// Points the client at a local test server.
void aim(TNMSMTP& smtp, quint16 port, int timeOutMs = 5000)
{
    smtp.SetHost(u"127.0.0.1"_qs);
    smtp.SetPort(port);
    smtp.SetUserID(u"corvella.test"_qs);
    smtp.SetTimeOut(timeOutMs);
}

/// EHLO (a password makes the session extended) announcing `extensions`, then a plain-text login.
QByteArrayList extendedSession(const QByteArray& extensions)
{
    return {"250-mail.test\r\n" + extensions + "250 AUTH PLAIN\r\n", "235 2.7.0 Authentication successful\r\n"};
}

void loginWithoutTls(TNMSMTP& smtp, const QString& password = u"secret"_qs)
{
    smtp.SetPassword(password);
    smtp.SetAllowPlainTextLogin(true);
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

} // namespace

class SmtpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // scripted server
    void dialogueAsTheServerSeesIt();
    void multiLineRepliesStayInStep();
    void ehloKeepsTheAnnouncedExtensions();
    void ehloRefusedFallsBackToHelo();
    void loginMethodChosen_data();
    void loginMethodChosen();
    void refusedLoginStopsWithTheServersLine();
    void pipelinedEnvelopeGoesInOneWrite();
    void refusedSenderWhilePipelinedKeepsStep();
    void tooManyRecipientsGoInTheNextTransaction();
    void tooManyRecipientsWithNoneTakenStops();
    void messageOverTheAnnouncedSizeIsNotSent();
    void noLoginOverPlainTextUnlessAllowed();
    void missingStartTlsStopsBeforeAnythingElse();
    void linesSmuggledBeforeTlsAreRefused();
    void transportWithoutTlsSendsNothingMore();
    void dateInRfc5322Form_data();
    void dateInRfc5322Form();
    void everyMessageGetsItsOwnMessageId();
    void datesAndIdsGivenByTheCallerAreKept();
    void repliesThatAnswerNothing_data();
    void repliesThatAnswerNothing();
    void lineBreaksAreRefusedBeforeAnythingIsSent_data();
    void lineBreaksAreRefusedBeforeAnythingIsSent();
    void userIdWithLineBreakIsRefusedBeforeConnecting();
    void bodyLinesCannotEndTheMessage();
    void busyFlagKeepsOneOperationAtATime();
    void headerCheck_data();
    void headerCheck();
    void authenticationFailure_data();
    void authenticationFailure();
    void refusedGreetingSaysQuit();
    void refusedQuitClosesAnyway();
    void connectionRequired();
    void missingAttachmentStopsBeforeSending();
    void addressExtraction_data();
    void addressExtraction();

    // aiosmtpd
    void recipientsInEnvelopeAndHeader_data();
    void recipientsInEnvelopeAndHeader();
    void loneDotIsDoubled();
    void htmlWithoutAttachments();
    void attachment_data();
    void attachment();
    void listsClearedAfterSuccess();
    void incompleteHeaderSendsNothing();
    void turkishArrivesReadable();
    void longLinesStayWithinLimits();

    // smtp-sink
    void serverRefusals_data();
    void serverRefusals();
    void serverClosesMidDialogue();
    void serverStopsAnswering();
    void cancelEndsTheWaitAtOnce();

private:
    void connectToRecorder(TNMSMTP& smtp);
    QJsonObject sendToRecorder(TNMSMTP& smtp);

    RecordingSmtpServer m_recorder;
    quint16 m_recorderPort = 0;
    int m_messagesBefore = 0;
    QTemporaryDir m_files;
};

void SmtpTest::initTestCase()
{
    m_recorderPort = m_recorder.start();
    QVERIFY2(m_recorderPort != 0, qPrintable(m_recorder.error()));
    QVERIFY(QFile::exists(u"/usr/sbin/smtp-sink"_qs));
}

void SmtpTest::init()
{
    m_messagesBefore = m_recorder.messageCount();
}

void SmtpTest::connectToRecorder(TNMSMTP& smtp)
{
    aim(smtp, m_recorderPort);
    smtp.Connect();
}

QJsonObject SmtpTest::sendToRecorder(TNMSMTP& smtp)
{
    connectToRecorder(smtp);
    smtp.SendMail();
    smtp.Disconnect();
    if (m_recorder.messageCount() != m_messagesBefore + 1)
        return {};
    return m_recorder.message(m_messagesBefore + 1);
}

// Scripted server ------------------------------------------------------------------------------------------------

void SmtpTest::dialogueAsTheServerSeesIt()
{
    Scripted s({"250-mail.test\r\n250 HELP\r\n", "250 reset\r\n", "250 sender ok\r\n", "250 ok\r\n", "250 ok\r\n",
                "250 ok\r\n", "354 go ahead\r\n", "250 queued\r\n", "221 bye\r\n"},
               "220-mail.test first line\r\n220 mail.test ready\r\n");
    TPostMessage& m = s.smtp->PostMessage(); // from Ali, "Hello"
    m.ToAddress = QStringList{u"Veli <veli@example.com>"_qs};
    m.ToCarbonCopy = QStringList{u"cc@example.com"_qs};
    m.ToBlindCarbonCopy = QStringList{u"bcc@example.com"_qs};
    m.LocalProgram = u"Dorlune V2.0"_qs;
    m.Body = QStringList{u"line one"_qs, u"."_qs, u"..two"_qs};
    QStringList events;
    s.smtp->OnConnect = [&](TPowersock&) { events << u"connect"_qs; };
    s.smtp->OnSendStart = [&](TPowersock&) { events << u"send start"_qs; };
    s.smtp->OnSuccess = [&](TPowersock&) { events << u"success"_qs; };
    s.smtp->OnDisconnect = [&](TPowersock&) { events << u"disconnect"_qs; };

    s.smtp->Connect();
    QCOMPARE(s.smtp->ReplyCode(), 250);
    s.smtp->SendMail();
    s.smtp->Disconnect();

    QCOMPARE(s.transport->commands(),
             QStringList({u"HELO corvella"_qs, u"RSET"_qs, u"MAIL FROM:<ali@example.com>"_qs,
                          u"RCPT TO:<veli@example.com>"_qs, u"RCPT TO:<cc@example.com>"_qs,
                          u"RCPT TO:<bcc@example.com>"_qs, u"DATA"_qs, u"<DATA>"_qs, u"."_qs, u"QUIT"_qs}));
    // Date and Message-ID differ on every run: check their form, then the rest byte for byte.
    QByteArray message = s.transport->message();
    const QRegularExpression stamped(u"\r\nDate: [A-Z][a-z]{2}, \\d{1,2} [A-Z][a-z]{2} \\d{4} \\d\\d:\\d\\d:\\d\\d "
                                     u"[+-]\\d{4}\r\nMessage-ID: <[0-9a-z]+\\.[0-9a-z]+@example\\.com>\r\n"_qs);
    const QRegularExpressionMatch match = stamped.match(QString::fromLatin1(message));
    QVERIFY2(match.hasMatch(), message.constData());
    message.replace(match.capturedStart(), match.capturedLength(), "\r\n");
    QCOMPARE(message, QByteArray("From: Ali<ali@example.com>\r\n"
                                 "To: Veli <veli@example.com>\r\n"
                                 "CC: cc@example.com\r\n"
                                 "Subject: Hello\r\n"
                                 "X-Mailer: Dorlune V2.0\r\n"
                                 "Mime-Version: 1.0\r\n"
                                 "Content-Type: text/plain; charset=us-ascii\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "line one\r\n"
                                 "..\r\n"
                                 "...two\r\n"));
    QCOMPARE(events, QStringList({u"connect"_qs, u"send start"_qs, u"success"_qs, u"disconnect"_qs}));
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::ehloKeepsTheAnnouncedExtensions()
{
    Scripted s({"250-mail.test greets corvella\r\n250-PIPELINING\r\n250-SIZE 10240000\r\n"
                "250-8BITMIME\r\n250-SMTPUTF8\r\n250-AUTH plain LOGIN\r\n250 STARTTLS\r\n",
                "235 2.7.0 Authentication successful\r\n", "221 bye\r\n"});
    loginWithoutTls(*s.smtp);
    s.smtp->Connect();
    QCOMPARE(s.smtp->Extensions().lines(), QStringList({u"PIPELINING"_qs, u"SIZE 10240000"_qs, u"8BITMIME"_qs,
                                                        u"SMTPUTF8"_qs, u"AUTH plain LOGIN"_qs, u"STARTTLS"_qs}));
    QVERIFY(s.smtp->Extensions().has(u"pipelining"_qs));
    QVERIFY(!s.smtp->Extensions().has(u"CHUNKING"_qs));
    QCOMPARE(s.smtp->Extensions().parameters(u"AUTH"_qs), QStringList({u"PLAIN"_qs, u"LOGIN"_qs}));
    QCOMPARE(s.smtp->Extensions().parameters(u"SIZE"_qs), QStringList({u"10240000"_qs}));
    s.smtp->Disconnect();
    QCOMPARE(s.transport->commands().first(), u"EHLO corvella"_qs);
    QCOMPARE(s.transport->commands().last(), u"QUIT"_qs);
}

void SmtpTest::ehloRefusedFallsBackToHelo()
{
    Scripted s({"502 5.5.1 EHLO not implemented\r\n", "250 hello\r\n", "235 2.7.0 Authentication successful\r\n"});
    loginWithoutTls(*s.smtp);
    // After HELO no AUTH was announced: the login cannot happen and says so.
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }),
             u"The server offers no login method this program knows (PLAIN or LOGIN)"_qs);
    QCOMPARE(s.transport->commands().mid(0, 2), QStringList({u"EHLO corvella"_qs, u"HELO corvella"_qs}));
    QVERIFY(s.smtp->Extensions().isEmpty());
}

void SmtpTest::loginMethodChosen_data()
{
    QTest::addColumn<QByteArray>("auth");
    QTest::addColumn<QStringList>("commands");
    // "\0corvella\0secret" and the two LOGIN answers, base64.
    QTest::newRow("PLAIN preferred") << QByteArray("LOGIN PLAIN")
                                     << QStringList({u"AUTH PLAIN AGNvcnZlbGxhAHNlY3JldA=="_qs});
    QTest::newRow("LOGIN when alone") << QByteArray("LOGIN")
                                      << QStringList({u"AUTH LOGIN"_qs, u"Y29ydmVsbGE="_qs, u"c2VjcmV0"_qs});
}

void SmtpTest::loginMethodChosen()
{
    QFETCH(QByteArray, auth);
    QFETCH(QStringList, commands);
    QByteArrayList replies = {"250-mail.test\r\n250 AUTH " + auth + "\r\n"};
    if (commands.size() > 1)
        replies << "334 VXNlcm5hbWU6\r\n"
                << "334 UGFzc3dvcmQ6\r\n";
    replies << "235 2.7.0 Authentication successful\r\n";
    Scripted s(replies);
    loginWithoutTls(*s.smtp);
    s.smtp->SetReportLevel(8);
    QStringList statuses;
    s.smtp->OnStatus = [&](TPowersock&, const QString& status) { statuses << status; };
    s.smtp->Connect();
    QCOMPARE(s.transport->commands().mid(1), commands);
    QCOMPARE(s.smtp->ReplyCode(), 235);
    QVERIFY(!statuses.join(u'|').contains(u"secret"_qs));
    QVERIFY(!statuses.join(u'|').contains(u"c2VjcmV0"_qs));
}

void SmtpTest::refusedLoginStopsWithTheServersLine()
{
    Scripted s(
        {"250-mail.test\r\n250 AUTH PLAIN\r\n", "535 5.7.8 Authentication credentials invalid\r\n", "221 bye\r\n"});
    loginWithoutTls(*s.smtp, u"wrong"_qs);
    const QString error = errorOf([&] { s.smtp->Connect(); });
    QCOMPARE(error, u"535 5.7.8 Authentication credentials invalid\r\n"_qs);
    QVERIFY(!error.contains(u"wrong"_qs));
    QCOMPARE(s.transport->commands().last(), u"QUIT"_qs);
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::noLoginOverPlainTextUnlessAllowed()
{
    Scripted s({"250-mail.test\r\n250 AUTH PLAIN LOGIN\r\n", "221 bye\r\n"});
    s.smtp->SetPassword(u"secret"_qs);
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }), u"Login refused: the password would travel unencrypted"_qs);
    QCOMPARE(s.transport->commands(), QStringList({u"EHLO corvella"_qs, u"QUIT"_qs}));
    QVERIFY(!s.transport->written().contains("c2VjcmV0"));
}

void SmtpTest::missingStartTlsStopsBeforeAnythingElse()
{
    Scripted s({"250-mail.test\r\n250 AUTH PLAIN LOGIN\r\n", "221 bye\r\n"});
    s.smtp->SetSecurity(SmtpSecurity::StartTls);
    s.smtp->SetPassword(u"secret"_qs);
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }),
             u"The server does not offer STARTTLS; nothing was sent unencrypted"_qs);
    QCOMPARE(s.transport->commands(), QStringList({u"EHLO corvella"_qs, u"QUIT"_qs}));
}

void SmtpTest::linesSmuggledBeforeTlsAreRefused()
{
    Scripted s({"250-mail.test\r\n250 STARTTLS\r\n", "220 go ahead\r\n250 AUTH PLAIN\r\n"});
    s.smtp->SetSecurity(SmtpSecurity::StartTls);
    s.smtp->SetPassword(u"secret"_qs);
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }), u"TLS refused: the server sent data before the handshake"_qs);
    QCOMPARE(s.transport->commands(), QStringList({u"EHLO corvella"_qs, u"STARTTLS"_qs}));
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::transportWithoutTlsSendsNothingMore()
{
    // The scripted transport cannot encrypt: the failed handshake must not be followed by QUIT or a login.
    Scripted s({"250-mail.test\r\n250-AUTH PLAIN\r\n250 STARTTLS\r\n", "220 go ahead\r\n", "221 bye\r\n"});
    s.smtp->SetSecurity(SmtpSecurity::StartTls);
    s.smtp->SetPassword(u"secret"_qs);
    const QString error = errorOf([&] { s.smtp->Connect(); });
    QVERIFY2(error.startsWith(u"TLS handshake failed: "_qs), qPrintable(error));
    QCOMPARE(s.transport->commands(), QStringList({u"EHLO corvella"_qs, u"STARTTLS"_qs}));
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::pipelinedEnvelopeGoesInOneWrite()
{
    Scripted s(extendedSession("250-PIPELINING\r\n") +
               QByteArrayList{"250 reset\r\n", "250 sender ok\r\n", "250 ok\r\n",
                              "550-5.1.1 no such user\r\n550 5.1.1 really\r\n", "250 ok\r\n", "354 go ahead\r\n",
                              "250 queued\r\n", "221 bye\r\n"});
    loginWithoutTls(*s.smtp);
    s.smtp->PostMessage().ToBlindCarbonCopy = QStringList{u"Yok <nobody@example.com>"_qs, u"bcc@example.com"_qs};
    s.sendAndQuit();

    QVERIFY(s.transport->writes().contains(QByteArray("MAIL FROM:<ali@example.com>\r\n"
                                                      "RCPT TO:<veli@example.com>\r\n"
                                                      "RCPT TO:<nobody@example.com>\r\n"
                                                      "RCPT TO:<bcc@example.com>\r\n")));
    // The replies were matched to their commands in order, the two-line refusal to the second recipient.
    QCOMPARE(s.refused, QStringList{u"Yok <nobody@example.com>"_qs});
    QCOMPARE(s.transport->commands().mid(7), QStringList({u"DATA"_qs, u"<DATA>"_qs, u"."_qs, u"QUIT"_qs}));
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::refusedSenderWhilePipelinedKeepsStep()
{
    Scripted s(extendedSession("250-PIPELINING\r\n") + QByteArrayList{"250 reset\r\n", "553 5.7.1 sender rejected\r\n",
                                                                      "503 5.5.1 need MAIL\r\n",
                                                                      "503 5.5.1 need MAIL\r\n", "221 bye\r\n"});
    loginWithoutTls(*s.smtp);
    s.smtp->PostMessage().ToCarbonCopy = QStringList{u"cc@example.com"_qs};
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), u"553 5.7.1 sender rejected\r\n"_qs);
    // Had the recipients' replies been left unread, QUIT would read a 503 and fail.
    s.smtp->Disconnect();
    QCOMPARE(s.smtp->ReplyCode(), 221);
    QVERIFY(!s.transport->commands().contains(u"DATA"_qs));
}

void SmtpTest::tooManyRecipientsGoInTheNextTransaction()
{
    Scripted s({"250 hello\r\n", "250 reset\r\n", "250 sender ok\r\n", "250 ok\r\n",
                "452 4.5.3 too many recipients\r\n", "550 5.1.1 no such user\r\n", "452 4.5.3 too many recipients\r\n",
                "354 go ahead\r\n", "250 queued\r\n", "250 sender ok\r\n", "250 ok\r\n", "250 ok\r\n",
                "354 go ahead\r\n", "250 queued\r\n", "221 bye\r\n"});
    s.smtp->PostMessage().ToBlindCarbonCopy =
        QStringList{u"b@example.com"_qs, u"nobody@example.com"_qs, u"d@example.com"_qs};
    s.sendAndQuit();
    QCOMPARE(s.transport->commands(),
             QStringList({u"HELO corvella"_qs, u"RSET"_qs, u"MAIL FROM:<ali@example.com>"_qs,
                          u"RCPT TO:<veli@example.com>"_qs, u"RCPT TO:<b@example.com>"_qs,
                          u"RCPT TO:<nobody@example.com>"_qs, u"RCPT TO:<d@example.com>"_qs, u"DATA"_qs, u"<DATA>"_qs,
                          u"."_qs, u"MAIL FROM:<ali@example.com>"_qs, u"RCPT TO:<b@example.com>"_qs,
                          u"RCPT TO:<d@example.com>"_qs, u"DATA"_qs, u"<DATA>"_qs, u"."_qs, u"QUIT"_qs}));
    QCOMPARE(s.refused, QStringList{u"nobody@example.com"_qs}); // put off is not refused
    QCOMPARE(s.successes, 1);
    // The same message twice over, its Message-ID included.
    const QByteArray message = s.transport->message();
    QCOMPARE(message.left(message.size() / 2), message.mid(message.size() / 2));
}

void SmtpTest::tooManyRecipientsWithNoneTakenStops()
{
    Scripted s({"250 hello\r\n", "250 reset\r\n", "250 sender ok\r\n", "452 4.3.1 Insufficient system storage\r\n",
                "221 bye\r\n"});
    s.smtp->Connect();
    // Another transaction would be put off the same way: the server's line stops the send instead.
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), u"452 4.3.1 Insufficient system storage\r\n"_qs);
    QVERIFY(!s.transport->commands().contains(u"DATA"_qs));
    QCOMPARE(s.transport->commands().count(u"MAIL FROM:<ali@example.com>"_qs), 1);
}

void SmtpTest::messageOverTheAnnouncedSizeIsNotSent()
{
    Scripted s(extendedSession("250-SIZE 300\r\n") + QByteArrayList{"221 bye\r\n"});
    loginWithoutTls(*s.smtp);
    s.smtp->PostMessage().Body = QStringList{QString(400, u'x')};
    s.smtp->Connect();
    const QString error = errorOf([&] { s.smtp->SendMail(); });
    QVERIFY2(error.endsWith(u"bytes long; the server takes at most 300"_qs), qPrintable(error));
    QVERIFY(!s.transport->written().contains("MAIL FROM"));
    s.smtp->Disconnect();
}

void SmtpTest::dateInRfc5322Form_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    const QDate date(2026, 3, 5);
    const QTime time(7, 4, 9);
    QTest::newRow("east of Greenwich") << QDateTime(date, time, Qt::OffsetFromUTC, 3 * 3600)
                                       << u"Thu, 5 Mar 2026 07:04:09 +0300"_qs;
    QTest::newRow("west, half hours") << QDateTime(date, time, Qt::OffsetFromUTC, -(3 * 3600 + 1800))
                                      << u"Thu, 5 Mar 2026 07:04:09 -0330"_qs;
    QTest::newRow("UTC, two-digit day") << QDateTime(QDate(2026, 12, 27), QTime(23, 59, 59), Qt::UTC)
                                        << u"Sun, 27 Dec 2026 23:59:59 +0000"_qs;
}

void SmtpTest::dateInRfc5322Form()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QCOMPARE(MessageComposer::rfc5322Date(when), text);
}

void SmtpTest::everyMessageGetsItsOwnMessageId()
{
    QByteArrayList replies = {"250 hello\r\n"};
    for (int i = 0; i < 2; ++i)
        replies << "250 reset\r\n"
                << "250 sender ok\r\n"
                << "250 recipient ok\r\n"
                << "354 go ahead\r\n"
                << "250 queued\r\n";
    Scripted s(replies);
    s.smtp->SetClearParams(false);
    s.smtp->Connect();
    QStringList ids;
    for (int i = 0; i < 2; ++i) {
        s.smtp->SendMail();
        const qsizetype index = s.smtp->FinalHeader().IndexOfHeader(u"Message-ID"_qs);
        QVERIFY(index >= 0);
        ids << s.smtp->FinalHeader().at(index);
    }
    QVERIFY(ids.at(0).startsWith(u"Message-ID: <"_qs));
    QVERIFY(ids.at(0).endsWith(u"@example.com>"_qs));
    QVERIFY2(ids.at(0) != ids.at(1), qPrintable(ids.join(u" / "_qs)));
    QVERIFY(s.smtp->FinalHeader().IndexOfHeader(u"Date"_qs) >= 0);
    // A sender without a usable domain must not produce a malformed identifier.
    QVERIFY(MessageComposer::newMessageId(u"no-at-sign"_qs).endsWith(u"@corvella.invalid>"_qs));
}

void SmtpTest::datesAndIdsGivenByTheCallerAreKept()
{
    Scripted s(acceptAll(1));
    TPostMessage& m = s.smtp->PostMessage();
    m.Date = u"Mon, 2 Mar 2026 10:00:00 +0100"_qs;
    m.MessageId = u"<fixed.1@example.com>"_qs;
    s.smtp->Connect();
    s.smtp->SendMail();
    const QByteArray message = s.transport->message();
    QVERIFY(message.contains("\r\nDate: Mon, 2 Mar 2026 10:00:00 +0100\r\n"));
    QVERIFY(message.contains("\r\nMessage-ID: <fixed.1@example.com>\r\n"));
    QCOMPARE(message.count("\r\nDate: "), 1);
    QCOMPARE(message.count("\r\nMessage-ID: "), 1);
}

void SmtpTest::multiLineRepliesStayInStep()
{
    Scripted s({"250 hello\r\n", "250 reset\r\n", "250 sender ok\r\n",
                "550-5.1.1 <first@example.com>: no such user\r\n550 5.1.1 try another\r\n", "250 recipient ok\r\n",
                "354 go ahead\r\n", "250 queued\r\n"});
    s.smtp->PostMessage().ToAddress = QStringList{u"first@example.com"_qs, u"second@example.com"_qs};
    s.smtp->Connect();
    s.smtp->SendMail();
    QCOMPARE(s.refused, QStringList({u"first@example.com"_qs}));
    QCOMPARE(s.successes, 1);
    QCOMPARE(s.smtp->ReplyCode(), 250);
}

void SmtpTest::repliesThatAnswerNothing_data()
{
    QTest::addColumn<int>("step"); // index of the reply in the dialogue after the greeting
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("failures");
    QTest::newRow("connection closed instead of the reply to the final dot")
        << 5 << QByteArray() << u"Connection closed by the server"_qs << 1;
    QTest::newRow("no reply code after the final dot") << 5 << QByteArray("thanks\r\n") << u"thanks\r\n"_qs << 1;
    QTest::newRow("connection closed instead of the reply to MAIL")
        << 2 << QByteArray() << u"Connection closed by the server"_qs << 0;
    QTest::newRow("connection closed instead of the reply to RCPT")
        << 3 << QByteArray() << u"Connection closed by the server"_qs << 0;
}

void SmtpTest::repliesThatAnswerNothing()
{
    QFETCH(int, step);
    QFETCH(QByteArray, reply);
    QFETCH(QString, error);
    QFETCH(int, failures);
    QByteArrayList replies = {"250 hello\r\n",        "250 reset\r\n",    "250 sender ok\r\n",
                              "250 recipient ok\r\n", "354 go ahead\r\n", "250 queued\r\n"};
    replies[step] = reply;
    Scripted s(replies);
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), error);
    QCOMPARE(s.failures, failures);
    QCOMPARE(s.successes, 0);
    QCOMPARE(s.smtp->PostMessage().ToAddress.size(), 1); // lists are cleared only after success
    QVERIFY(!s.smtp->Busy());
}

void SmtpTest::lineBreaksAreRefusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    for (const char* field : {"FromName", "FromAddress", "Subject", "LocalProgram", "Date", "MessageId", "ReplyTo",
                              "ToAddress", "ToCarbonCopy", "ToBlindCarbonCopy", "Attachments"}) {
        QTest::addRow("%s with LF", field) << QString::fromLatin1(field) << u"x@example.com\nBcc: all@example.com"_qs;
        QTest::addRow("%s with CR", field) << QString::fromLatin1(field) << u"x@example.com\rRCPT TO:<a@b>"_qs;
        QTest::addRow("%s with NUL", field) << QString::fromLatin1(field) << QString(u"x@example.com\0"_qs);
    }
}

void SmtpTest::lineBreaksAreRefusedBeforeAnythingIsSent()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    Scripted s(acceptAll(1));
    TPostMessage& m = s.smtp->PostMessage();
    const QHash<QString, std::function<void()>> set = {
        {u"FromName"_qs, [&] { m.FromName = text; }},
        {u"FromAddress"_qs, [&] { m.FromAddress = text; }},
        {u"Subject"_qs, [&] { m.Subject = text; }},
        {u"LocalProgram"_qs, [&] { m.LocalProgram = text; }},
        {u"Date"_qs, [&] { m.Date = text; }},
        {u"MessageId"_qs, [&] { m.MessageId = text; }},
        {u"ReplyTo"_qs, [&] { m.ReplyTo = text; }},
        {u"ToAddress"_qs, [&] { m.ToAddress << text; }},
        {u"ToCarbonCopy"_qs, [&] { m.ToCarbonCopy << text; }},
        {u"ToBlindCarbonCopy"_qs, [&] { m.ToBlindCarbonCopy << text; }},
        {u"Attachments"_qs, [&] { m.Attachments << m_files.filePath(text); }},
    };
    set.value(field)();
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), u"Invalid character (CR, LF or NUL) in "_qs + field);
    QCOMPARE(s.transport->commands(), QStringList({u"HELO corvella"_qs}));
}

void SmtpTest::userIdWithLineBreakIsRefusedBeforeConnecting()
{
    Scripted s(acceptAll(1));
    s.smtp->SetUserID(u"me\r\nMAIL FROM:<spoof@example.com>"_qs);
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }), u"Invalid character (CR, LF or NUL) in UserID"_qs);
    QCOMPARE(s.transport->connectCount(), 0);
    QVERIFY(s.transport->written().isEmpty());
}

void SmtpTest::bodyLinesCannotEndTheMessage()
{
    Scripted s(acceptAll(1));
    s.smtp->PostMessage().Body = QStringList{u"first\r\n.\r\nQUIT\nlast\rend"_qs};
    s.smtp->Connect();
    s.smtp->SendMail();
    QVERIFY(s.transport->message().endsWith("\r\n\r\nfirst\r\n..\r\nQUIT\r\nlast\r\nend\r\n"));
    QCOMPARE(s.transport->commands().count(u"QUIT"_qs), 0);
    QCOMPARE(s.transport->commands().last(), u"."_qs);
}

void SmtpTest::busyFlagKeepsOneOperationAtATime()
{
    Scripted s(acceptAll(1));
    bool busyDuringSend = false;
    s.smtp->OnSendStart = [&](TPowersock&) {
        busyDuringSend = s.smtp->Busy();
        s.smtp->SendMail(); // re-entry through the event loop: ignored
    };
    s.smtp->Connect();
    QVERIFY(!s.smtp->Busy());
    s.smtp->SendMail();
    QVERIFY(busyDuringSend);
    QVERIFY(!s.smtp->Busy());
    QCOMPARE(s.transport->commands().count(u"RSET"_qs), 1);
}

void SmtpTest::headerCheck_data()
{
    QTest::addColumn<bool>("noSender");
    QTest::addColumn<bool>("withHandler");
    QTest::addColumn<bool>("handlerFixes");
    QTest::addColumn<int>("hiType");
    QTest::addColumn<QString>("error");
    QTest::newRow("no sender, no handler") << true << false << false << 0 << u"Incomplete Header"_qs;
    QTest::newRow("no sender, handler declines") << true << true << false << 1 << u"Incomplete Header"_qs;
    QTest::newRow("no recipient, handler declines") << false << true << false << 2 << u"Incomplete Header"_qs;
    QTest::newRow("no sender, handler supplies one") << true << true << true << 1 << QString();
}

void SmtpTest::headerCheck()
{
    QFETCH(bool, noSender);
    QFETCH(bool, withHandler);
    QFETCH(bool, handlerFixes);
    QFETCH(int, hiType);
    QFETCH(QString, error);
    Scripted s(acceptAll(1));
    TPostMessage& m = s.smtp->PostMessage();
    if (noSender)
        m.FromAddress.clear();
    else
        m.ToAddress.clear();
    int asked = 0;
    int seenType = 0;
    if (withHandler) {
        s.smtp->OnHeaderIncomplete = [&](TPowersock&, bool& handled, int type) {
            ++asked;
            seenType = type;
            if (handlerFixes) {
                m.FromAddress = u"late@example.com"_qs;
                handled = true;
            }
        };
    }
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), error);
    QCOMPARE(asked, withHandler ? 1 : 0);
    QCOMPARE(seenType, hiType);
    QCOMPARE(s.smtp->FinalHeader().isEmpty(), false); // composed before the check
    if (error.isEmpty()) {
        QVERIFY(s.transport->commands().contains(u"MAIL FROM:<late@example.com>"_qs));
        QVERIFY(s.transport->message().startsWith("From: Ali<late@example.com>\r\n"));
    } else {
        QCOMPARE(s.transport->commands(), QStringList({u"HELO corvella"_qs}));
    }
}

void SmtpTest::authenticationFailure_data()
{
    QTest::addColumn<bool>("withHandler");
    QTest::addColumn<QByteArray>("secondReply");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("error");
    QTest::newRow("no handler: QUIT and fail")
        << false << QByteArray("221 bye\r\n") << QStringList({u"HELO corvella"_qs, u"QUIT"_qs})
        << u"Authentication failed"_qs;
    QTest::newRow("handler changes the user id") << true << QByteArray("250 hello other\r\n")
                                                 << QStringList({u"HELO corvella"_qs, u"HELO other"_qs}) << QString();
    QTest::newRow("handler has one chance")
        << true << QByteArray("501 still no\r\n") << QStringList({u"HELO corvella"_qs, u"HELO other"_qs, u"QUIT"_qs})
        << u"Authentication failed"_qs;
}

void SmtpTest::authenticationFailure()
{
    QFETCH(bool, withHandler);
    QFETCH(QByteArray, secondReply);
    QFETCH(QStringList, commands);
    QFETCH(QString, error);
    Scripted s({"501 syntax: HELO hostname\r\n", secondReply, "221 bye\r\n"});
    int asked = 0;
    if (withHandler) {
        s.smtp->OnAuthenticationFailed = [&](TPowersock&, bool& handled) {
            ++asked;
            s.smtp->SetUserID(u"other"_qs);
            handled = true;
        };
    }
    int connected = 0;
    s.smtp->OnConnect = [&](TPowersock&) { ++connected; };
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }), error);
    QCOMPARE(s.transport->commands(), commands);
    QCOMPARE(asked, withHandler ? 1 : 0);
    QCOMPARE(connected, error.isEmpty() ? 1 : 0);
    QCOMPARE(s.smtp->LinkOpen(), error.isEmpty());
    QVERIFY(!s.smtp->Busy());
}

void SmtpTest::refusedGreetingSaysQuit()
{
    Scripted s({"221 bye\r\n"}, "554-mail.test\r\n554 no service here\r\n");
    QCOMPARE(errorOf([&] { s.smtp->Connect(); }), u"554-mail.test\r\n"_qs);
    QCOMPARE(s.smtp->ReplyCode(), 221);
    QCOMPARE(s.transport->commands(), QStringList({u"QUIT"_qs}));
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::refusedQuitClosesAnyway()
{
    Scripted s({"250 hello\r\n", "500 what?\r\n"});
    int disconnects = 0;
    s.smtp->OnDisconnect = [&](TPowersock&) { ++disconnects; };
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->Disconnect(); }), u"500 what?\r\n"_qs);
    QCOMPARE(disconnects, 1);
    QVERIFY(!s.smtp->LinkOpen());
}

void SmtpTest::connectionRequired()
{
    Scripted s(acceptAll(1));
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), u"Not Connected"_qs);
    int asked = 0;
    s.smtp->OnConnectionRequired = [&](TPowersock& sender, bool& handled) {
        ++asked;
        handled = true;
        sender.Connect();
    };
    s.smtp->SendMail();
    QCOMPARE(asked, 1);
    QCOMPARE(s.successes, 1);
}

void SmtpTest::missingAttachmentStopsBeforeSending()
{
    Scripted s(acceptAll(1));
    const QString missing = m_files.filePath(u"missing.pdf"_qs);
    s.smtp->PostMessage().Attachments = QStringList{missing};
    int encodes = 0;
    s.smtp->OnEncodeStart = [&](TPowersock&, const QString&) { ++encodes; };
    s.smtp->Connect();
    QCOMPARE(errorOf([&] { s.smtp->SendMail(); }), u"Cannot open file "_qs + missing);
    QCOMPARE(encodes, 0);
    QCOMPARE(s.transport->commands(), QStringList({u"HELO corvella"_qs}));
}

void SmtpTest::addressExtraction_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("address");
    QTest::newRow("bare") << u"ali@example.com"_qs << u"ali@example.com"_qs;
    QTest::newRow("display name") << u"Ali Veli <ali@example.com>"_qs << u"ali@example.com"_qs;
    QTest::newRow("unclosed bracket") << u"Ali <ali@example.com"_qs << u"ali@example.com"_qs;
    QTest::newRow("second bracket") << u"a <b@example.com <c@example.com>"_qs << u"b@example.com "_qs;
    QTest::newRow("after a colon") << u"mailto:ali@example.com"_qs << u"ali@example.com"_qs;
    QTest::newRow("between colons") << u"x:ali@example.com:y"_qs << u"ali@example.com"_qs;
    QTest::newRow("blanks kept") << u" ali@example.com "_qs << u" ali@example.com "_qs;
    QTest::newRow("empty") << QString() << QString();
}

void SmtpTest::addressExtraction()
{
    QFETCH(QString, entry);
    QFETCH(QString, address);
    QCOMPARE(TNMSMTP::ExtractAddress(entry), address);
}

// aiosmtpd ---------------------------------------------------------------------------------------------------------

void SmtpTest::recipientsInEnvelopeAndHeader_data()
{
    QTest::addColumn<QStringList>("to");
    QTest::addColumn<QStringList>("cc");
    QTest::addColumn<QStringList>("bcc");
    QTest::addColumn<QStringList>("envelope"); // the recipients the server took
    QTest::addColumn<QString>("toHeader");
    QTest::addColumn<QStringList>("refused");
    QTest::addColumn<QStringList>("notInMessage");
    const QStringList veli{u"veli@example.com"_qs};
    QTest::newRow("display name") << QStringList{u"Ali Veli <ali.veli@example.com>"_qs} << QStringList()
                                  << QStringList() << QStringList{u"ali.veli@example.com"_qs}
                                  << u"Ali Veli <ali.veli@example.com>"_qs << QStringList() << QStringList();
    QTest::newRow("blind copies only in the envelope")
        << veli << QStringList() << QStringList{u"hidden@example.com"_qs, u"Gizli <other@example.com>"_qs}
        << QStringList{u"veli@example.com"_qs, u"hidden@example.com"_qs, u"other@example.com"_qs}
        << u"veli@example.com"_qs << QStringList() << QStringList{u"hidden"_qs, u"other@"_qs, u"Bcc"_qs};
    QTest::newRow("two To entries joined by a comma")
        << QStringList{u"a@example.com"_qs, u"B <b@example.com>"_qs} << QStringList() << QStringList()
        << QStringList{u"a@example.com"_qs, u"b@example.com"_qs} << u"a@example.com,B <b@example.com>"_qs
        << QStringList() << QStringList();
    QTest::newRow("refused carbon copy reported")
        << veli << QStringList{u"Kabul <cc@example.com>"_qs, u"Red <refused@example.com>"_qs}
        << QStringList{u"bcc@example.com"_qs}
        << QStringList{u"veli@example.com"_qs, u"cc@example.com"_qs, u"bcc@example.com"_qs} << u"veli@example.com"_qs
        << QStringList{u"Red <refused@example.com>"_qs} << QStringList();
}

void SmtpTest::recipientsInEnvelopeAndHeader()
{
    QFETCH(QStringList, to);
    QFETCH(QStringList, cc);
    QFETCH(QStringList, bcc);
    QFETCH(QStringList, envelope);
    QFETCH(QString, toHeader);
    QFETCH(QStringList, refused);
    QFETCH(QStringList, notInMessage);
    SimpleSmtp smtp;
    smtp.PostMessage().ToAddress = to;
    smtp.PostMessage().ToCarbonCopy = cc;
    smtp.PostMessage().ToBlindCarbonCopy = bcc;
    QStringList refusedSeen;
    smtp.OnRecipientNotFound = [&](TPowersock&, const QString& entry) { refusedSeen << entry; };
    const QJsonObject received = sendToRecorder(smtp);
    QCOMPARE(strings(received[u"rcpt_tos"]), envelope);
    QCOMPARE(refusedSeen, refused);
    const QString raw = received[u"raw"].toString();
    QVERIFY2(raw.contains(u"\r\nTo: "_qs + toHeader + u"\r\n"_qs), qPrintable(raw));
    for (const QString& text : notInMessage)
        QVERIFY2(!raw.contains(text, Qt::CaseInsensitive), qPrintable(text));
    QCOMPARE(received[u"helo"].toString(), u"corvella.test"_qs);
    QCOMPARE(received[u"mail_from"].toString(), u"ali@example.com"_qs);
}

void SmtpTest::loneDotIsDoubled()
{
    SimpleSmtp smtp;
    smtp.PostMessage().Body = QStringList{u"before"_qs, u"."_qs, u".leading"_qs, u"after"_qs};
    const QJsonObject received = sendToRecorder(smtp);
    QVERIFY(smtp.MessageBody().startsWith("before\r\n..\r\n..leading\r\nafter\r\n"));
    const QJsonArray parts = received[u"parts"].toArray();
    QCOMPARE(parts.size(), 1);
    QCOMPARE(parts[0][u"text"].toString(), u"\nbefore\n.\n.leading\nafter\n"_qs);
}

void SmtpTest::htmlWithoutAttachments()
{
    SimpleSmtp smtp;
    smtp.SetSubType(TSubType::mtHtml);
    smtp.PostMessage().Body = QStringList{u"<p>Merhaba</p>"_qs};
    const QJsonObject received = sendToRecorder(smtp);
    const QString raw = received[u"raw"].toString();
    QCOMPARE(raw.count(u"Content-Type:"_qs), 1);
    QVERIFY(raw.contains(u"\r\nContent-Type: text/html; charset=us-ascii\r\n"_qs));
    QVERIFY(!raw.contains(u"boundary"_qs));
    QVERIFY(!raw.contains(u"Content-Transfer-Encoding"_qs));
    QCOMPARE(received[u"parts"][0][u"content_type"].toString(), u"text/html"_qs);
}

void SmtpTest::attachment_data()
{
    QTest::addColumn<UUMethods>("method");
    QTest::addColumn<QString>("transferEncoding");
    QTest::newRow("base64") << UUMethods::uuMime << u"base64"_qs;
    QTest::newRow("uuencode, labelled as such") << UUMethods::uuCode << u"x-uuencode"_qs;
}

void SmtpTest::attachment()
{
    QFETCH(UUMethods, method);
    QFETCH(QString, transferEncoding);
    const QByteArray content = randomBytes(20000 + 14); // uuencode's last line then starts with "."
    const QString path = m_files.filePath(u"rapor-2024.bin"_qs);
    QVERIFY(writeFile(path, content));

    SimpleSmtp smtp;
    smtp.SetEncodeType(method);
    smtp.SetSubType(TSubType::mtHtml); // the text part is plain text whatever the sub-type says
    smtp.PostMessage().Attachments = QStringList{path};
    QStringList events;
    smtp.OnEncodeStart = [&](TPowersock&, const QString& name) { events << u"start "_qs + name; };
    smtp.OnEncodeEnd = [&](TPowersock&, const QString& name) { events << u"end "_qs + name; };
    const QJsonObject received = sendToRecorder(smtp);
    QCOMPARE(events, QStringList({u"start "_qs + path, u"end "_qs + path}));

    const QString raw = received[u"raw"].toString();
    const QRegularExpression boundary(
        u"\r\nContent-Type: multipart/mixed; boundary=\"(={20}54535[a-y]{6}={4})\"\r\n"_qs);
    const QRegularExpressionMatch match = boundary.match(raw);
    QVERIFY2(match.hasMatch(), qPrintable(raw.left(400)));
    QVERIFY(
        raw.contains(u"\r\n\r\n\r\n--"_qs + match.captured(1) + u"\r\nContent-Type: text/plain; charset=us-ascii\r\n"));
    QVERIFY(raw.endsWith(u"--"_qs + match.captured(1) + u"--\r\n"));
    QVERIFY(raw.contains(u"Content-Disposition: attachment; filename=\"rapor-2024.bin\"\r\n"_qs));
    QVERIFY(received[u"defects"].toArray().isEmpty());

    const QJsonArray parts = received[u"parts"].toArray();
    QCOMPARE(parts.size(), 2);
    QCOMPARE(parts[0][u"content_type"].toString(), u"text/plain"_qs);
    QCOMPARE(parts[0][u"text"].toString(), u"Just a line."_qs); // the last line break belongs to the boundary
    QCOMPARE(parts[1][u"content_type"].toString(), u"application/octet-stream"_qs);
    QCOMPARE(parts[1][u"filename"].toString(), u"rapor-2024.bin"_qs);
    QCOMPARE(parts[1][u"transfer_encoding"].toString(), transferEncoding);
    QCOMPARE(QByteArray::fromBase64(parts[1][u"payload"].toString().toLatin1()), content);
}

void SmtpTest::listsClearedAfterSuccess()
{
    const QString path = m_files.filePath(u"note.txt"_qs);
    QVERIFY(writeFile(path, "note\n"));
    SimpleSmtp smtp;
    TPostMessage& m = smtp.PostMessage();
    m.ToCarbonCopy = QStringList{u"cc@example.com"_qs};
    m.ToBlindCarbonCopy = QStringList{u"bcc@example.com"_qs};
    m.Attachments = QStringList{path};
    QVERIFY(!sendToRecorder(smtp).isEmpty());
    QVERIFY(m.ToAddress.isEmpty());
    QVERIFY(m.ToCarbonCopy.isEmpty());
    QVERIFY(m.ToBlindCarbonCopy.isEmpty());
    QVERIFY(m.Attachments.isEmpty());
    QCOMPARE(m.Body, QStringList({u"Just a line."_qs}));
    QCOMPARE(m.Subject, u"Hello"_qs);
    QCOMPARE(m.FromAddress, u"ali@example.com"_qs);
    QCOMPARE(m.FromName, u"Ali"_qs);

    m_messagesBefore = m_recorder.messageCount();
    SimpleSmtp keeping;
    keeping.SetClearParams(false);
    QVERIFY(!sendToRecorder(keeping).isEmpty());
    QCOMPARE(keeping.PostMessage().ToAddress, QStringList({u"veli@example.com"_qs}));
}

void SmtpTest::incompleteHeaderSendsNothing()
{
    SimpleSmtp smtp;
    smtp.PostMessage().FromAddress.clear();
    connectToRecorder(smtp);
    int sends = 0;
    smtp.SetReportLevel(4);
    smtp.OnStatus = [&](TPowersock&, const QString& status) { sends += status == u"Sending Buffer"_qs; };
    QCOMPARE(errorOf([&] { smtp.SendMail(); }), u"Incomplete Header"_qs);
    QCOMPARE(sends, 0);
    QVERIFY(smtp.FinalHeader().contains(u"Subject: Hello"_qs));
    QVERIFY(smtp.LinkOpen());
    smtp.Disconnect();
    QCOMPARE(m_recorder.messageCount(), m_messagesBefore);
}

void SmtpTest::turkishArrivesReadable()
{
    TNMSMTP smtp;
    TPostMessage& m = smtp.PostMessage();
    m.FromName = u"Çağrı Işık"_qs;
    m.FromAddress = u"cagri@example.com"_qs;
    m.ToAddress = QStringList{u"Gülşen Öztürk <gulsen@example.com>"_qs};
    m.Subject = u"Ağustos bülteni: İşlem özeti ve ğüşıöç ĞÜŞİÖÇ"_qs;
    m.Body = QStringList{u"Sayın Gülşen Hanım,"_qs, QString(), u"Şubat ayı ödemeleri yapıldı = tamam."_qs,
                         u".nokta ile başlayan satır"_qs, QString(u"çok uzun satır "_qs).repeated(40)};
    const QJsonObject received = sendToRecorder(smtp);
    QCOMPARE(received[u"subject"].toString(), m.Subject);
    QCOMPARE(received[u"from"].toString(), u"Çağrı Işık <cagri@example.com>"_qs);
    QCOMPARE(received[u"to"].toString(), u"Gülşen Öztürk <gulsen@example.com>"_qs);
    const QJsonObject part = received[u"parts"][0].toObject();
    QCOMPARE(part[u"charset"].toString(), u"utf-8"_qs);
    QCOMPARE(part[u"transfer_encoding"].toString(), u"quoted-printable"_qs);
    QCOMPARE(part[u"text"].toString(), u"\n"_qs + m.Body.join(u'\n') + u'\n');
    QVERIFY(received[u"defects"].toArray().isEmpty());
    const QString raw = received[u"raw"].toString();
    QVERIFY(mime::isAscii(raw));
    for (const QString& line : raw.split(u"\r\n"_qs))
        QVERIFY2(line.size() <= 76, qPrintable(line)); // the limit for lines holding encoded words
}

void SmtpTest::longLinesStayWithinLimits()
{
    SimpleSmtp smtp;
    TPostMessage& m = smtp.PostMessage();
    for (int i = 0; i < 40; ++i)
        m.ToAddress << u"alici.numara.%1@example.com"_qs.arg(i);
    m.Subject = QString(u"word "_qs).repeated(250).trimmed();
    const QString longLine = QString(u"0123456789"_qs).repeated(300);
    m.Body = QStringList{longLine, u"short"_qs};
    const QJsonObject received = sendToRecorder(smtp); // aiosmtpd refuses lines over 1,000 octets
    QCOMPARE(strings(received[u"rcpt_tos"]).size(), 41);
    QCOMPARE(received[u"to"].toString().split(u", "_qs).size(), 41);
    QCOMPARE(received[u"subject"].toString(), m.Subject);
    const QJsonObject part = received[u"parts"][0].toObject();
    QCOMPARE(part[u"charset"].toString(), u"us-ascii"_qs);
    QCOMPARE(part[u"text"].toString(), u"\n"_qs + longLine + u"\nshort\n"_qs);
    for (const QString& line : received[u"raw"].toString().split(u"\r\n"_qs))
        QVERIFY(line.size() <= mime::MaxLineOctets);
}

// smtp-sink --------------------------------------------------------------------------------------------------------

/// Starts `sink` with `options` and aims `smtp` at it; false when the sink did not start.
bool aimAtSink(SmtpSink& sink, const QStringList& options, TNMSMTP& smtp, int timeOutMs = 5000)
{
    const quint16 port = sink.start(options);
    if (port == 0)
        return false;
    aim(smtp, port, timeOutMs);
    return true;
}

void SmtpTest::serverRefusals_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("atConnect");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("failures");
    const QString soft = u"450 4.3.0 Error: command failed\r\n"_qs;
    const QString hard = u"500 5.3.0 Error: command failed\r\n"_qs;
    QTest::newRow("4xx greeting") << QStringList{u"-r"_qs, u"CONNECT"_qs} << true << soft << 0;
    QTest::newRow("5xx greeting") << QStringList{u"-f"_qs, u"CONNECT"_qs} << true << hard << 0;
    QTest::newRow("4xx HELO") << QStringList{u"-r"_qs, u"HELO"_qs} << true << u"Authentication failed"_qs << 0;
    QTest::newRow("5xx HELO") << QStringList{u"-f"_qs, u"HELO"_qs} << true << u"Authentication failed"_qs << 0;
    QTest::newRow("4xx MAIL") << QStringList{u"-r"_qs, u"MAIL"_qs} << false << soft << 0;
    QTest::newRow("5xx MAIL") << QStringList{u"-f"_qs, u"MAIL"_qs} << false << hard << 0;
    QTest::newRow("4xx DATA") << QStringList{u"-r"_qs, u"DATA"_qs} << false << soft << 0;
    QTest::newRow("5xx DATA") << QStringList{u"-f"_qs, u"DATA"_qs} << false << hard << 0;
    QTest::newRow("4xx after the dot") << QStringList{u"-r"_qs, u"."_qs} << false << soft << 1;
    QTest::newRow("5xx after the dot") << QStringList{u"-f"_qs, u"."_qs} << false << hard << 1;
}

void SmtpTest::serverRefusals()
{
    QFETCH(QStringList, options);
    QFETCH(bool, atConnect);
    QFETCH(QString, error);
    QFETCH(int, failures);
    SmtpSink sink;
    SimpleSmtp smtp;
    QVERIFY2(aimAtSink(sink, options, smtp), qPrintable(sink.error()));
    int failed = 0;
    smtp.OnFailure = [&](TPowersock&) { ++failed; };
    if (atConnect) {
        QCOMPARE(errorOf([&] { smtp.Connect(); }), error);
        QVERIFY(!smtp.LinkOpen());
    } else {
        smtp.Connect();
        QCOMPARE(errorOf([&] { smtp.SendMail(); }), error);
        QVERIFY(smtp.LinkOpen()); // a failed send leaves the connection open
        QCOMPARE(smtp.PostMessage().ToAddress.size(), 1);
        QVERIFY(!smtp.Busy());
        smtp.Disconnect();
    }
    QCOMPARE(failed, failures);
}

void SmtpTest::serverClosesMidDialogue()
{
    SmtpSink sink;
    SimpleSmtp smtp;
    QVERIFY2(aimAtSink(sink, {u"-q"_qs, u"MAIL"_qs}, smtp), qPrintable(sink.error()));
    smtp.Connect();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { smtp.SendMail(); }), u"Connection closed by the server"_qs);
    QVERIFY2(clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed()))); // not by the time-out
    QVERIFY(!smtp.LinkOpen());
}

void SmtpTest::serverStopsAnswering()
{
    SmtpSink sink;
    SimpleSmtp smtp;
    QVERIFY2(aimAtSink(sink, {u"-W"_qs, u"MAIL:30"_qs}, smtp, 500), qPrintable(sink.error()));
    smtp.Connect();
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { smtp.SendMail(); }), u"Socket readln aborted"_qs);
    QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(smtp.TimeoutFlag());
}

void SmtpTest::cancelEndsTheWaitAtOnce()
{
    SmtpSink sink;
    SimpleSmtp smtp;
    // No time-out, as the auto-mail window sets it.
    QVERIFY2(aimAtSink(sink, {u"-W"_qs, u"MAIL:30"_qs}, smtp, 0), qPrintable(sink.error()));
    smtp.Connect();
    QTimer::singleShot(100, this, [&] { smtp.Abort(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { smtp.SendMail(); }), u"Socket readln aborted"_qs);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!smtp.TimeoutFlag());
    QVERIFY(!smtp.Busy());
}

QTEST_GUILESS_MAIN(SmtpTest)
#include "tst_smtp.moc"
