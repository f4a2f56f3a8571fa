#include "VCard.h"

#include "CsvReader.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace corvella::exchange {

namespace {

/// A line of the file after unfolding, with the number of the physical line it starts on.
struct LogicalLine {
    QByteArray text;
    int line = 0;
};

bool isQuotedPrintable(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

QList<LogicalLine> logicalLines(const QByteArray& bytes)
{
    QList<LogicalLine> lines;
    const QList<QByteArray> physical = bytes.split('\n');
    bool softBreak = false;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QByteArray line = physical.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (softBreak) {
            lines.last().text += line; // a quoted-printable line that ended in "=" goes on here
        } else if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t'))) {
            lines.last().text += line.mid(1); // folded
        } else {
            lines.append({line, int(i) + 1});
        }
        LogicalLine& last = lines.last();
        softBreak = last.text.endsWith('=') && isQuotedPrintable(last.text);
        if (softBreak)
            last.text.chop(1);
    }
    return lines;
}

QByteArray fromQuotedPrintable(const QByteArray& encoded)
{
    QByteArray decoded;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        bool ok = false;
        const int byte = i + 2 < encoded.size() && encoded.at(i) == '=' ? encoded.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            decoded += char(byte);
            i += 2;
        } else {
            decoded += encoded.at(i);
        }
    }
    return decoded;
}

QString unescaped(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text.at(++i);
        result += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return result;
}

/// The value split at semicolons that no backslash escapes.
QList<QByteArray> components(const QByteArray& value)
{
    QList<QByteArray> parts{QByteArray()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == '\\' && i + 1 < value.size()) {
            parts.last() += value.mid(i, 2);
            ++i;
        } else if (value.at(i) == ';') {
            parts.append(QByteArray());
        } else {
            parts.last() += value.at(i);
        }
    }
    return parts;
}

QString decodeText(const QByteArray& bytes, const QByteArray& charset, TextEncoding fileEncoding)
{
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    if (fileEncoding == TextEncoding::Windows1254)
        return QStringDecoder("windows-1254").decode(bytes);
    return QString::fromUtf8(bytes);
}

VCardProperty parseProperty(const QByteArray& line, TextEncoding fileEncoding)
{
    const qsizetype colon = line.indexOf(':');
    const QList<QByteArray> head = line.left(colon).split(';');
    VCardProperty property;
    QByteArray name = head.first().trimmed().toUpper();
    property.name = QString::fromLatin1(name.mid(name.lastIndexOf('.') + 1)); // "item1.EMAIL" is an EMAIL
    QByteArray encoding, charset;
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray& parameter = head.at(i);
        const qsizetype equals = parameter.indexOf('=');
        const QByteArray key = equals < 0 ? QByteArray() : parameter.left(equals).trimmed().toUpper();
        const QByteArray value = parameter.mid(equals + 1).trimmed();
        if (key == "ENCODING" ||
            (key.isEmpty() && (value.toUpper() == "QUOTED-PRINTABLE" || value.toUpper() == "BASE64")))
            encoding = value.toUpper();
        else if (key == "CHARSET")
            charset = value;
        else if (key == "TYPE" || key.isEmpty())
            for (const QByteArray& type : value.split(','))
                property.types << QString::fromUtf8(type).remove(u'"').trimmed().toLower();
    }
    const QByteArray raw = line.mid(colon + 1);
    static const QStringList structured = {u"N"_qs, u"ADR"_qs, u"ORG"_qs};
    const QList<QByteArray> parts = structured.contains(property.name) ? components(raw) : QList<QByteArray>{raw};
    for (const QByteArray& part : parts) {
        const QByteArray bytes = encoding == "QUOTED-PRINTABLE" ? fromQuotedPrintable(part) : part;
        property.values << unescaped(decodeText(bytes, charset, fileEncoding));
    }
    if (property.name == u"TEL"_qs && property.value().startsWith(u"tel:"_qs, Qt::CaseInsensitive))
        property.values.first().remove(0, 4); // vCard 4.0 writes numbers as URIs
    return property;
}

