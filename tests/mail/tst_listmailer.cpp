#include "ErrorOf.h"
#include "MailServers.h"
#include "ScriptedTransport.h"

#include "mail/AddressCheck.h"
#include "mail/ListMailer.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace corvella;
using namespace corvella::mail;
using corvella::test::errorOf;

namespace {

const QString Sender = u"sender@example.test"_qs;

QStringList addresses(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << u"user%1@example.test"_qs.arg(i);
    return list;
}

/// A server taking `connections` connections, the first ones each accepting one message with the given number of
/// blind copies (the sender's own address comes on top), the rest closed again without a message.
QByteArrayList acceptBatches(const QList<int>& blindCopies, int connections)
{
    QByteArrayList replies;
    for (int connection = 0; connection < connections; ++connection) {
        replies << "250 hello\r\n";
        if (connection < blindCopies.size()) {
            replies << "250 reset\r\n"
                    << "250 sender ok\r\n";
            for (int i = 0; i <= blindCopies.at(connection); ++i)
                replies << "250 ok\r\n";
            replies << "354 go ahead\r\n"
                    << "250 queued\r\n";
        }
        replies << "221 bye\r\n";
    }
    return replies;
}

/// The rows as a run log last heard of them.
struct RecordingLog : RunLog {
    void runStarted(const QString&, const QDateTime&, const QList<AddressResult>& all) override
    {
        ++runs;
        rows = all;
    }
    void rowsChanged(const QList<AddressResult>& changed) override
    {
        for (const AddressResult& row : changed)
            rows[row.row - 1] = row;
    }
    /// "outcome/batch" of each row, as the report lists them.
    QStringList outcomes() const
    {
        static const char* names[] = {"not sent", "accepted", "refused", "skipped"};
        QStringList list;
        for (const AddressResult& row : rows)
            list << u"%1/%2"_qs.arg(QString::fromLatin1(names[int(row.outcome)])).arg(row.batch);
        return list;
    }
    int runs = 0;
    QList<AddressResult> rows;
};

/// A list mailer over a scripted server, recording what the server saw and the progress reported.
struct Mailing {
    explicit Mailing(QByteArrayList replies, QByteArray greeting = "220 ready\r\n")
    {
        auto owned = std::make_unique<ScriptedTransport>(std::move(greeting), std::move(replies));
        transport = owned.get();
        smtp = std::make_unique<TNMSMTP>(std::move(owned));
        mailer = std::make_unique<ListMailer>(*smtp);
        mailer->server = [] {
            MailServer server;
            server.host = u"127.0.0.1"_qs;
            server.userId = u"client.test"_qs;
            return server;
        };
        mailer->progress = [this](int percent) { progress << percent; };
        mailer->log = &log;
    }

    ListMailer::Outcome run(const QStringList& rows, int batchSize) { return mailer->run(rows, message, batchSize); }
    int count(const QString& command) const { return int(transport->commands().count(command)); }

    /// The blind copies of each message, in the order the server took them.
    QList<QStringList> messages() const
    {
        QList<QStringList> result;
        for (const QString& command : transport->commands()) {
            if (command.startsWith(u"MAIL FROM:"_qs))
                result.append(QStringList());
            else if (command.startsWith(u"RCPT TO:<"_qs) && command != u"RCPT TO:<"_qs + Sender + u'>')
                result.last() << command.mid(9).chopped(1);
        }
        return result;
    }

    ScriptedTransport* transport;
    std::unique_ptr<TNMSMTP> smtp;
    std::unique_ptr<ListMailer> mailer;
    ListMessage message{u"Sender"_qs, Sender, u"News"_qs, {u"Hello"_qs, u"all"_qs}, {}};
    QList<int> progress;
    RecordingLog log;
};

} // namespace

