#include "ErrorOf.h"
#include "MailServers.h"

#include "core/ScopeGuard.h"
#include "mail/HandlerError.h"
#include "mail/SmtpReply.h"
#include "mail/SocketErrorText.h"
#include "mail/TPowersock.h"
#include "mail/TThreadTimer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace corvella;
using namespace corvella::mail;
using corvella::test::errorOf;

namespace {

/// A server on 127.0.0.1 in this thread: greets, answers each complete line with the next reply, records input.
class LineServer : public QObject {
public:
    explicit LineServer(QByteArray greeting = {}, QByteArrayList replies = {})
        : m_greeting(std::move(greeting))
        , m_replies(std::move(replies))
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_client = m_server.nextPendingConnection();
            connect(m_client, &QTcpSocket::readyRead, this, [this] {
                received += m_client->readAll();
                while (!m_replies.isEmpty() && received.count('\n') > m_answered) {
                    ++m_answered;
                    m_client->write(m_replies.takeFirst());
                }
            });
            if (!m_greeting.isEmpty())
                m_client->write(m_greeting);
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    void send(const QByteArray& bytes) { m_client->write(bytes); }
    void close() { m_client->disconnectFromHost(); }
    QByteArray received;

private:
    QTcpServer m_server;
    QTcpSocket* m_client = nullptr;
    QByteArray m_greeting;
    QByteArrayList m_replies;
    qsizetype m_answered = 0;
};

void connectTo(TPowersock& socket, quint16 port)
{
    socket.SetHost(u"127.0.0.1"_qs);
    socket.SetPort(port);
    socket.Connect();
}

} // namespace

class MailSocketTest : public QObject {
    Q_OBJECT
private slots:
    void dottedHostConnectsWithoutLookup();
    void endlessReplyIsBounded_data();
    void endlessReplyIsBounded();
    void hostNameIsLookedUp();
    void invalidHostHasOneChance_data();
    void invalidHostHasOneChance();
    void refusedConnectionIsReportedWithItsCode();
    void connectWhileConnected();
    void twoLinesInOnePacketAreReadOneByOne();
    void replyCodes_data();
    void replyCodes();
    void orderlyCloseGivesAnEmptyLine();
    void closeWithNothingWaitingClosesTheSocket();
    void handlerErrorsFromTheEventLoopReachTheSink();
    void reportLevels_data();
    void reportLevels();
    void longWriteIsSentWhole();
    void overlongLineIsAnError();
    void timeOutEndsTheWait();
    void cancelEndsTheWaitAtOnce();
    void pendingCancelStopsTheNextTransfer();
    void streamIsSentWithProgress();
    void operationsNeedAConnection();
    void errorTexts_data();
    void errorTexts();
};

void MailSocketTest::dottedHostConnectsWithoutLookup()
{
    LineServer server;
    TPowersock socket;
    int resolved = 0;
    int connected = 0;
    socket.OnHostResolved = [&](TPowersock&) { ++resolved; };
    socket.OnConnect = [&](TPowersock& sender) {
        QCOMPARE(&sender, &socket);
        ++connected;
    };
    connectTo(socket, server.port());
    QVERIFY(socket.LinkOpen());
    QCOMPARE(resolved, 0);
    QCOMPARE(connected, 1);
    QCOMPARE(socket.RemoteAddress(), quint32(0x7F000001));
}

void MailSocketTest::hostNameIsLookedUp()
{
    LineServer server;
    TPowersock socket;
    int resolved = 0;
    socket.OnHostResolved = [&](TPowersock&) { ++resolved; };
    socket.SetHost(u"localhost"_qs); // from the hosts file: no name server is asked
    socket.SetPort(server.port());
    socket.Connect();
    QVERIFY(socket.LinkOpen());
    QCOMPARE(resolved, 1);
    QCOMPARE(socket.RemoteAddress(), quint32(0x7F000001));
}

void MailSocketTest::invalidHostHasOneChance_data()
{
    QTest::addColumn<bool>("withHandler");
    QTest::addColumn<QString>("newHost");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<int>("calls");
    QTest::addColumn<QString>("error");
    // Names with empty labels fail inside the resolver without asking a name server.
    QTest::newRow("no handler") << false << QString() << false << 0 << u"Null Remote Address"_qs;
    QTest::newRow("handler gives up") << true << QString() << false << 1 << u"Null Remote Address"_qs;
    QTest::newRow("handler corrects") << true << u"127.0.0.1"_qs << true << 1 << QString();
    QTest::newRow("correction fails too: not asked again")
        << true << u"still..wrong"_qs << true << 1 << u"Null Remote Address"_qs;
}