/// Escapes a component for 3.0 and folds nothing: that happens line by line.
QString escaped(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';')
            result += u'\\';
        if (c == u'\r')
            continue;
        result += c == u'\n' ? u"\\n"_qs : QString(c);
    }
    return result;
}

/// A content line cut into pieces of at most 75 octets, never inside a letter; later pieces start with a blank.
QByteArray folded(const QByteArray& line)
{
    constexpr qsizetype Limit = 75;
    QByteArray result;
    qsizetype start = 0;
    while (true) {
        const qsizetype room = start == 0 ? Limit : Limit - 1;
        if (line.size() - start <= room) {
            result += (start == 0 ? QByteArray() : QByteArray(" ")) + line.mid(start) + "\r\n";
            return result;
        }
        qsizetype cut = start + room;
        while (cut > start && (uchar(line.at(cut)) & 0xC0) == 0x80)
            --cut; // back to the first byte of a UTF-8 sequence
        result += (start == 0 ? QByteArray() : QByteArray(" ")) + line.mid(start, cut - start) + "\r\n";
        start = cut;
    }
}

} // namespace

QList<VCardProperty> VCard::all(const QString& name) const
{
    QList<VCardProperty> found;
    for (const VCardProperty& property : properties)
        if (property.name == name)
            found << property;
    return found;
}

VCardProperty VCard::first(const QString& name) const
{
    for (const VCardProperty& property : properties)
        if (property.name == name)
            return property;
    return {};
}

QList<VCard> readVCards(const QByteArray& input, const QString& fileName)
{
    if (input.isEmpty())
        throw ParseError(fileName, 1, QCoreApplication::translate("exchange", "the file is empty"));
    QByteArray bytes = input;
    TextEncoding encoding = detectEncoding(bytes);
    if (encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian) {
        QStringDecoder decoder(encoding == TextEncoding::Utf16LittleEndian ? QStringConverter::Utf16LE
                                                                           : QStringConverter::Utf16BE);
        bytes = QString(decoder.decode(bytes)).toUtf8();
        encoding = TextEncoding::Utf8;
    } else if (encoding == TextEncoding::Utf8WithBom) {
        bytes.remove(0, 3);
    }
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        throw ParseError(fileName, int(bytes.left(nul).count('\n')) + 1,
                         QCoreApplication::translate("exchange", "the file holds binary data, not text"));

    QList<VCard> cards;
    bool inCard = false;
    for (const LogicalLine& line : logicalLines(bytes)) {
        const QByteArray text = line.text.trimmed();
        if (text.isEmpty())
            continue;
        const QByteArray upper = text.toUpper();
        if (upper == "BEGIN:VCARD") {
            if (inCard)
                throw ParseError(fileName, cards.last().line,
                                 QCoreApplication::translate("exchange", "the card that begins here has no END:VCARD"));
            cards.append(VCard{{}, {}, line.line});
            inCard = true;
        } else if (!inCard) {
            throw ParseError(
                fileName, line.line,
                QCoreApplication::translate("exchange", "text outside a card (BEGIN:VCARD ... END:VCARD)"));
        } else if (upper == "END:VCARD") {
            inCard = false;
        } else if (!text.contains(':')) {
            throw ParseError(fileName, line.line,
                             QCoreApplication::translate("exchange", "a card line without a value"));
        } else {
            VCardProperty property = parseProperty(line.text, encoding);
            if (property.name == u"VERSION"_qs)
                cards.last().version = property.value().trimmed();
            else
                cards.last().properties << std::move(property);
        }
    }
    if (inCard)
        throw ParseError(fileName, cards.last().line,
                         QCoreApplication::translate("exchange", "the card that begins here has no END:VCARD"));
    return cards;
}

QByteArray writeVCard(const QList<VCardProperty>& properties)
{
    QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (const VCardProperty& property : properties) {
        QString line = property.name;
        if (!property.types.isEmpty())
            line += u";TYPE="_qs + property.types.join(u',').toUpper();
        QStringList values;
        for (const QString& value : property.values)
            values << escaped(value);
        line += u':' + values.join(u';');
        card += folded(line.toUtf8());
    }
    return card + "END:VCARD\r\n";
}

} // namespace corvella::exchange