class ListMailerTest : public QObject {
    Q_OBJECT
private slots:
    void batches_data();
    void batches();
    void everyBatchCarriesTheSameMessage();
    void refusedRecipientKeepsTheBatch();
    void errorEndsTheRunAndClosesTheConnection();
    void stopEndsTheRunBeforeTheNextRow();
    void lostConnectionEndsTheRun();
    void addressCheck_data();
    void addressCheck();
    void faultsEndTheRunWithTheLogRight_data();
    void faultsEndTheRunWithTheLogRight();
};

void ListMailerTest::batches_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("batch");
    QTest::addColumn<QList<int>>("blindCopies"); // of each message
    QTest::addColumn<int>("connections");
    QTest::addColumn<QList<int>>("progress");

    QTest::newRow("one full batch") << addresses(200) << 200 << QList<int>{200} << 1 << QList<int>();
    QTest::newRow("three batches, the last short")
        << addresses(450) << 200 << QList<int>{200, 200, 50} << 3 << QList<int>();
    QTest::newRow("one address a connection")
        << addresses(3) << 1 << QList<int>{1, 1, 1} << 3 << QList<int>{33, 66, 100};
    QTest::newRow("empty rows skipped") << QStringList{u"a@x.test"_qs, QString(), u"  b@x.test "_qs, u"   "_qs} << 200
                                        << QList<int>{2} << 1 << QList<int>{25, 33, 66, 100};
    // The last row shrinks the count to what was sent already: one more connection without a message.
    QTest::newRow("trailing empty row after a full batch")
        << QStringList{u"a@x.test"_qs, u"b@x.test"_qs, QString()} << 2 << QList<int>{2} << 2 << QList<int>{33, 66, 100};
    QTest::newRow("every row empty") << QStringList{QString(), u" "_qs} << 200 << QList<int>{} << 1
                                     << QList<int>{0, 100};
    QTest::newRow("empty list") << QStringList() << 200 << QList<int>{} << 0 << QList<int>();
}

void ListMailerTest::batches()
{
    QFETCH(QStringList, rows);
    QFETCH(int, batch);
    QFETCH(QList<int>, blindCopies);
    QFETCH(int, connections);
    QFETCH(QList<int>, progress);

    Mailing m(acceptBatches(blindCopies, connections));
    QCOMPARE(m.run(rows, batch), ListMailer::Outcome::Finished);

    QCOMPARE(m.transport->connectCount(), connections);
    QCOMPARE(m.count(u"QUIT"_qs), connections);
    QStringList expected; // every address, trimmed, in list order
    for (const QString& row : rows) {
        if (!row.trimmed().isEmpty())
            expected << row.trimmed();
    }
    QStringList sent;
    QList<int> sizes;
    for (const QStringList& message : m.messages()) {
        sizes << int(message.size());
        sent += message;
    }
    QCOMPARE(sizes, blindCopies);
    QCOMPARE(sent, expected);
    QCOMPARE(m.mailer->sentCount(), expected.size());
    if (!progress.isEmpty())
        QCOMPARE(m.progress, progress);
    QCOMPARE(m.progress.size(), rows.size());
    if (!rows.isEmpty())
        QCOMPARE(m.progress.last(), 100);
    QVERIFY(!m.mailer->running());
    QVERIFY(!m.smtp->LinkOpen());
}

void ListMailerTest::everyBatchCarriesTheSameMessage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"price list.txt"_qs);
    QVERIFY(writeFile(path, "prices\r\n"));

    Mailing m(acceptBatches({2, 2, 1}, 3));
    m.message.attachments = QStringList{path};
    QCOMPARE(m.run(addresses(5), 2), ListMailer::Outcome::Finished);

    // The component clears To and the attachments after each send; every batch has them all the same.
    const QByteArray sent = m.transport->message();
    for (const char* line :
         {"To: sender@example.test\r\n", "Subject: News\r\n", "X-Mailer: Dorlune V2.0\r\n",
          "Content-Type: multipart/mixed; boundary=", "filename=\"price list.txt\"\r\n", "\r\ncHJpY2VzDQo=\r\n"})
        QCOMPARE(sent.count(line), 3);
    QVERIFY(!sent.contains("user1@"));
}

