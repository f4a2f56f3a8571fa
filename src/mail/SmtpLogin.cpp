#include "SmtpLogin.h"

#include "SmtpReply.h"
#include "core/Error.h"
#include <QCoreApplication>

namespace corvella::mail {

namespace {

QString base64(const QString& text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

void expect(ReplyReader& replies, const QString& command, int code)
{
    const QString reply = replies.command(command);
    // Success is 235, but some servers (test sinks among them) confirm a login with another 2xx.
    const bool ok = code == 235 ? replies.code() / 100 == 2 : replies.code() == code;
    if (!ok)
        throw Error(reply);
}

} // namespace

void logIn(ReplyReader& replies, const QStringList& methods, const QString& userId, const QString& password)
{
    if (methods.contains(u"PLAIN"_qs)) {
        expect(replies, u"AUTH PLAIN "_qs + base64(QString(QChar(0)) + userId + QChar(0) + password), 235);
    } else if (methods.contains(u"LOGIN"_qs)) {
        expect(replies, u"AUTH LOGIN"_qs, 334);
        expect(replies, base64(userId), 334);
        expect(replies, base64(password), 235);
    } else {
        throw Error(QCoreApplication::translate(
            "mail", "The server offers no login method this program knows (PLAIN or LOGIN)"));
    }
}

} // namespace corvella::mail
