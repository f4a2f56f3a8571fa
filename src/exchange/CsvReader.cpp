#include "CsvReader.h"

#include <QDir>
#include <QIODevice>

#include <QCoreApplication>
#include <array>

namespace corvella::exchange {

namespace {

constexpr QChar Quote = u'"';

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

/// Whether UTF-8 bytes end inside a sequence: a lead byte without all its continuation bytes.
bool endsInCutSequence(QByteArrayView bytes)
{
    qsizetype lead = bytes.size();
    int continuations = 0;
    while (lead > 0 && continuations < 3 && (uchar(bytes[lead - 1]) & 0xC0) == 0x80) {
        --lead;
        ++continuations;
    }
    if (lead == 0)
        return false;
    const uchar first = uchar(bytes[lead - 1]);
    const int length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
    return length > continuations + 1;
}

} // namespace

ParseError::ParseError(const QString& fileName, int line, const QString& what)
    : Error(QCoreApplication::translate("exchange", "'%1', line %2: %3")
                .arg(QDir::toNativeSeparators(fileName))
                .arg(line)
                .arg(what))
    , m_line(line)
{}

TextEncoding detectEncoding(QByteArrayView head, bool whole)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8WithBom;
    if (head.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LittleEndian;
    if (head.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BigEndian;
    // A sequence cut off at the end of the head is not an error: the decoder keeps it for the next piece.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString decoded = utf8.decode(head); // decode() is lazy: the text must be taken for the check to run
    return utf8.hasError() || (whole && endsInCutSequence(head)) ? TextEncoding::Windows1254 : TextEncoding::Utf8;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return u"UTF-8"_qs;
    case TextEncoding::Utf8WithBom:
        return u"UTF-8 with BOM"_qs;
    case TextEncoding::Utf16LittleEndian:
        return u"UTF-16 LE"_qs;
    case TextEncoding::Utf16BigEndian:
        return u"UTF-16 BE"_qs;
    case TextEncoding::Windows1254:
        return u"Windows-1254"_qs;
    }
    return {};
}

QChar detectDelimiter(QStringView head)
{
    constexpr std::array<QChar, 3> candidates = {u',', u';', u'\t'};
    constexpr int MaxLines = 10;
    QList<std::array<int, 3>> lines;
    std::array<int, 3> counts{};
    bool quoted = false;
    bool lineHasText = false;
    for (qsizetype i = 0; i < head.size() && lines.size() < MaxLines; ++i) {
        const QChar c = head.at(i);
        if (c == Quote) {
            quoted = !quoted;
        } else if (!quoted && isLineBreak(c)) {
            if (c == u'\r' && i + 1 < head.size() && head.at(i + 1) == u'\n')
                ++i;
            if (lineHasText)
                lines << counts;
            counts = {};
            lineHasText = false;
            continue;
        } else if (!quoted) {
            for (size_t k = 0; k < candidates.size(); ++k)
                counts[k] += c == candidates[k];
        }
        lineHasText = true;
    }
    if (lines.isEmpty() && lineHasText)
        lines << counts; // a file of one line without its break

    // The best separator splits every line alike; more fields win a tie.
    int best = -1;
    int bestFields = 0;
    for (size_t k = 0; k < candidates.size(); ++k) {
        if (lines.isEmpty() || lines.first()[k] == 0)
            continue;
        const bool consistent =
            std::all_of(lines.begin(), lines.end(), [&](const auto& line) { return line[k] == lines.first()[k]; });
        const int fields = consistent ? lines.first()[k] : 0;
        if (fields > bestFields) {
            best = int(k);
            bestFields = fields;
        }
    }
    if (best < 0) {
        // No separator splits every line alike (ragged rows): the one the first line uses most.
        for (size_t k = 0; k < candidates.size(); ++k)
            if (!lines.isEmpty() && lines.first()[k] > bestFields) {
                best = int(k);
                bestFields = lines.first()[k];
            }
    }
    return best < 0 ? candidates[0] : candidates[size_t(best)];
}

CsvReader::CsvReader(QIODevice& device, const QString& fileName, std::optional<QChar> delimiter, qsizetype chunkBytes)
    : m_device(device)
    , m_fileName(fileName)
    , m_chunkBytes(std::max<qsizetype>(chunkBytes, 4))
{
    const QByteArray head = m_device.read(m_chunkBytes);
    if (head.isEmpty())
        throw ParseError(
            m_fileName, 1,
            m_device.atEnd()
                ? QCoreApplication::translate("exchange", "the file is empty")
                : QCoreApplication::translate("exchange", "the file cannot be read: %1").arg(m_device.errorString()));
    m_encoding = detectEncoding(head, m_device.atEnd());
    switch (m_encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom:
        m_decoder = QStringDecoder(QStringConverter::Utf8);
        break;
    case TextEncoding::Utf16LittleEndian:
        m_decoder = QStringDecoder(QStringConverter::Utf16LE);
        break;
    case TextEncoding::Utf16BigEndian:
        m_decoder = QStringDecoder(QStringConverter::Utf16BE);
        break;
    case TextEncoding::Windows1254:
        m_decoder = QStringDecoder("windows-1254");
        if (!m_decoder.isValid())
            throw ParseError(m_fileName, 1,
                             QCoreApplication::translate("exchange", "the text is neither UTF-8 nor Windows-1254"));
        break;
    }
    m_atEnd = m_device.atEnd();
    append(head);
    if (delimiter) {
        m_delimiter = *delimiter;
        return;
    }
    // Enough lines to judge by, whatever the size of a piece.
    constexpr qsizetype DetectionChars = 16 * 1024;
    while (m_buffer.size() < DetectionChars && m_buffer.count(u'\n') < 10 && !m_atEnd)
        readMore(m_chunkBytes);
    m_delimiter = detectDelimiter(QStringView(m_buffer).left(DetectionChars));
}

void CsvReader::append(const QByteArray& bytes)
{
    m_bytesRead += bytes.size();
    const qsizetype start = m_buffer.size();
    m_buffer += m_decoder.decode(bytes);
    const auto lineAt = [this](qsizetype index) {
        return m_line + int(QStringView(m_buffer).mid(m_position, index - m_position).count(u'\n'));
    };
    if (m_decoder.hasError()) {
        const qsizetype bad = m_buffer.indexOf(QChar(QChar::ReplacementCharacter), start);
        throw ParseError(
            m_fileName, lineAt(bad >= 0 ? bad : m_buffer.size()),
            QCoreApplication::translate("exchange", "the text is not valid %1").arg(encodingName(m_encoding)));
    }
    const qsizetype nul = m_buffer.indexOf(QChar(0), start);
    if (nul >= 0)
        throw ParseError(m_fileName, lineAt(nul),
                         QCoreApplication::translate("exchange", "the file holds binary data, not text"));
    // The decoder keeps a cut-off sequence for the next piece: at the file's end there is none, and the bytes would
    // be lost without a word.
    m_tail = QByteArray(m_tail + bytes).right(3);
    const bool wide = m_encoding == TextEncoding::Utf16LittleEndian || m_encoding == TextEncoding::Utf16BigEndian;
    const bool utf8 = m_encoding == TextEncoding::Utf8 || m_encoding == TextEncoding::Utf8WithBom;
    if (m_atEnd && (wide ? m_bytesRead % 2 != 0 : utf8 && endsInCutSequence(m_tail)))
        throw ParseError(m_fileName, lineAt(m_buffer.size()),
                         QCoreApplication::translate("exchange", "the text is not valid %1: it ends inside a letter")
                             .arg(encodingName(m_encoding)));
}

bool CsvReader::readMore(qsizetype atLeast)
{
    if (m_atEnd)
        return false;
    // What is already read is dropped first, so the buffer holds one record and what follows it.
    m_buffer.remove(0, m_position);
    m_position = 0;
    const QByteArray bytes = m_device.read(atLeast);
    if (bytes.isEmpty() && !m_device.atEnd())
        throw ParseError(
            m_fileName, m_line,
            QCoreApplication::translate("exchange", "the file cannot be read: %1").arg(m_device.errorString()));
    m_atEnd = m_device.atEnd();
    append(bytes);
    return true;
}

namespace {

/// Line breaks in a text: CR LF, LF or a lone CR each count once.
int lineBreaks(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            ++count;
        else if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            ++count;
    }
    return count;
}

} // namespace