void ListMailerTest::refusedRecipientKeepsTheBatch()
{
    QByteArrayList replies = acceptBatches({3}, 1);
    replies[5] = "550 5.1.1 no such user\r\n"; // to the second blind copy
    Mailing m(replies);
    QCOMPARE(m.run({u"a@x.test"_qs, u"refused@x.test"_qs, u"b@x.test"_qs}, 200), ListMailer::Outcome::Finished);
    QCOMPARE(m.count(u"DATA"_qs), 1);
    QCOMPARE(m.mailer->sentCount(), 2);
}

void ListMailerTest::errorEndsTheRunAndClosesTheConnection()
{
    QByteArrayList replies = acceptBatches({2}, 1);
    replies << "250 hello\r\n"
            << "250 reset\r\n"
            << "550 5.7.1 sender rejected\r\n";
    Mailing m(replies);
    QCOMPARE(errorOf([&] { m.run(addresses(5), 2); }), u"550 5.7.1 sender rejected\r\n"_qs);
    QCOMPARE(m.mailer->sentCount(), 2);
    QCOMPARE(m.progress, (QList<int>{20, 40, 60}));
    QVERIFY(!m.mailer->running());
    // Closed without QUIT: the server that refused is not asked anything more.
    QVERIFY(!m.smtp->LinkOpen());
    QCOMPARE(m.transport->connectCount(), 2);
    QCOMPARE(m.count(u"QUIT"_qs), 1);
}

void ListMailerTest::stopEndsTheRunBeforeTheNextRow()
{
    Mailing m(acceptBatches({1, 1, 1}, 3));
    m.mailer->progress = [&](int) { m.mailer->stop(); };
    QCOMPARE(m.run(addresses(3), 1), ListMailer::Outcome::Stopped);
    QCOMPARE(m.messages(), QList<QStringList>{{u"user1@example.test"_qs}});
    QCOMPARE(m.mailer->sentCount(), 1);
    QVERIFY(!m.mailer->running());
}

void ListMailerTest::lostConnectionEndsTheRun()
{
    Mailing m(acceptBatches({}, 1));
    m.smtp->OnConnect = [](TPowersock& sender) { sender.TPowersock::Disconnect(); };
    QCOMPARE(m.run(addresses(2), 1), ListMailer::Outcome::NoConnection);
    QCOMPARE(m.transport->connectCount(), 1);
    QVERIFY(m.messages().isEmpty());
    QVERIFY(m.progress.isEmpty());
}

void ListMailerTest::addressCheck_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("problem"); // a word of the reason; empty for a mailbox
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"user@example.test", u""},
        {u"  first.last+tag@sub.example.test ", u""},
        {u"Ayşe Kaya <ayse@example.test>", u""}, // the display name does not go into RCPT TO
        {u"\"odd box\"@example.test", u""},
        {u"user@[127.0.0.1]", u""},
        {u"user@localhost", u""},
        {u"", u"No address"},
        {u"   ", u"No address"},
        {u"user@example.test\r\nRCPT TO:<x@y.test>", u"control"},
        {u"user\t@example.test", u"control"},
        {u"us er@example.test", u"space"},
        {u"userexample.test", u"no \"@\""},
        {u"a@b@example.test", u"more than one"},
        {u".user@example.test", u"before"},
        {u"us..er@example.test", u"before"},
        {u"user@", u"no domain"},
        {u"user@-bad-.test", u"domain"},
        {u"user@exa_mple.test", u"domain"},
        {u"user@example..test", u"domain"},
        {u"ayşe@example.test", u"letter"},
    };
    for (const auto& [entry, problem] : rows)
        QTest::newRow(qPrintable(QString::fromUtf16(entry).toHtmlEscaped()))
            << QString::fromUtf16(entry) << QString::fromUtf16(problem);
    QTest::newRow("local part of 65") << QString(65, u'a') + u"@example.test" << u"before"_qs;
    QTest::newRow("label of 64") << u"user@"_qs + QString(64, u'a') + u".test" << u"domain"_qs;
}

