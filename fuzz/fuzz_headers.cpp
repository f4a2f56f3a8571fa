// The header list: lines as a message file may hold them, then names and values set on it.
#include "FuzzInput.h"

#include "mail/TExStringList.h"

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    mail::TExStringList headers(QString::fromUtf8(input.piece()).split(u'\n'));
    while (!input.atEnd()) {
        const QString name = input.text();
        const QString value = input.text();
        const auto count = [&headers, &name] {
            qsizetype n = 0;
            for (const QString& line : headers)
                n += line.indexOf(u':') >= 0 &&
                     QStringView(line).left(line.indexOf(u':')).compare(name, Qt::CaseInsensitive) == 0;
            return n;
        };
        const qsizetype before = count();
        const qsizetype lines = headers.size();
        headers.SetHeader(name, value);
        if (name.contains(u':'))
            continue; // no header has such a name; the caller's names never hold one
        const int index = headers.IndexOfHeader(name);
        if (value.isEmpty()) {
            if (before > 0 && (count() != before - 1 || headers.size() != lines - 1))
                fuzz::fail("an empty value did not remove one line", name);
            if (before == 0 && headers.size() != lines)
                fuzz::fail("an empty value changed a list without the name", name);
        } else if (index < 0 || headers.at(index) != name + u": " + value ||
                   count() != std::max<qsizetype>(before, 1)) {
            fuzz::fail("a set header is not found as set", name);
        }
    }
    return 0;
}
