// CSV files from any program: every encoding, separator and piece size. The records must not depend on how the file
// is cut into pieces, nor on whether a UTF-8 text comes as UTF-16.
#include "FuzzInput.h"

#include "exchange/CsvReader.h"

#include <QBuffer>
#include <QStringEncoder>

#include <optional>

using namespace corvella;

namespace {

struct Outcome {
    QList<QStringList> records;
    QList<int> lines;
    bool refused = false;
    // Judged from the file's start, so a smaller first piece may judge otherwise; records compare only when alike.
    QChar delimiter;
    bool operator==(const Outcome&) const = default;
};

Outcome readAll(QByteArray bytes, std::optional<QChar> delimiter, qsizetype chunkBytes)
{
    Outcome outcome;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    try {
        exchange::CsvReader reader(device, u"fuzz.csv"_qs, delimiter, chunkBytes);
        outcome.delimiter = reader.delimiter();
        QStringList fields;
        int previous = 0;
        while (reader.next(fields)) {
            if (reader.recordLine() <= previous || fields.isEmpty())
                fuzz::fail("a record without fields or out of line order");
            previous = reader.recordLine();
            outcome.records << fields;
            outcome.lines << reader.recordLine();
        }
        if (reader.bytesRead() != bytes.size())
            fuzz::fail("the reader ended before the file did");
    } catch (const exchange::ParseError&) {
        outcome.refused = true;
        outcome.records.clear();
        outcome.lines.clear();
    }
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::FuzzInput input(data, size);
    const quint8 choice = input.byte();
    std::optional<QChar> delimiter;
    switch (choice & 3) {
    case 1:
        delimiter = u',';
        break;
    case 2:
        delimiter = u';';
        break;
    case 3:
        delimiter = u'\t';
        break;
    }
    const QByteArray bytes = input.rest();
    const Outcome whole = readAll(bytes, delimiter, exchange::CsvReader::DefaultChunkBytes);
    const qsizetype piece = 4 + (choice >> 2) % 16;
    const Outcome pieces = readAll(bytes, delimiter, piece);
    const qsizetype head = exchange::CsvReader::DefaultChunkBytes;
    const bool judgedAlike =
        whole.delimiter == pieces.delimiter && exchange::detectEncoding(bytes.left(piece), bytes.size() <= piece) ==
                                                   exchange::detectEncoding(bytes.left(head), bytes.size() <= head);
    if (judgedAlike && !(whole == pieces))
        fuzz::fail("the records depend on the piece size");

    // The same text as UTF-16 with its mark reads the same, when it is UTF-8 without a mark of its own.
    if (!whole.refused && delimiter &&
        exchange::detectEncoding(bytes.left(head), bytes.size() <= head) == exchange::TextEncoding::Utf8 &&
        !bytes.isEmpty()) {
        QStringEncoder encoder(choice & 0x40 ? QStringConverter::Utf16BE : QStringConverter::Utf16LE,
                               QStringConverter::Flag::WriteBom);
        const QByteArray wide = encoder.encode(QString::fromUtf8(bytes));
        if (!(readAll(wide, delimiter, exchange::CsvReader::DefaultChunkBytes) == whole))
            fuzz::fail("UTF-16 reads other records than UTF-8");
    }
    return 0;
}