void MailSocketTest::invalidHostHasOneChance()
{
    QFETCH(bool, withHandler);
    QFETCH(QString, newHost);
    QFETCH(bool, handled);
    QFETCH(int, calls);
    QFETCH(QString, error);
    LineServer server;
    TPowersock socket;
    int asked = 0;
    if (withHandler) {
        socket.OnInvalidHost = [&](TPowersock& sender, bool& isHandled) {
            ++asked;
            QVERIFY(!isHandled);
            sender.SetHost(newHost);
            isHandled = handled;
        };
    }
    socket.SetHost(u"no..such..host"_qs);
    socket.SetPort(server.port());
    QCOMPARE(errorOf([&] { socket.Connect(); }), error);
    QCOMPARE(asked, calls);
    QCOMPARE(socket.LinkOpen(), error.isEmpty());
}

void MailSocketTest::refusedConnectionIsReportedWithItsCode()
{
    const quint16 closedPort = freeLoopbackPort();
    TPowersock socket;
    int failed = 0;
    socket.OnConnectionFailed = [&](TPowersock&) { ++failed; };
    QCOMPARE(errorOf([&] { connectTo(socket, closedPort); }), u"Connection Failed"_qs);
    QCOMPARE(failed, 1);
    QCOMPARE(socket.SocketErrorCode(), 10061);
    QCOMPARE(socket.LookupErrorMessage(socket.SocketErrorCode()), u"10061:Connection refused"_qs);
    QVERIFY(!socket.LinkOpen());

    LineServer server; // the component is ready for the next attempt
    connectTo(socket, server.port());
    QVERIFY(socket.LinkOpen());
}

void MailSocketTest::connectWhileConnected()
{
    LineServer server;
    TPowersock socket;
    connectTo(socket, server.port());
    QCOMPARE(errorOf([&] { socket.Connect(); }), u"Already connected"_qs);
    int disconnected = 0;
    socket.OnDisconnect = [&](TPowersock&) { ++disconnected; };
    socket.Disconnect();
    QCOMPARE(disconnected, 1);
    QVERIFY(!socket.LinkOpen());
    connectTo(socket, server.port());
    QVERIFY(socket.LinkOpen());
}

void MailSocketTest::twoLinesInOnePacketAreReadOneByOne()
{
    LineServer server("220 first\r\n250 second\r\n");
    TPowersock socket;
    connectTo(socket, server.port());
    QCOMPARE(socket.ReadLn(), u"220 first\r\n"_qs);
    QVERIFY(socket.DataAvailable()); // the second line waits in the socket until asked for
    QCOMPARE(socket.ReadLn(), u"250 second\r\n"_qs);
    QVERIFY(!socket.DataAvailable());
    server.send("354 bare line feed\n");
    QCOMPARE(socket.ReadLn(), u"354 bare line feed\n"_qs);
}

void MailSocketTest::replyCodes_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("code");
    QTest::newRow("354 and a blank") << QByteArray("354 go ahead\r\n") << 354;
    QTest::newRow("continuation line") << QByteArray("250-first\r\n") << 250;
    QTest::newRow("no leading digits") << QByteArray("hello 250\r\n") << 0;
    QTest::newRow("more than 16 bits") << QByteArray("99999 big\r\n") << 0;
    QTest::newRow("more than ten digits") << QByteArray("12345678901 huge\r\n") << 0;
}

void MailSocketTest::replyCodes()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, code);
    LineServer server({}, {reply});
    TPowersock socket;
    connectTo(socket, server.port());
    QCOMPARE(socket.Transaction(u"NOOP"_qs), QString::fromLatin1(reply));
    QCOMPARE(socket.ReplyCode(), code);
    QCOMPARE(socket.ReplyText(), QString::fromLatin1(reply));
    QCOMPARE(server.received, QByteArray("NOOP\r\n"));
}

void MailSocketTest::orderlyCloseGivesAnEmptyLine()
{
    LineServer server("221 bye\r\n");
    TPowersock socket;
    connectTo(socket, server.port());
    QTimer::singleShot(20, &server, [&] { server.close(); });
    QTest::qWait(60); // the close arrives while the line still waits
    QCOMPARE(socket.ReadLn(), u"221 bye\r\n"_qs);
    QCOMPARE(socket.ReadLn(), QString());
    QCOMPARE(socket.ReadLn(), QString());
}

void MailSocketTest::closeWithNothingWaitingClosesTheSocket()
{
    LineServer server;
    TPowersock socket;
    int disconnected = 0;
    socket.OnDisconnect = [&](TPowersock&) { ++disconnected; };
    connectTo(socket, server.port());
    QTimer::singleShot(20, &server, [&] { server.close(); });
    QCOMPARE(socket.ReadLn(), QString());
    QCOMPARE(disconnected, 1);
    QVERIFY(!socket.LinkOpen());
    QCOMPARE(errorOf([&] { socket.Writeln(u"QUIT"_qs); }), u"10057:Socket is not connected"_qs);
}

