#include "AddressCheck.h"

#include "SmtpDialogue.h"

#include <QHostAddress>

#include <QCoreApplication>
#include <algorithm>

namespace corvella::mail {

namespace {

bool isAtext(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           QStringView(u"!#$%&'*+-/=?^_`{|}~").contains(c);
}

bool isDotAtom(QStringView text)
{
    if (text.isEmpty() || text.startsWith(u'.') || text.endsWith(u'.') || text.contains(u".."))
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'.' || isAtext(c); });
}

bool isQuotedString(QStringView text)
{
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
        return false;
    for (qsizetype i = 1; i < text.size() - 1; ++i) {
        if (text.at(i) == u'\\')
            ++i; // the quoted pair's second character may be anything printable
        else if (text.at(i) == u'"')
            return false;
    }
    return true;
}

bool isDomain(QStringView domain)
{
    if (domain.startsWith(u'[') && domain.endsWith(u']')) {
        QHostAddress literal;
        const QStringView inner = domain.mid(1, domain.size() - 2);
        if (inner.startsWith(u"IPv6:"))
            return literal.setAddress(inner.mid(5).toString()) && literal.protocol() == QAbstractSocket::IPv6Protocol;
        return literal.setAddress(inner.toString()) && literal.protocol() == QAbstractSocket::IPv4Protocol;
    }
    if (domain.size() > 255)
        return false;
    for (QStringView label : domain.split(u'.')) {
        if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
            return false;
        for (QChar c : label) {
            const char16_t u = c.unicode();
            if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'-'))
                return false;
        }
    }
    return true;
}

} // namespace

QString addressProblem(const QString& entry)
{
    const QString trimmed = entry.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("mail", "No address");
    for (QChar c : trimmed) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("mail", "The address holds a line break or another control character");
    }
    const QString mailbox = recipientAddress(trimmed).trimmed();
    const qsizetype at = mailbox.lastIndexOf(u'@');
    const QStringView local = QStringView(mailbox).left(std::max<qsizetype>(at, 0));
    const QStringView domain = QStringView(mailbox).mid(at + 1);
    // A quoted local part may hold blanks; nothing else may.
    for (QChar c : isQuotedString(local) ? domain : QStringView(mailbox)) {
        if (c.isSpace())
            return QCoreApplication::translate("mail", "The address holds a space");
    }
    for (QChar c : mailbox) {
        if (c.unicode() > 0x7E)
            return QCoreApplication::translate("mail", "The address holds a letter that SMTP cannot carry");
    }
    if (mailbox.size() > 254)
        return QCoreApplication::translate("mail", "The address is longer than 254 characters");
    if (at < 0)
        return QCoreApplication::translate("mail", "The address has no \"@\"");
    if (!isQuotedString(local) && local.contains(u'@'))
        return QCoreApplication::translate("mail", "The address has more than one \"@\"");
    if (local.isEmpty() || local.size() > 64 || !(isDotAtom(local) || isQuotedString(local)))
        return QCoreApplication::translate("mail", "The part before \"@\" is not a valid mailbox name");
    if (domain.isEmpty())
        return QCoreApplication::translate("mail", "The address has no domain after \"@\"");
    if (!isDomain(domain))
        return QCoreApplication::translate("mail", "The domain after \"@\" is not valid");
    return {};
}

} // namespace corvella::mail
