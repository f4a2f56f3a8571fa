// Sends MESSAGES messages of RECIPIENTS blind copies each to an SMTP server on 127.0.0.1, one connection per
// message, as the auto-mail window sends its batches: connect, HELO, RSET, MAIL, one RCPT a recipient, DATA, QUIT.
//
// usage: corvella-smtpbench PORT MESSAGES RECIPIENTS
#include "mail/TNMSMTP.h"

#include <QCoreApplication>

#include <cstdio>

using namespace corvella::mail;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: corvella-smtpbench PORT MESSAGES RECIPIENTS\n");
        return 2;
    }
    const int port = QString::fromLocal8Bit(argv[1]).toInt();
    const int messages = QString::fromLocal8Bit(argv[2]).toInt();
    const int recipients = QString::fromLocal8Bit(argv[3]).toInt();
    try {
        TNMSMTP smtp;
        smtp.SetHost(u"127.0.0.1"_qs);
        smtp.SetPort(port);
        smtp.SetUserID(u"corvella.bench"_qs);
        smtp.SetSubType(TSubType::mtHtml);
        TPostMessage& m = smtp.PostMessage();
        m.FromName = u"Corvella"_qs;
        m.FromAddress = u"sender@example.com"_qs;
        m.Subject = u"Bulletin"_qs;
        m.LocalProgram = u"Dorlune V2.0"_qs;
        m.Body = QStringList{u"<p>Dear customer,</p>"_qs, u"<p>our new catalogue is out.</p>"_qs};
        int next = 0;
        for (int message = 0; message < messages; ++message) {
            m.ToAddress = QStringList{m.FromAddress};
            for (int i = 0; i < recipients; ++i)
                m.ToBlindCarbonCopy << u"%1recipient@example.com"_qs.arg(next++);
            smtp.Connect();
            smtp.SendMail();
            smtp.Disconnect();
        }
    } catch (const corvella::Error& error) {
        std::fprintf(stderr, "corvella-smtpbench: %s\n", error.what());
        return 1;
    }
    return 0;
}
