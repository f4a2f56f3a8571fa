#include "MimeText.h"

#include <QRegularExpression>

#include <algorithm>

namespace corvella::mail::mime {

namespace {

constexpr qsizetype EncodedWordBytes = 36; // 48 base64 characters: words of 60, lines within 76 after a name
constexpr qsizetype EncodedLineWidth = 76; // lines holding encoded words may not be longer (RFC 2047)

bool isAttrChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$&+-.^_`|~").contains(c);
}

} // namespace

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool hasLineBreak(QStringView text)
{
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return true;
    }
    return false;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

QString encodedWords(const QString& text)
{
    QStringList words;
    QByteArray chunk;
    const auto flush = [&] {
        if (!chunk.isEmpty())
            words.append(u"=?utf-8?B?"_qs + QString::fromLatin1(chunk.toBase64()) + u"?=");
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size();) {
        // One code point at a time, so no word ends inside a character.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = QStringView(text).mid(i, length).toUtf8();
        if (chunk.size() + bytes.size() > EncodedWordBytes)
            flush();
        chunk += bytes;
        i += length;
    }
    flush();
    return words.join(u"\r\n "_qs);
}

QString headerText(const QString& name, const QString& value)
{
    if (isAscii(value) && name.size() + 2 + value.size() <= MaxLineOctets)
        return value;
    return encodedWords(value);
}

QString headerAddress(const QString& entry, qsizetype column)
{
    const qsizetype angle = entry.indexOf(u'<');
    if (angle <= 0)
        return entry;
    const QString name = entry.left(angle);
    if (isAscii(name))
        return entry;
    QString phrase = name.trimmed();
    if (phrase.size() >= 2 && phrase.startsWith(u'"') && phrase.endsWith(u'"'))
        phrase = phrase.mid(1, phrase.size() - 2);
    const QString words = encodedWords(phrase);
    const QString address = entry.mid(angle);
    const qsizetype lastBreak = words.lastIndexOf(u"\r\n"_qs);
    const qsizetype lastWidth = lastBreak < 0 ? column + words.size() : words.size() - lastBreak - 2;
    // An encoded word must stand apart from the "<" that follows it; a fold is such a separation too.
    if (lastWidth + 1 + address.size() > EncodedLineWidth)
        return words + u"\r\n " + address;
    return words + u' ' + address;
}

QString addressList(const QString& name, const QStringList& entries)
{
    QString line = name + u": ";
    qsizetype column = line.size();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QString entry = headerAddress(entries.at(i), i > 0 ? column + 1 : column);
        const qsizetype firstBreak = entry.indexOf(u"\r\n"_qs);
        const qsizetype firstWidth = firstBreak < 0 ? entry.size() : firstBreak;
        if (i > 0) {
            if (column + 1 + firstWidth > FoldWidth) {
                line += u",\r\n "_qs;
                column = 1;
                entry = headerAddress(entries.at(i), column);
            } else {
                line += u',';
                ++column;
            }
        }
        line += entry;
        const qsizetype lastBreak = entry.lastIndexOf(u"\r\n"_qs);
        column = lastBreak < 0 ? column + entry.size() : entry.size() - lastBreak - 2;
    }
    return line;
}

QByteArrayList quotedPrintable(const QString& line)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    constexpr qsizetype MaxWidth = 76;
    const QByteArray bytes = line.toUtf8();
    QByteArrayList lines;
    QByteArray current;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        const bool last = i + 1 == bytes.size();
        char token[3];
        qsizetype width = 1;
        if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last)) {
            token[0] = char(c);
        } else {
            token[0] = '=';
            token[1] = Hex[c >> 4];
            token[2] = Hex[c & 15];
            width = 3;
        }
        // Room is left for the "=" of a soft break.
        if (current.size() + width > MaxWidth - 1) {
            lines.append(current + '=');
            current.clear();
        }
        current.append(token, width);
    }
    lines.append(current);
    return lines;
}

QString fileNameParameter(const QString& key, const QString& fileName)
{
    if (isAscii(fileName)) {
        QString quoted = fileName;
        quoted.replace(u'\\', u"\\\\"_qs).replace(u'"', u"\\\""_qs);
        return key + u"=\"" + quoted + u'"';
    }
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray value = "utf-8''";
    for (const char c : fileName.toUtf8()) {
        if (isAttrChar(c)) {
            value += c;
        } else {
            value += '%';
            value += Hex[static_cast<unsigned char>(c) >> 4];
            value += Hex[static_cast<unsigned char>(c) & 15];
        }
    }
    return key + u"*=" + QString::fromLatin1(value);
}

bool hasHtmlMarkup(const QStringList& lines)
{
    static const QRegularExpression markup(
        uR"(</?[A-Za-z][A-Za-z0-9]*(\s[^<>]*)?/?>|<!--|<!DOCTYPE|&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);)"_qs);
    return std::any_of(lines.begin(), lines.end(), [](const QString& line) { return line.contains(markup); });
}

QStringList textAsHtml(const QStringList& lines)
{
    QStringList html;
    for (const QString& entry : lines)
        html += splitLines(entry);
    for (qsizetype i = 0; i < html.size(); ++i) {
        html[i] = html.at(i).toHtmlEscaped();
        if (i + 1 < html.size())
            html[i] += u"<br>";
    }
    return html;
}

bool isUnsubscribeAddress(const QString& address)
{
    const bool scheme = address.startsWith(u"mailto:"_qs, Qt::CaseInsensitive) ||
                        address.startsWith(u"https://"_qs, Qt::CaseInsensitive);
    const bool fits = std::all_of(address.begin(), address.end(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'<' && c != u'>';
    });
    return scheme && fits && address.size() > 8;
}

} // namespace corvella::mail::mime
