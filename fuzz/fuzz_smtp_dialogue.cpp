// A whole SMTP session against a server whose every reply is the fuzzer's: greeting, EHLO with its extensions,
// login, the envelope, DATA and QUIT, replies cut at NUL bytes (an empty one drops the connection). The session must
// end with success or an error, never a crash, and report as delivered only addresses it was given.
#include "FuzzInput.h"

#include "ScriptedTransport.h"
#include "core/Error.h"
#include "mail/TNMSMTP.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::FuzzInput input(data, size);
    const quint8 choice = input.byte();
    QByteArrayList replies;
    while (!input.atEnd() && replies.size() < 64) {
        QByteArray reply = input.piece();
        // A reply cut off inside a line would only wait for the time-out, which tst_smtp covers.
        if (!reply.isEmpty() && !reply.endsWith('\n'))
            reply += "\r\n";
        replies << reply;
    }
    const QByteArray greeting = replies.isEmpty() ? QByteArray("220 ready\r\n") : replies.takeFirst();

    auto transport = std::make_unique<ScriptedTransport>(greeting, replies);
    mail::TNMSMTP smtp(std::move(transport));
    smtp.SetHost(u"127.0.0.1"_qs);
    smtp.SetUserID(u"corvella"_qs);
    smtp.SetTimeOut(50);
    if (choice & 1) {
        smtp.SetPassword(u"secret"_qs);
        smtp.SetAllowPlainTextLogin(true);
    }
    mail::TPostMessage& message = smtp.PostMessage();
    message.FromName = u"Ali"_qs;
    message.FromAddress = u"ali@example.com"_qs;
    const QStringList recipients = {u"veli@example.com"_qs, u"ayşe@example.com"_qs, u"can@example.org"_qs};
    const QStringList given = recipients.mid(0, 1 + (choice >> 1) % 3);
    message.ToAddress = given; // emptied after a success
    message.Subject = u"Merhaba"_qs;
    message.Body = QStringList{u"Bir satır."_qs};

    try {
        smtp.Connect();
        smtp.SendMail();
        smtp.Disconnect();
    } catch (const Error&) {
        smtp.Abort();
    }
    for (const QString& delivered : smtp.DeliveredRecipients())
        if (!given.contains(mail::TNMSMTP::ExtractAddress(delivered)) && !given.contains(delivered))
            fuzz::fail("a delivered address that was never given", delivered);
    return 0;
}