void ListMailerTest::addressCheck()
{
    QFETCH(QString, entry);
    QFETCH(QString, problem);
    const QString found = addressProblem(entry);
    if (problem.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found));
    else
        QVERIFY2(found.contains(problem, Qt::CaseInsensitive), qPrintable(found));
}

void ListMailerTest::faultsEndTheRunWithTheLogRight_data()
{
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArrayList>("replies"); // the whole script, every connection's replies in turn
    QTest::addColumn<bool>("login");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("log");

    // The first connection takes the first two addresses; the second is broken at each step of its dialogue.
    const QByteArrayList first = acceptBatches({2}, 1);
    const QByteArrayList second{"250 hello\r\n", "250 reset\r\n",    "250 sender ok\r\n", "250 ok\r\n",
                                "250 ok\r\n",    "354 go ahead\r\n", "250 queued\r\n",    "221 bye\r\n"};
    const char* steps[] = {"HELO", "RSET",          "MAIL", "RCPT of the address", "RCPT of the sender",
                           "DATA", "the final dot", "QUIT"};
    const QStringList secondNotSent{u"accepted/1"_qs, u"accepted/1"_qs, u"not sent/2"_qs, u"skipped/0"_qs};
    const QStringList secondNotStarted{u"accepted/1"_qs, u"accepted/1"_qs, u"not sent/0"_qs, u"skipped/0"_qs};
    const QStringList secondSent{u"accepted/1"_qs, u"accepted/1"_qs, u"accepted/2"_qs, u"skipped/0"_qs};
    const QString closed = u"Connection closed by the server"_qs;
    const QString closing = u"421 4.3.2 closing\r\n"_qs;
    const QString garbage = u"\x16\x03\x01 hello\r\n"_qs;
    const QString stalled = u"The server did not answer within 0.3 s (Socket readln aborted)"_qs;
    const QString tooLong = u"Line longer than the line buffer of 65536 bytes"_qs;
    // What each step's fault ends the run with; the final dot and QUIT name the phase they broke in.
    const QString duringData = u"The server closed the connection during DATA (%1)"_qs;
    const QString errors[][4] = {
        {closed, u"Authentication failed"_qs, garbage, tooLong},
        {closed, closing, garbage, tooLong},
        {closed, closing, garbage, tooLong},
        {closed, closing, garbage, tooLong},
        {closed, closing, garbage, tooLong},
        {duringData.arg(closed), closing, garbage, duringData.arg(tooLong)},
        {duringData.arg(closed), closing, garbage, duringData.arg(tooLong)},
        // The message is accepted by then: a close goes by, a refusal still ends the run.
        {QString(), closing, QString(), tooLong},
    };
    const QByteArray faults[] = {QByteArray(), closing.toLatin1(), garbage.toLatin1(),
                                 "250-" + QByteArray(100 * 1024, 'x') + "\r\n250 ok\r\n"};
    const char* faultNames[] = {"dropped at", "421 at", "garbage at", "100 kB line at"};
    for (int step = 0; step < int(std::size(steps)); ++step) {
        for (int fault = 0; fault < int(std::size(faults)); ++fault) {
            QByteArrayList replies = first + second.mid(0, step);
            replies << faults[fault];
            QTest::addRow("%s %s", faultNames[fault], steps[step])
                << QByteArray("220 ready\r\n") << replies << false << errors[step][fault]
                << (step == 7   ? secondSent
                    : step == 0 ? secondNotStarted
                                : secondNotSent);
        }
    }
    QTest::newRow("no answer to the final dot")
        << QByteArray("220 ready\r\n") << first + second.mid(0, 6) + QByteArrayList{"250 que"} << false << stalled
        << secondNotSent;
    QTest::newRow("no answer to MAIL") << QByteArray("220 ready\r\n")
                                       << first + second.mid(0, 2) + QByteArrayList{"250 sen"} << false << stalled
                                       << secondNotSent;
    QTest::newRow("every recipient refused")
        << QByteArray("220 ready\r\n")
        << first + QByteArrayList{"250 hello\r\n",
                                  "250 reset\r\n",
                                  "250 sender ok\r\n",
                                  "554 5.7.1 relay denied\r\n",
                                  "554 5.7.1 relay denied\r\n",
                                  "503 5.5.1 no valid recipients\r\n"}
        << false << u"503 5.5.1 no valid recipients\r\n"_qs
        << QStringList{u"accepted/1"_qs, u"accepted/1"_qs, u"refused/2"_qs, u"skipped/0"_qs};

    // Faults before the first message: nothing is sent.
    const QStringList noneSent{u"not sent/0"_qs, u"not sent/0"_qs, u"not sent/0"_qs, u"skipped/0"_qs};
    QTest::newRow("greeting that is not SMTP")
        << QByteArray("\x16\x03\x01 hello\r\n") << QByteArrayList() << false
        << u"The server's greeting is not SMTP: \\x16\\x03\\x01 hello"_qs << noneSent;
    QTest::newRow("dropped at the greeting") << QByteArray() << QByteArrayList() << false << closed << noneSent;
    QTest::newRow("421 greeting") << closing.toLatin1() << QByteArrayList() << false << closing << noneSent;
    const QByteArray ehlo = "250-mail.test\r\n250 AUTH PLAIN\r\n";
    QTest::newRow("dropped at EHLO") << QByteArray("220 ready\r\n") << QByteArrayList{QByteArray()} << true << closed
                                     << noneSent;
    QTest::newRow("dropped at AUTH") << QByteArray("220 ready\r\n") << QByteArrayList{ehlo, QByteArray()} << true
                                     << closed << noneSent;
    QTest::newRow("421 at AUTH") << QByteArray("220 ready\r\n") << QByteArrayList{ehlo, closing.toLatin1()} << true
                                 << closing << noneSent;
    QTest::newRow("garbage at AUTH") << QByteArray("220 ready\r\n") << QByteArrayList{ehlo, garbage.toLatin1()} << true
                                     << garbage << noneSent;
}

