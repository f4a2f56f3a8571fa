#include "ErrorOf.h"
#include "MailServers.h"

#include "mail/TNMSMTP.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSslCertificate>
#include <QTest>

using namespace corvella;
using namespace corvella::mail;
using corvella::test::errorOf;

namespace {

void fillMessage(TNMSMTP& smtp)
{
    TPostMessage& m = smtp.PostMessage();
    m.FromName = u"Ali"_qs;
    m.FromAddress = u"ali@example.com"_qs;
    m.ToAddress = QStringList{u"veli@example.com"_qs};
    m.Subject = u"Secured"_qs;
    m.Body = QStringList{u"Over a logged-in connection."_qs};
}

/// Starts `server` with `options` and aims `smtp`, holding the message, at it; false when the server did not start.
bool startAndAim(RecordingSmtpServer& server, const QStringList& options, TNMSMTP& smtp)
{
    const quint16 port = server.start(options);
    if (port == 0)
        return false;
    smtp.SetHost(u"127.0.0.1"_qs);
    smtp.SetPort(port);
    smtp.SetUserID(u"ali"_qs);
    smtp.SetTimeOut(5000);
    fillMessage(smtp);
    return true;
}

} // namespace

/// Login, EHLO and encryption against aiosmtpd, judged by what the server recorded.
class SmtpSecurityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noSecurityKeepsThePlainDialogue();
    void loginDelivers_data();
    void loginDelivers();
    void wrongPasswordSendsNothing();
    void encryptedLoginDelivers_data();
    void encryptedLoginDelivers();
    void untrustedCertificateStopsBeforeLogin();
    void serverWithoutStartTls();
    void tooManyRecipientsGoInASecondTransaction_data();
    void tooManyRecipientsGoInASecondTransaction();

private:
    QStringList tlsOptions(const QString& mode) const
    {
        return {mode, m_certificate.certificatePath(), m_certificate.keyPath()};
    }

    SelfSignedCertificate m_certificate;
    QByteArray m_digest;
};

void SmtpSecurityTest::initTestCase()
{
    QVERIFY2(m_certificate.create(), qPrintable(m_certificate.error()));
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(m_certificate.certificatePath());
    QCOMPARE(certificates.size(), 1);
    m_digest = certificates.first().digest(QCryptographicHash::Sha256);
}

void SmtpSecurityTest::noSecurityKeepsThePlainDialogue()
{
    RecordingSmtpServer server;
    TNMSMTP smtp;
    QVERIFY2(startAndAim(server, {}, smtp), qPrintable(server.error()));
    smtp.Connect();
    smtp.SendMail();
    smtp.Disconnect();
    QCOMPARE(server.messageCount(), 1);
    const QJsonObject received = server.message(1);
    QCOMPARE(server.sessionCount(), 1);
    QCOMPARE(server.commands(1), QStringList({u"HELO ali"_qs, u"RSET"_qs, u"MAIL FROM:<ali@example.com>"_qs,
                                              u"RCPT TO:<veli@example.com>"_qs, u"DATA"_qs, u"."_qs, u"QUIT"_qs}));
    QCOMPARE(received.value(u"login"_qs).toString(), QString());
    QVERIFY(smtp.Extensions().isEmpty());
}

void SmtpSecurityTest::loginDelivers_data()
{
    QTest::addColumn<QStringList>("exclude");
    QTest::newRow("AUTH PLAIN") << QStringList{u"--exclude-auth"_qs, u"LOGIN"_qs};
    QTest::newRow("AUTH LOGIN") << QStringList{u"--exclude-auth"_qs, u"PLAIN"_qs};
}

void SmtpSecurityTest::loginDelivers()
{
    QFETCH(QStringList, exclude);
    RecordingSmtpServer server;
    TNMSMTP smtp;
    const QStringList options{u"--login"_qs, u"ali"_qs, u"s3cret pass"_qs, u"--plain-text-login"_qs};
    QVERIFY2(startAndAim(server, options + exclude, smtp), qPrintable(server.error()));
    smtp.SetPassword(u"s3cret pass"_qs);
    smtp.SetAllowPlainTextLogin(true);
    smtp.Connect();
    QVERIFY(smtp.Extensions().has(u"AUTH"_qs));
    smtp.SendMail();
    smtp.Disconnect();
    QCOMPARE(server.messageCount(), 1);
    const QJsonObject received = server.message(1);
    QCOMPARE(received.value(u"extended"_qs).toBool(), true);
    QCOMPARE(received.value(u"login"_qs).toString(), u"ali"_qs);
    QCOMPARE(received.value(u"subject"_qs).toString(), u"Secured"_qs);
    QVERIFY(received.value(u"raw"_qs).toString().contains(u"\r\nMessage-ID: <"_qs));
}

