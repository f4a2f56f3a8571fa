#include "CsvWriter.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QIODevice>

namespace corvella::exchange {

namespace {

constexpr qsizetype FlushBytes = 64 * 1024;

} // namespace

QString csvField(const QString& value, QChar delimiter)
{
    const bool needsQuotes =
        value.contains(delimiter) || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r');
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(u'"', u"\"\""_qs);
    return u'"' + quoted + u'"';
}

CsvWriter::CsvWriter(QIODevice& device, const QString& fileName, bool byteOrderMark, QChar delimiter)
    : m_device(device)
    , m_fileName(fileName)
    , m_delimiter(delimiter)
{
    if (byteOrderMark)
        m_pending = "\xEF\xBB\xBF";
}

void CsvWriter::write(const QStringList& fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += m_delimiter;
        line += csvField(fields.at(i), m_delimiter);
    }
    line += u"\r\n";
    m_pending += line.toUtf8();
    ++m_records;
    if (m_pending.size() >= FlushBytes)
        flush();
}

void CsvWriter::write(const QList<QByteArrayView>& utf8Fields)
{
    const char delimiter = char(m_delimiter.unicode());
    for (qsizetype i = 0; i < utf8Fields.size(); ++i) {
        if (i > 0)
            m_pending += delimiter;
        const QByteArrayView field = utf8Fields.at(i);
        // Every byte that asks for quotes is ASCII, so the UTF-8 text can be searched bytewise.
        bool needsQuotes = false;
        for (const char c : field)
            if (c == delimiter || c == '"' || c == '\n' || c == '\r') {
                needsQuotes = true;
                break;
            }
        if (!needsQuotes) {
            m_pending += field;
            continue;
        }
        m_pending += '"';
        for (const char c : field) {
            if (c == '"')
                m_pending += '"';
            m_pending += c;
        }
        m_pending += '"';
    }
    m_pending += "\r\n";
    ++m_records;
    if (m_pending.size() >= FlushBytes)
        flush();
}

void CsvWriter::finish()
{
    flush();
}

void CsvWriter::flush()
{
    if (m_pending.isEmpty())
        return;
    if (m_device.write(m_pending) != m_pending.size())
        throw Error(QCoreApplication::translate("exchange", "Cannot write to '%1': %2")
                        .arg(QDir::toNativeSeparators(m_fileName), m_device.errorString()));
    m_pending.resize(0); // keeps the buffer for the next lines
}

} // namespace corvella::exchange