void MailSocketTest::handlerErrorsFromTheEventLoopReachTheSink()
{
    QStringList reported;
    ScopeExit restore([previous = setHandlerErrorSink([&](const QString& message) { reported << message; })] {
        setHandlerErrorSink(previous);
    });
    // A close by the peer, with no operation running that could pass the error on.
    LineServer server;
    TPowersock socket;
    socket.OnDisconnect = [](TPowersock&) { throw Error(u"status display failed"_qs); };
    connectTo(socket, server.port());
    server.close();
    QTRY_VERIFY(!socket.LinkOpen());
    QCOMPARE(reported, QStringList{u"status display failed"_qs});

    TThreadTimer timer;
    timer.SetInterval(1);
    timer.SetOnTimer([](TThreadTimer& sender) {
        sender.SetEnabled(false);
        throw Error(u"timer handler failed"_qs);
    });
    QTRY_COMPARE(reported.size(), 2);
    QCOMPARE(reported.last(), u"timer handler failed"_qs);
}

void MailSocketTest::reportLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("0: nothing") << 0 << QStringList();
    QTest::newRow("1: server replies") << 1 << QStringList({u"250 ok\r\n"_qs});
    QTest::newRow("4: sends and closes too")
        << 4 << QStringList({u"Sending Buffer"_qs, u"250 ok\r\n"_qs, u"Request Close Socket"_qs});
    QTest::newRow("8: every step") << 8
                                   << QStringList({u"Connecting"_qs, u"Resolve Host"_qs, u"Timer On"_qs,
                                                   u"Timer Off"_qs, u"Transaction"_qs, u"Writeln"_qs, u"Write"_qs,
                                                   u"Sending Buffer"_qs, u"Timer On"_qs, u"Timer Off"_qs, u"ReadLn"_qs,
                                                   u"Timer On"_qs, u"Timer Off"_qs, u"250 ok\r\n"_qs,
                                                   u"Disconnecting"_qs, u"Request Close Socket"_qs});
}

void MailSocketTest::reportLevels()
{
    QFETCH(int, level);
    QFETCH(QStringList, expected);
    LineServer server({}, {"250 ok\r\n"});
    TPowersock socket;
    QStringList reported;
    socket.OnStatus = [&](TPowersock&, const QString& status) {
        reported << status;
        throw Error(u"a failing status display stops nothing"_qs);
    };
    socket.SetReportLevel(level);
    connectTo(socket, server.port());
    socket.Transaction(u"NOOP"_qs);
    socket.Disconnect();
    QCOMPARE(reported, expected);
    QCOMPARE(socket.StatusText(), expected.isEmpty() ? QString() : expected.last());
}

void MailSocketTest::longWriteIsSentWhole()
{
    LineServer server;
    TPowersock socket;
    connectTo(socket, server.port());
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += u"%1 "_qs.arg(i, 9);
    QVERIFY(text.size() >= 200000);
    socket.Writeln(text);
    QTRY_COMPARE(server.received.size(), text.size() + 2);
    QCOMPARE(server.received, text.toLatin1() + "\r\n");
}

void MailSocketTest::overlongLineIsAnError()
{
    LineServer server;
    TPowersock socket;
    connectTo(socket, server.port());
    server.send(QByteArray(70000, 'x') + "\r\n");
    QCOMPARE(errorOf([&] { socket.ReadLn(); }), u"Line longer than the line buffer of 65536 bytes"_qs);

    socket.Disconnect();
    LineServer exact;
    connectTo(socket, exact.port());
    exact.send(QByteArray(65534, 'y') + "\r\n"); // just fits, terminator included
    QCOMPARE(socket.ReadLn().size(), 65536);
}

void MailSocketTest::timeOutEndsTheWait()
{
    LineServer server; // never says anything
    TPowersock socket;
    socket.SetTimeOut(300);
    connectTo(socket, server.port());
    QElapsedTimer clock;
    clock.start();
    try {
        socket.ReadLn();
        QFAIL("the read should have timed out");
    } catch (const EAbortError& error) {
        QCOMPARE(error.message(), u"Socket readln aborted"_qs);
    }
    QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(socket.TimeoutFlag());
    QVERIFY(!socket.CancelFlag()); // the error consumed it: the component can go on
    server.send("250 late\r\n");
    QCOMPARE(socket.ReadLn(), u"250 late\r\n"_qs);
}

