// Encodes a file as an attachment is encoded for a message: TNMUUProcessor writing base64 lines through a
// TS_BufferStream. With OUT the text goes into that file; without it into a sink that takes every byte and keeps
// none, as a connection would (the measured case: the work of the encoder and the buffered stream, without a
// file system's cost of storing 138 MB). --plain switches the vector unit off.
//
// usage: corvella-encbench [--plain] IN [OUT]
#include "mail/TNMUUProcessor.h"
#include "mail/TS_BufferStream.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace corvella::mail;

namespace {

class DiscardingDevice : public QIODevice {
public:
    DiscardingDevice() { open(QIODevice::WriteOnly); }
    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        m_size = std::max(m_size, pos() + size);
        return size;
    }

private:
    qint64 m_size = 0;
};

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--plain") == 0) {
        TNMUUProcessor::SetVectorEncoding(false);
        ++first;
    }
    if (argc - first < 1 || argc - first > 2) {
        std::fprintf(stderr, "usage: corvella-encbench [--plain] IN [OUT]\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[first]));
    std::unique_ptr<QIODevice> output;
    if (argc - first == 2) {
        output = std::make_unique<QFile>(QString::fromLocal8Bit(argv[first + 1]));
        output->open(QIODevice::WriteOnly);
    } else {
        output = std::make_unique<DiscardingDevice>();
    }
    if (!input.open(QIODevice::ReadOnly) || !output->isOpen()) {
        std::fprintf(stderr, "corvella-encbench: cannot open the files\n");
        return 1;
    }
    TS_BufferStream buffered(output.get());
    TNMUUProcessor encoder;
    encoder.SetInputStream(&input);
    encoder.SetOutputStream(&buffered);
    encoder.Encode();
    if (buffered.size() != TNMUUProcessor::EncodedSize(input.size(), UUMethods::uuMime)) {
        std::fprintf(stderr, "corvella-encbench: %lld characters written, %lld expected\n",
                     static_cast<long long>(buffered.size()),
                     static_cast<long long>(TNMUUProcessor::EncodedSize(input.size(), UUMethods::uuMime)));
        return 1;
    }
    return 0;
}