void SmtpSecurityTest::wrongPasswordSendsNothing()
{
    RecordingSmtpServer server;
    TNMSMTP smtp;
    QVERIFY2(startAndAim(server, {u"--login"_qs, u"ali"_qs, u"right"_qs, u"--plain-text-login"_qs}, smtp),
             qPrintable(server.error()));
    smtp.SetPassword(u"wrong"_qs);
    smtp.SetAllowPlainTextLogin(true);
    const QString error = errorOf([&] { smtp.Connect(); });
    QVERIFY2(error.startsWith(u"535 "_qs), qPrintable(error));
    QVERIFY(!error.contains(u"wrong"_qs));
    QVERIFY(!smtp.LinkOpen());
    QCOMPARE(server.messageCount(), 0);
    const QStringList commands = server.commands(1);
    QCOMPARE(commands.first(), u"EHLO ali"_qs);
    QVERIFY(commands.at(1).startsWith(u"AUTH PLAIN "_qs));
    QCOMPARE(commands.mid(2), QStringList{u"QUIT"_qs});
}

void SmtpSecurityTest::encryptedLoginDelivers_data()
{
    QTest::addColumn<bool>("implicit");
    QTest::addColumn<QString>("method");
    QTest::newRow("STARTTLS, AUTH PLAIN") << false << u"PLAIN"_qs;
    QTest::newRow("STARTTLS, AUTH LOGIN") << false << u"LOGIN"_qs;
    QTest::newRow("TLS from the first byte, AUTH PLAIN") << true << u"PLAIN"_qs;
}

void SmtpSecurityTest::encryptedLoginDelivers()
{
    QFETCH(bool, implicit);
    QFETCH(QString, method);
    RecordingSmtpServer server;
    TNMSMTP smtp;
    const QStringList options = QStringList{u"--login"_qs, u"ali"_qs, u"s3cret"_qs, u"--exclude-auth"_qs,
                                            method == u"PLAIN"_qs ? u"LOGIN"_qs : u"PLAIN"_qs} +
                                tlsOptions(implicit ? u"--implicit-tls"_qs : u"--starttls"_qs);
    QVERIFY2(startAndAim(server, options, smtp), qPrintable(server.error()));
    smtp.SetHost(u"localhost"_qs); // the name the certificate is made out to
    smtp.SetSecurity(implicit ? SmtpSecurity::ImplicitTls : SmtpSecurity::StartTls);
    smtp.SetPassword(u"s3cret"_qs);
    smtp.AcceptCertificate(m_digest); // the user has seen this fingerprint and accepted it
    smtp.Connect();
    QVERIFY(smtp.Encrypted());
    QCOMPARE(smtp.Extensions().parameters(u"AUTH"_qs), QStringList{method});
    QVERIFY(!smtp.Extensions().has(u"STARTTLS"_qs)); // the list was asked for again inside TLS
    smtp.SendMail();
    smtp.Disconnect();
    QCOMPARE(server.messageCount(), 1);
    const QJsonObject received = server.message(1);
    QCOMPARE(received.value(u"tls"_qs).toBool(), true);
    QCOMPARE(received.value(u"login"_qs).toString(), u"ali"_qs);
    QCOMPARE(received.value(u"subject"_qs).toString(), u"Secured"_qs);
}

