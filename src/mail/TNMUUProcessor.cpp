#include "TNMUUProcessor.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QIODevice>

#include <array>

namespace corvella::mail {

namespace {

constexpr char MimeAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char UuAlphabet[] = "`!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_";

/// Two output characters for every 12-bit value, so a group of three bytes costs two lookups.
using PairTable = std::array<std::array<char, 2>, 4096>;

PairTable makePairs(const char* alphabet)
{
    PairTable table{};
    for (int value = 0; value < 4096; ++value)
        table[value] = {alphabet[value >> 6], alphabet[value & 63]};
    return table;
}

const PairTable& pairsFor(UUMethods method)
{
    static const PairTable mime = makePairs(MimeAlphabet);
    static const PairTable uu = makePairs(UuAlphabet);
    return method == UUMethods::uuCode ? uu : mime;
}

// Lines are read and written many at a time; the text is the same as line by line.
constexpr qint64 LinesPerBlock = 1456; // 65,520 input bytes
constexpr qint64 InputBlock = LinesPerBlock * TNMUUProcessor::BytesPerLine;
constexpr qint64 OutputLineMax = 1 + 60 + 2 + 2;

} // namespace

TNMUUProcessor::TNMUUProcessor(QObject* parent)
    : QObject(parent)
{}

const char* TNMUUProcessor::Alphabet(UUMethods method)
{
    return method == UUMethods::uuCode ? UuAlphabet : MimeAlphabet;
}

qint64 TNMUUProcessor::EncodedSize(qint64 size, UUMethods method)
{
    const qint64 lines = (size + BytesPerLine - 1) / BytesPerLine;
    if (method == UUMethods::uuCode)
        return lines * 3 + (size / 3) * 4 + (size % 3 == 0 ? 0 : size % 3 + 1) + 3;
    return lines * 2 + (size + 2) / 3 * 4;
}

void TNMUUProcessor::Encode()
{
    if (!m_input || !m_output)
        throw Error(u"Encoder streams not set"_qs);
    {
        // Also after an error the output goes back to its start and the end is announced; the encoding error is
        // the one to report.
        OnFailure finish([this] {
            try {
                Finish();
            } catch (const Error&) {
            }
        });
        EncodeLines();
    }
    Finish();
}

void TNMUUProcessor::Finish()
{
    m_output->seek(0);
    if (OnEndEncode)
        OnEndEncode(*this);
}

void TNMUUProcessor::EncodeLines()
{
    m_input->seek(0);
    if (OnBeginEncode)
        OnBeginEncode(*this);
    const bool uu = m_method == UUMethods::uuCode;
    const char* alphabet = Alphabet(m_method);
    const PairTable& pairs = pairsFor(m_method);

    QByteArray input(InputBlock, Qt::Uninitialized);
    QByteArray output(LinesPerBlock * OutputLineMax, Qt::Uninitialized);
    const auto writeOut = [this](const char* data, qint64 size) {
        if (m_output->write(data, size) != size)
            throw Error(u"Stream write error"_qs);
    };

    for (;;) {
        const qint64 count = m_input->read(input.data(), InputBlock);
        if (count < 0)
            throw Error(u"Stream read error"_qs);
        if (count == 0)
            break;
        const auto* in = reinterpret_cast<const unsigned char*>(input.constData());
        char* out = output.data();
        for (qint64 start = 0; start < count; start += BytesPerLine) {
            const int n = int(std::min<qint64>(BytesPerLine, count - start));
            const unsigned char* p = in + start;
            if (uu)
                *out++ = alphabet[n & 63];
            const int groups = n / 3;
            for (int g = 0; g < groups; ++g, p += 3) {
                const unsigned value = (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
                const auto& high = pairs[value >> 12];
                const auto& low = pairs[value & 0xFFF];
                out[0] = high[0];
                out[1] = high[1];
                out[2] = low[0];
                out[3] = low[1];
                out += 4;
            }
            const int rest = n - groups * 3;
            if (rest == 1) {
                *out++ = alphabet[p[0] >> 2];
                *out++ = alphabet[(p[0] << 4) & 48];
                if (!uu) {
                    *out++ = '=';
                    *out++ = '=';
                }
            } else if (rest == 2) {
                *out++ = alphabet[p[0] >> 2];
                *out++ = alphabet[((p[0] << 4) | (p[1] >> 4)) & 63];
                *out++ = alphabet[(p[1] << 2) & 60];
                if (!uu)
                    *out++ = '=';
            }
            *out++ = '\r';
            *out++ = '\n';
        }
        writeOut(output.constData(), out - output.constData());
    }
    if (uu) {
        const char zeroLine[] = {alphabet[0], '\r', '\n'};
        writeOut(zeroLine, sizeof zeroLine);
    }
}

} // namespace corvella::mail
