#include "TNMUUProcessor.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QIODevice>

#include <array>
#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define CORVELLA_AVX2_LINES 1
#include <QCoreApplication>
#include <immintrin.h>
#endif

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

// Lines are read, encoded and written many at a time into buffers kept for the whole input; the text is the same
// as line by line.
constexpr qint64 LinesPerBlock = 1456; // 65,520 input bytes, 90 KB of text: both stay in the cache
constexpr qint64 InputBlock = LinesPerBlock * TNMUUProcessor::BytesPerLine;
constexpr qint64 OutputLineMax = 1 + 60 + 2;
// Vector loads read up to 7 bytes past a line and stores write up to 2 bytes past it.
constexpr qint64 Slack = 32;

/// Encodes one line of `n` (1 to 45) bytes with its CR LF; returns the end of the text.
char* encodeLine(const unsigned char* p, int n, char* out, UUMethods method)
{
    const bool uu = method == UUMethods::uuCode;
    const char* alphabet = TNMUUProcessor::Alphabet(method);
    const PairTable& pairs = pairsFor(method);
    if (uu)
        *out++ = alphabet[n & 63];
    const int groups = n / 3;
    for (int g = 0; g < groups; ++g, p += 3) {
        const unsigned value = (unsigned(p[0]) << 16) | (unsigned(p[1]) << 8) | p[2];
        std::memcpy(out, pairs[value >> 12].data(), 2);
        std::memcpy(out + 2, pairs[value & 0xFFF].data(), 2);
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
    return out;
}

#ifdef CORVELLA_AVX2_LINES

/// 24 bytes (two lanes of 12) as 32 characters. Each 3-byte group b0 b1 b2 is spread over a 32-bit word as
/// b1 b0 b2 b1, so that the low half holds b0:b1 and the high half b1:b2 in big-endian order; one multiply moves
/// the first sextet of each half to its byte and another the second.
template <UUMethods Method> __attribute__((target("avx2"))) inline __m256i encode24(const unsigned char* p)
{
    const __m256i bytes =
        _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))),
                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12)), 1);
    const __m256i spread =
        _mm256_shuffle_epi8(bytes, _mm256_setr_epi8(1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10, 1, 0, 2, 1, 4, 3,
                                                    5, 4, 7, 6, 8, 7, 10, 9, 11, 10));
    // Low half: the first sextet sits in bits 15-10, the second in 9-4; high half: bits 11-6 and 5-0.
    const __m256i firsts =
        _mm256_mulhi_epu16(_mm256_and_si256(spread, _mm256_set1_epi32(0x0FC0FC00)), _mm256_set1_epi32(0x04000040));
    const __m256i seconds =
        _mm256_mullo_epi16(_mm256_and_si256(spread, _mm256_set1_epi32(0x003F03F0)), _mm256_set1_epi32(0x01000010));
    const __m256i sextets = _mm256_or_si256(firsts, seconds);

    if constexpr (Method == UUMethods::uuCode) {
        // Value v is character 32 + v, except 0, which is the grave accent (96).
        const __m256i zero = _mm256_cmpeq_epi8(sextets, _mm256_setzero_si256());
        return _mm256_add_epi8(_mm256_add_epi8(sextets, _mm256_set1_epi8(32)),
                               _mm256_and_si256(zero, _mm256_set1_epi8(64)));
    } else {
        // Sort each value into a range (0: 26-51, 1-12: 52-63 one by one, 13: 0-25) and add that range's distance
        // to its characters.
        __m256i range = _mm256_subs_epu8(sextets, _mm256_set1_epi8(51));
        range = _mm256_or_si256(
            range, _mm256_and_si256(_mm256_cmpgt_epi8(_mm256_set1_epi8(26), sextets), _mm256_set1_epi8(13)));
        const __m256i shifts = _mm256_setr_epi8(71, -4, -4, -4, -4, -4, -4, -4, -4, -4, -4, -19, -16, 65, 0, 0, 71, -4,
                                                -4, -4, -4, -4, -4, -4, -4, -4, -4, -19, -16, 65, 0, 0);
        return _mm256_add_epi8(sextets, _mm256_shuffle_epi8(shifts, range));
    }
}

/// Encodes `lines` full lines of 45 bytes; reads up to 7 bytes past them and writes up to 2 past the text.
template <UUMethods Method>
__attribute__((target("avx2"))) char* encodeFullLines(const unsigned char* in, qint64 lines, char* out)
{
    for (qint64 line = 0; line < lines; ++line, in += TNMUUProcessor::BytesPerLine) {
        if constexpr (Method == UUMethods::uuCode)
            *out++ = 'M'; // 45, the length of a full line
        // The second half encodes 24 bytes of which 21 belong to the line; its last 4 characters are overwritten
        // by the line end and the next line.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), encode24<Method>(in));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 32), encode24<Method>(in + 24));
        out[60] = '\r';
        out[61] = '\n';
        out += 62;
    }
    return out;
}

bool cpuHasAvx2()
{
    return __builtin_cpu_supports("avx2");
}

#else

bool cpuHasAvx2()
{
    return false;
}

#endif

bool& vectorChoice()
{
    static bool use = cpuHasAvx2();
    return use;
}

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

bool TNMUUProcessor::VectorEncoding()
{
    return vectorChoice();
}

void TNMUUProcessor::SetVectorEncoding(bool enabled)
{
    vectorChoice() = enabled && cpuHasAvx2();
}

void TNMUUProcessor::Encode()
{
    if (!m_input || !m_output)
        throw Error(QCoreApplication::translate("mail", "Encoder streams not set"));
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

    QByteArray input(InputBlock + Slack, '\0');
    QByteArray output(LinesPerBlock * OutputLineMax + Slack, Qt::Uninitialized);
    const auto* in = reinterpret_cast<const unsigned char*>(input.constData());
    const auto writeOut = [this](const char* data, qint64 size) {
        if (m_output->write(data, size) != size)
            throw Error(QCoreApplication::translate("mail", "Stream write error"));
    };

    for (bool more = true; more;) {
        // A stream may hand over less than asked before its end: fill the block so that only the last line is short.
        qint64 count = 0;
        while (count < InputBlock) {
            const qint64 got = m_input->read(input.data() + count, InputBlock - count);
            if (got < 0)
                throw Error(QCoreApplication::translate("mail", "Stream read error"));
            if (got == 0)
                break;
            count += got;
        }
        more = count == InputBlock;
        if (count == 0)
            break;

        const qint64 fullLines = count / BytesPerLine;
        char* out = output.data();
#ifdef CORVELLA_AVX2_LINES
        if (vectorChoice()) {
            out = m_method == UUMethods::uuCode ? encodeFullLines<UUMethods::uuCode>(in, fullLines, out)
                                                : encodeFullLines<UUMethods::uuMime>(in, fullLines, out);
        } else
#endif
        {
            for (qint64 line = 0; line < fullLines; ++line)
                out = encodeLine(in + line * BytesPerLine, BytesPerLine, out, m_method);
        }
        if (const int rest = int(count - fullLines * BytesPerLine); rest > 0)
            out = encodeLine(in + fullLines * BytesPerLine, rest, out, m_method);
        writeOut(output.constData(), out - output.constData());
    }
    if (m_method == UUMethods::uuCode) {
        const char zeroLine[] = {UuAlphabet[0], '\r', '\n'};
        writeOut(zeroLine, sizeof zeroLine);
    }
}

} // namespace corvella::mail