void MailSocketTest::cancelEndsTheWaitAtOnce()
{
    LineServer server;
    TPowersock socket; // no time-out: only the cancel can end this wait
    connectTo(socket, server.port());
    int ticks = 0;
    QTimer ticker; // the event loop keeps running during the wait
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(5);
    QTimer::singleShot(100, this, [&] { socket.Abort(); });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(errorOf([&] { socket.ReadLn(); }), u"Socket readln aborted"_qs);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks >= 5);
    QVERIFY(!socket.TimeoutFlag());
}

void MailSocketTest::pendingCancelStopsTheNextTransfer()
{
    LineServer server("220 waiting\r\n");
    TPowersock socket;
    connectTo(socket, server.port());
    QTest::qWait(50);
    socket.Cancel();
    QCOMPARE(errorOf([&] { socket.ReadLn(); }), u"Socket readln aborted"_qs);
    QCOMPARE(socket.ReadLn(), u"220 waiting\r\n"_qs);
    socket.Cancel();
    QCOMPARE(errorOf([&] { socket.Writeln(u"NOOP"_qs); }), u"Socket send aborted"_qs);
    QTest::qWait(50);
    QCOMPARE(server.received, QByteArray());
}

void MailSocketTest::streamIsSentWithProgress()
{
    LineServer server;
    TPowersock socket;
    connectTo(socket, server.port());
    QByteArray data(3 * 1024 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = char(i * 7);
    QBuffer stream(&data);
    stream.open(QIODevice::ReadOnly);
    stream.seek(100); // sent from its start all the same
    QList<qint64> progress;
    socket.OnPacketSent = [&](TPowersock& sender) { progress << sender.SentBytes(); };
    socket.SendStream(stream);
    QCOMPARE(socket.StreamBytes(), data.size());
    QCOMPARE(socket.SentBytes(), data.size());
    QVERIFY(!progress.isEmpty());
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));
    QCOMPARE(progress.last(), data.size());
    QTRY_COMPARE(server.received.size(), data.size());
    QCOMPARE(server.received, data);
}

void MailSocketTest::operationsNeedAConnection()
{
    TPowersock socket;
    QCOMPARE(errorOf([&] { socket.ReadLn(); }), u"10057:Socket is not connected"_qs);
    QCOMPARE(errorOf([&] { socket.Writeln(u"NOOP"_qs); }), u"10057:Socket is not connected"_qs);
    QCOMPARE(errorOf([&] { socket.CheckConnection(); }), u"Not Connected"_qs);

    LineServer server;
    int asked = 0;
    socket.OnConnectionRequired = [&](TPowersock& sender, bool& handled) {
        ++asked;
        handled = true;
        connectTo(sender, server.port());
    };
    socket.CheckConnection();
    QCOMPARE(asked, 1);
    QVERIFY(socket.LinkOpen());
}

void MailSocketTest::errorTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("first row") << 10004 << u"10004:Interrupted system call"_qs;
    QTest::newRow("refused") << 10061 << u"10061:Connection refused"_qs;
    QTest::newRow("long row") << 10047 << u"10047:Address family not supported by protocol family"_qs;
    QTest::newRow("last row") << 11004 << u"11004:Valid name, no data record of requested type"_qs;
    QTest::newRow("not in the table") << 10005 << u"Unknown Error No. 10005"_qs;
}

void MailSocketTest::errorTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(socketErrorText(code), text);
}

void MailSocketTest::endlessReplyIsBounded_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("intervalMs"); // between lines; 0 sends them all at once
    QTest::addColumn<QString>("error");
    // Each line comes well within the time-out, so only one deadline for the whole reply can end it.
    QTest::newRow("slow continuation lines") << QByteArray("250-more\r\n") << 200 << 20 << u"Socket readln aborted"_qs;
    QTest::newRow("many lines") << QByteArray("250-more\r\n") << 600 << 0
                                << u"The server's reply ran past 512 lines"_qs;
    QTest::newRow("long lines") << "250-" + QByteArray(990, 'x') + "\r\n"
                                << 100 << 0 << u"The server's reply ran past 65536 bytes"_qs;
}

void MailSocketTest::endlessReplyIsBounded()
{
    QFETCH(QByteArray, line);
    QFETCH(int, count);
    QFETCH(int, intervalMs);
    QFETCH(QString, error);

    LineServer server;
    TPowersock socket;
    socket.SetTimeOut(300);
    connectTo(socket, server.port());
    QTimer drip;
    int sent = 0;
    connect(&drip, &QTimer::timeout, this, [&] {
        server.send(line);
        if (++sent == count)
            drip.stop();
    });
    if (intervalMs == 0)
        server.send(line.repeated(count));
    else
        drip.start(intervalMs);
    QElapsedTimer clock;
    clock.start();
    ReplyReader reader(socket);
    QCOMPARE(errorOf([&] { reader.command(u"EHLO client.test"_qs); }), error);
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(MailSocketTest)
#include "tst_mailsocket.moc"
