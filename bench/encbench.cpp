// Encodes a file as an attachment is encoded for a message: TNMUUProcessor writing base64 lines through a
// TS_BufferStream into memory, then the encoded text copied out (here into OUT).
//
// usage: corvella-encbench IN OUT
#include "mail/TNMUUProcessor.h"
#include "mail/TS_BufferStream.h"

#include <QBuffer>
#include <QFile>

#include <cstdio>

using namespace corvella::mail;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvella-encbench IN OUT\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "corvella-encbench: cannot open the files\n");
        return 1;
    }
    QBuffer memory;
    memory.buffer().reserve(TNMUUProcessor::EncodedSize(input.size(), UUMethods::uuMime)); // as the client does
    memory.open(QIODevice::ReadWrite);
    TS_BufferStream buffered(&memory);
    TNMUUProcessor encoder;
    encoder.SetInputStream(&input);
    encoder.SetOutputStream(&buffered);
    encoder.Encode();

    QByteArray chunk(1 << 20, Qt::Uninitialized);
    qint64 left = buffered.size();
    while (left > 0) {
        const qint64 count = buffered.read(chunk.data(), std::min<qint64>(left, chunk.size()));
        if (count <= 0 || output.write(chunk.constData(), count) != count) {
            std::fprintf(stderr, "corvella-encbench: copy failed\n");
            return 1;
        }
        left -= count;
    }
    return 0;
}
