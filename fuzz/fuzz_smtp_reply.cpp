// Reply lines and the EHLO capability list as any server may write them.
#include "FuzzInput.h"

#include "mail/SmtpExtensions.h"
#include "mail/SmtpReply.h"

#include <QStringList>

using namespace corvella;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const QStringList lines = QString::fromUtf8(input.rest()).split(u'\n');
    for (const QString& line : lines) {
        const int code = mail::replyCode(line);
        if (code < 0 || code > 32767)
            fuzz::fail("reply code out of range", line);
        // A reply line's code is its three digits, whatever follows.
        if (mail::isReplyLine(line) && code != line.left(3).toInt())
            fuzz::fail("reply code is not the line's three digits", line);
    }

    mail::SmtpExtensions extensions;
    extensions.setFromEhloReply(lines);
    for (const QString& extension : extensions.lines()) {
        const QString keyword = extension.section(u' ', 0, 0);
        if (!extensions.has(keyword))
            fuzz::fail("an announced extension is not found", extension);
        extensions.parameters(keyword);
    }
    return 0;
}
