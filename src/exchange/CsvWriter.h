#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace corvella::exchange {

/// A field as RFC 4180 writes it: quoted, with its quotes doubled, when it holds the separator, a quote or a line
/// break; as it is otherwise.
QString csvField(const QString& value, QChar delimiter = u',');

/// Writes records as RFC 4180 text in UTF-8, lines ended by CR LF, optionally after a byte-order mark (spreadsheet
/// programs need it to read Turkish letters as UTF-8). Buffers its output; `finish` writes the rest.
class CsvWriter {
public:
    CsvWriter(QIODevice& device, const QString& fileName, bool byteOrderMark = false, QChar delimiter = u',');

    /// Appends one record; a failing device raises an error naming the file.
    void write(const QStringList& fields);
    /// The same for fields already in UTF-8, as the engine hands them out; the separator must be ASCII.
    void write(const QList<QByteArrayView>& utf8Fields);
    /// Writes what is buffered; call once after the last record.
    void finish();
    qint64 recordsWritten() const { return m_records; }

private:
    void flush();

    QIODevice& m_device;
    QString m_fileName;
    QChar m_delimiter;
    QByteArray m_pending;
    qint64 m_records = 0;
};

} // namespace corvella::exchange
