// The attachment encoder writing through the buffered stream: the text must decode back to the input, line by line.
#include "FuzzInput.h"

#include "mail/TNMUUProcessor.h"
#include "mail/TS_BufferStream.h"

#include <QBuffer>

#include <cstring>

using namespace corvella;
using mail::UUMethods;

namespace {

/// Decodes one line of `method` text without its CR LF; false when it is not text the encoder writes.
bool decodeLine(QByteArrayView line, UUMethods method, QByteArray& out)
{
    const char* alphabet = mail::TNMUUProcessor::Alphabet(method);
    const auto value = [alphabet](char c) {
        const char* at = c ? std::strchr(alphabet, c) : nullptr;
        return at ? int(at - alphabet) : -1;
    };
    qsizetype length = -1;
    if (method == UUMethods::uuCode) {
        if (line.isEmpty() || value(line.front()) < 0)
            return false;
        length = value(line.front());
        line = line.sliced(1);
    } else {
        while (line.endsWith('='))
            line.chop(1);
    }
    QByteArray bytes;
    for (qsizetype i = 0; i < line.size(); i += 4) {
        const QByteArrayView group = line.sliced(i, std::min<qsizetype>(4, line.size() - i));
        if (group.size() == 1)
            return false;
        unsigned bits = 0;
        for (qsizetype j = 0; j < 4; ++j) {
            const int v = j < group.size() ? value(group[j]) : 0;
            if (v < 0)
                return false;
            bits = bits << 6 | unsigned(v);
        }
        for (qsizetype j = 0; j < group.size() - 1; ++j)
            bytes += char(bits >> (16 - 8 * j));
    }
    if (length >= 0 && length != bytes.size())
        return false;
    out += bytes;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput input(data, size);
    const quint8 choice = input.byte();
    const UUMethods method = choice & 1 ? UUMethods::uuCode : UUMethods::uuMime;
    mail::TNMUUProcessor::SetVectorEncoding(choice & 2);
    // Repeating the input reaches past the stream's 32 KiB buffer and the encoder's blocks.
    const QByteArray plain = input.rest().repeated(1 + (choice >> 2) % 24);

    QByteArray source = plain;
    QBuffer sourceDevice(&source);
    sourceDevice.open(QIODevice::ReadOnly);
    mail::TS_BufferStream reading(&sourceDevice);
    reading.open(QIODevice::ReadOnly);
    QByteArray text;
    QBuffer textDevice(&text);
    textDevice.open(QIODevice::ReadWrite);
    mail::TS_BufferStream writing(&textDevice);
    writing.open(QIODevice::ReadWrite);

    mail::TNMUUProcessor encoder;
    encoder.SetMethod(method);
    encoder.SetInputStream(choice & 0x80 ? static_cast<QIODevice*>(&reading) : &sourceDevice);
    encoder.SetOutputStream(&writing);
    encoder.Encode();
    if (!writing.Flush())
        fuzz::fail("the buffered stream did not flush");

    if (text.size() != mail::TNMUUProcessor::EncodedSize(plain.size(), method))
        fuzz::fail("the text's size is not the one announced");
    // Read back through the buffered stream too: it must give what went through it.
    if (writing.Position() != 0 || writing.read(text.size() + 1) != text)
        fuzz::fail("the buffered stream reads back other bytes");

    QByteArray decoded;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        if (!line.endsWith('\r') || line.size() > 63)
            fuzz::fail("a line without CR LF or too long");
        if (method == UUMethods::uuCode && i + 2 == lines.size()) {
            if (line != "`\r")
                fuzz::fail("uuencode text without its closing line");
            break;
        }
        if (!decodeLine(QByteArrayView(line).chopped(1), method, decoded))
            fuzz::fail("a line does not decode", QString::fromLatin1(line));
    }
    if (!lines.last().isEmpty())
        fuzz::fail("the text does not end in CR LF");
    if (decoded != plain)
        fuzz::fail("the text does not decode to the input");
    return 0;
}
