#pragma once

#include "core/Error.h"

#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

class QIODevice;

namespace corvella::exchange {

/// A file that cannot be read as what it claims to be; the message names the file and the line.
class ParseError : public Error {
public:
    ParseError(const QString& fileName, int line, const QString& what);
    int line() const { return m_line; }

private:
    int m_line;
};

enum class TextEncoding { Utf8, Utf8WithBom, Utf16LittleEndian, Utf16BigEndian, Windows1254 };

/// How a text file's bytes are to be read, judged from its first bytes: a byte-order mark decides; otherwise
/// valid UTF-8 is UTF-8, and anything else is taken as Windows-1254, the Turkish code page (a superset of
/// ISO-8859-9's letters). A mark's bytes are skipped by the decoder. A sequence cut off at the end of the head
/// is UTF-8 still, unless the head is the `whole` text: then a Windows-1254 letter ended it.
TextEncoding detectEncoding(QByteArrayView head, bool whole = false);
QString encodingName(TextEncoding encoding);

/// The field separator of a CSV text, judged from its first lines: of comma, semicolon and tab, the one that
/// splits the most lines into the same number of fields (quoted text does not count). Comma when none does.
QChar detectDelimiter(QStringView head);

/// Reads the records of a CSV file as RFC 4180 writes them (doubled quotes inside quoted fields, line breaks
/// inside quotes), with the file's encoding and separator detected from its start. Reads the device a piece at a
/// time, so memory stays flat however long the file.
class CsvReader {
public:
    static constexpr qsizetype DefaultChunkBytes = 64 * 1024;

    /// Reads the start of `device` to detect the encoding and, unless `delimiter` is given, the separator;
    /// `fileName` names the file in errors. An empty file or one that holds binary data is refused here.
    CsvReader(QIODevice& device, const QString& fileName, std::optional<QChar> delimiter = std::nullopt,
              qsizetype chunkBytes = DefaultChunkBytes);

    TextEncoding encoding() const { return m_encoding; }
    QChar delimiter() const { return m_delimiter; }

    /// The next record's fields; false at the end of the file. A blank line is a record of one empty field.
    bool next(QStringList& fields);
    /// The line the last record started on, counting from 1.
    int recordLine() const { return m_recordLine; }
    /// Bytes of the file read so far, for progress.
    qint64 bytesRead() const { return m_bytesRead; }

private:
    enum class Scan { Complete, NeedMore };
    Scan scanRecord(QStringList& fields, qsizetype& end, int& lines) const;
    bool readMore(qsizetype atLeast);
    void append(const QByteArray& bytes);

    QIODevice& m_device;
    QString m_fileName;
    qsizetype m_chunkBytes;
    TextEncoding m_encoding = TextEncoding::Utf8;
    QStringDecoder m_decoder;
    QChar m_delimiter = u',';
    QString m_buffer;
    qsizetype m_position = 0;
    int m_line = 1;
    int m_recordLine = 0;
    qint64 m_bytesRead = 0;
    QByteArray m_tail; // the last bytes read, for a sequence the file's end cuts off
    bool m_atEnd = false;
};

} // namespace corvella::exchange