CsvReader::Scan CsvReader::scanRecord(QStringList& fields, qsizetype& end, int& lines) const
{
    fields.clear();
    lines = 0;
    const QString& text = m_buffer;
    const qsizetype size = text.size();
    qsizetype i = m_position;
    QString field;
    while (true) {
        field.clear();
        if (i < size && text.at(i) == Quote) {
            ++i;
            while (true) {
                const qsizetype close = text.indexOf(Quote, i);
                if (close < 0 || (close + 1 == size && !m_atEnd))
                    return Scan::NeedMore; // the quote may close, or be doubled, in what is not read yet
                const QStringView part = QStringView(text).mid(i, close - i);
                lines += lineBreaks(part);
                field += part;
                i = close + 1;
                if (i < size && text.at(i) == Quote) {
                    field += Quote;
                    ++i;
                    continue;
                }
                break;
            }
        }
        // Unquoted text, or what follows a closing quote before the separator (kept, as lenient readers do).
        const qsizetype start = i;
        while (i < size && text.at(i) != m_delimiter && !isLineBreak(text.at(i)))
            ++i;
        field += QStringView(text).mid(start, i - start);
        if (i == size) {
            if (!m_atEnd)
                return Scan::NeedMore;
            fields << field;
            end = i;
            return Scan::Complete;
        }
        if (text.at(i) == m_delimiter) {
            fields << field;
            ++i;
            continue;
        }
        if (text.at(i) == u'\r') {
            if (i + 1 == size && !m_atEnd)
                return Scan::NeedMore; // a line feed may follow
            if (i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
        }
        fields << field;
        end = i + 1;
        ++lines;
        return Scan::Complete;
    }
}

bool CsvReader::next(QStringList& fields)
{
    while (true) {
        if (m_position >= m_buffer.size() && m_atEnd)
            return false;
        qsizetype end = 0;
        int lines = 0;
        if (m_position < m_buffer.size() && scanRecord(fields, end, lines) == Scan::Complete) {
            m_recordLine = m_line;
            m_line += lines;
            m_position = end;
            return true;
        }
        if (m_atEnd)
            throw ParseError(
                m_fileName, m_line,
                QCoreApplication::translate("exchange", "a quoted field that starts in this record is never closed"));
        // A record longer than what is read: read as much again, so a long field costs linear time.
        readMore(std::max(m_chunkBytes, (m_buffer.size() - m_position) * 2));
    }
}

} // namespace corvella::exchange
