#include "SmtpExtensions.h"

namespace corvella::mail {

void SmtpExtensions::setFromEhloReply(const QStringList& replyLines)
{
    m_lines.clear();
    for (qsizetype i = 1; i < replyLines.size(); ++i) {
        const QString extension = replyLines.at(i).mid(4).trimmed();
        if (!extension.isEmpty())
            m_lines << extension;
    }
}

bool SmtpExtensions::has(const QString& keyword) const
{
    for (const QString& extension : m_lines) {
        if (extension.section(u' ', 0, 0).compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList SmtpExtensions::parameters(const QString& keyword) const
{
    for (const QString& extension : m_lines) {
        QStringList words = extension.toUpper().split(u' ', Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.takeFirst() == keyword.toUpper())
            return words;
    }
    return {};
}

} // namespace corvella::mail