void SmtpSecurityTest::untrustedCertificateStopsBeforeLogin()
{
    RecordingSmtpServer server;
    TNMSMTP smtp;
    QVERIFY2(
        startAndAim(server, QStringList{u"--login"_qs, u"ali"_qs, u"s3cret"_qs} + tlsOptions(u"--starttls"_qs), smtp),
        qPrintable(server.error()));
    smtp.SetHost(u"localhost"_qs);
    smtp.SetSecurity(SmtpSecurity::StartTls);
    smtp.SetPassword(u"s3cret"_qs);
    // An exception for some other certificate does not cover this one.
    smtp.AcceptCertificate(QCryptographicHash::hash("another certificate", QCryptographicHash::Sha256));
    const QString error = errorOf([&] { smtp.Connect(); });
    QVERIFY2(error.startsWith(u"TLS handshake failed: "_qs), qPrintable(error));
    QVERIFY2(error.contains(u"self-signed"_qs, Qt::CaseInsensitive), qPrintable(error));
    QCOMPARE(smtp.RefusedCertificateSha256(), m_digest); // what the user is shown to decide on
    QVERIFY(!smtp.LinkOpen());
    QCOMPARE(server.messageCount(), 0);
    // Not a byte after the failed handshake: no login, not even QUIT.
    QCOMPARE(server.commands(1), QStringList({u"EHLO ali"_qs, u"STARTTLS"_qs}));

    smtp.AcceptCertificate(m_digest);
    smtp.Connect();
    QVERIFY(smtp.Encrypted());
    smtp.SendMail();
    smtp.Disconnect();
    QCOMPARE(server.messageCount(), 1);

    // Withdrawn, the exception no longer holds for the same socket's next connection.
    smtp.AcceptCertificate(QByteArray());
    QVERIFY(errorOf([&] { smtp.Connect(); }).startsWith(u"TLS handshake failed: "_qs));
    QVERIFY(!smtp.LinkOpen());
}

void SmtpSecurityTest::serverWithoutStartTls()
{
    RecordingSmtpServer server;
    TNMSMTP smtp;
    QVERIFY2(startAndAim(server, {u"--login"_qs, u"ali"_qs, u"s3cret"_qs, u"--plain-text-login"_qs}, smtp),
             qPrintable(server.error()));
    smtp.SetSecurity(SmtpSecurity::StartTls);
    smtp.SetPassword(u"s3cret"_qs);
    QCOMPARE(errorOf([&] { smtp.Connect(); }), u"The server does not offer STARTTLS; nothing was sent unencrypted"_qs);
    QVERIFY(!smtp.LinkOpen());
    QCOMPARE(server.messageCount(), 0);
}

void SmtpSecurityTest::tooManyRecipientsGoInASecondTransaction_data()
{
    QTest::addColumn<bool>("pipelining");
    QTest::newRow("HELO, one command at a time") << false;
    QTest::newRow("EHLO with PIPELINING") << true;
}

void SmtpSecurityTest::tooManyRecipientsGoInASecondTransaction()
{
    QFETCH(bool, pipelining);
    RecordingSmtpServer server;
    QStringList options{u"--max-recipients"_qs, u"2"_qs};
    if (pipelining)
        options << u"--pipelining"_qs << u"--login"_qs << u"ali"_qs << u"s3cret"_qs << u"--plain-text-login"_qs;
    TNMSMTP smtp;
    QVERIFY2(startAndAim(server, options, smtp), qPrintable(server.error()));
    if (pipelining) {
        smtp.SetPassword(u"s3cret"_qs);
        smtp.SetAllowPlainTextLogin(true);
    }
    smtp.PostMessage().ToBlindCarbonCopy = QStringList{u"b@example.com"_qs, u"refused@example.com"_qs,
                                                       u"c@example.com"_qs, u"d@example.com"_qs, u"e@example.com"_qs};
    QStringList refused;
    smtp.OnRecipientNotFound = [&](TPowersock&, const QString& entry) { refused << entry; };
    smtp.Connect();
    QCOMPARE(smtp.Extensions().has(u"PIPELINING"_qs), pipelining);
    smtp.SendMail();
    smtp.Disconnect();

    QCOMPARE(server.sessionCount(), 1); // all on the same connection
    QCOMPARE(server.messageCount(), 3);
    QCOMPARE(strings(server.message(1)[u"rcpt_tos"]), QStringList({u"veli@example.com"_qs, u"b@example.com"_qs}));
    QCOMPARE(strings(server.message(2)[u"rcpt_tos"]), QStringList({u"c@example.com"_qs, u"d@example.com"_qs}));
    QCOMPARE(strings(server.message(3)[u"rcpt_tos"]), QStringList{u"e@example.com"_qs});
    QCOMPARE(refused, QStringList{u"refused@example.com"_qs});
    const auto messageId = [&](int n) {
        const QString raw = server.message(n)[u"raw"_qs].toString();
        const qsizetype at = raw.indexOf(u"\r\nMessage-ID: "_qs);
        return at < 0 ? QString() : raw.mid(at, raw.indexOf(u"\r\n"_qs, at + 2) - at);
    };
    QVERIFY(!messageId(1).isEmpty());
    QCOMPARE(messageId(2), messageId(1));
    QCOMPARE(messageId(3), messageId(1));
}

QTEST_GUILESS_MAIN(SmtpSecurityTest)
#include "tst_smtpsecurity.moc"