void ListMailerTest::faultsEndTheRunWithTheLogRight()
{
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArrayList, replies);
    QFETCH(bool, login);
    QFETCH(QString, error);
    QFETCH(QStringList, log);

    Mailing m(replies, greeting);
    if (login) {
        m.mailer->server = [] {
            MailServer server;
            server.host = u"127.0.0.1"_qs;
            server.userId = u"client.test"_qs;
            server.password = u"secret"_qs;
            server.allowPlainTextLogin = true;
            return server;
        };
    }
    m.smtp->SetTimeOut(300);
    const QStringList rows{u"a@x.test"_qs, u"b@x.test"_qs, u"c@x.test"_qs, u"bad\r\nd@x.test"_qs};
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { m.run(rows, 2); }), error);
    // Within the time-out for a stalled server, at once for any other fault (a loaded machine gets its margin).
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m.log.runs, 1);
    QCOMPARE(m.log.outcomes(), log);
    // The mailer's own account, which the report and a resume read, is the log's.
    for (qsizetype i = 0; i < rows.size(); ++i)
        QCOMPARE(m.mailer->results().at(i).outcome, m.log.rows.at(i).outcome);
    QCOMPARE(m.mailer->sentCount(), log.count(u"accepted/1"_qs) + log.count(u"accepted/2"_qs));
    // Rows not sent or refused are left for a resume.
    QCOMPARE(m.mailer->canResume(), !log.filter(QRegularExpression(u"^(not sent|refused)"_qs)).isEmpty());
    QVERIFY(!m.smtp->LinkOpen());
    if (log.contains(u"refused/2"_qs))
        QCOMPARE(m.log.rows.at(2).detail, u"554 5.7.1 relay denied"_qs);
}

QTEST_GUILESS_MAIN(ListMailerTest)
#include "tst_listmailer.moc"
