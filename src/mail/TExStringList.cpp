#include "TExStringList.h"

namespace corvella::mail {

int TExStringList::IndexOfHeader(const QString& name) const
{
    for (qsizetype i = 0; i < size(); ++i) {
        const QString& line = at(i);
        const qsizetype colon = line.indexOf(u':');
        // Unicode case folding, not the user's locale: under a Turkish locale "X-MAILER" and "x-mailer" differ.
        if (colon >= 0 && QStringView(line).left(colon).compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void TExStringList::SetHeader(const QString& name, const QString& value)
{
    const int index = IndexOfHeader(name);
    if (value.isEmpty()) {
        if (index >= 0)
            removeAt(index);
        return;
    }
    const QString line = name + u": " + value;
    if (index >= 0)
        replace(index, line);
    else
        append(line);
}

} // namespace corvella::mail
