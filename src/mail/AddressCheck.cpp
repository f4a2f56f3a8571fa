#include "AddressCheck.h"

#include "SmtpDialogue.h"

#include <QHostAddress>

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
        return u"No address"_qs;
    for (QChar c : trimmed) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return u"The address holds a line break or another control character"_qs;
    }
    const QString mailbox = recipientAddress(trimmed).trimmed();
    const qsizetype at = mailbox.lastIndexOf(u'@');
    const QStringView local = QStringView(mailbox).left(std::max<qsizetype>(at, 0));
    const QStringView domain = QStringView(mailbox).mid(at + 1);
    // A quoted local part may hold blanks; nothing else may.
    for (QChar c : isQuotedString(local) ? domain : QStringView(mailbox)) {
        if (c.isSpace())
            return u"The address holds a space"_qs;
    }
    for (QChar c : mailbox) {
        if (c.unicode() > 0x7E)
            return u"The address holds a letter that SMTP cannot carry"_qs;
    }
    if (mailbox.size() > 254)
        return u"The address is longer than 254 characters"_qs;
    if (at < 0)
        return u"The address has no \"@\""_qs;
    if (!isQuotedString(local) && local.contains(u'@'))
        return u"The address has more than one \"@\""_qs;
    if (local.isEmpty() || local.size() > 64 || !(isDotAtom(local) || isQuotedString(local)))
        return u"The part before \"@\" is not a valid mailbox name"_qs;
    if (domain.isEmpty())
        return u"The address has no domain after \"@\""_qs;
    if (!isDomain(domain))
        return u"The domain after \"@\" is not valid"_qs;
    return {};
}

} // namespace corvella::mail
