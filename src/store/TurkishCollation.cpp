#include "TurkishCollation.h"

#include "Utf8.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace corvella::store {

namespace {

// Weights: ASCII symbols and digits keep their code (below every letter); letters of the Turkish alphabet
// get spaced weights so that a letter with a foreign accent can sit just after its base letter; every other
// character follows all of them, by its case-folded code point.
constexpr uint32_t LetterBase = 0x1000;
constexpr uint32_t LetterStep = 8;
constexpr uint32_t OtherLetterBase = 0x4000;
constexpr uint32_t OtherBase = 0x100000;
constexpr char32_t TableSize = 0x250; // through Latin Extended-B

struct WeightTable {
    std::array<uint32_t, TableSize> weights{};

    WeightTable()
    {
        // Capitals pair with the small letters by position: I is the capital of ı, İ the capital of i.
        static constexpr char32_t alphabet[] = U"abcçdefgğhıijklmnoöpqrsştuüvwxyz";
        static constexpr char32_t capitals[] = U"ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ";
        static_assert(sizeof(alphabet) == sizeof(capitals));

        for (char32_t c = 0; c < TableSize; ++c)
            weights[c] = c < 0x80 ? uint32_t(c) : OtherLetterBase + c;

        auto letterWeight = [](char32_t letter) -> uint32_t {
            for (size_t i = 0; alphabet[i]; ++i)
                if (alphabet[i] == letter || capitals[i] == letter)
                    return LetterBase + uint32_t(i) * LetterStep;
            return 0;
        };
        for (size_t i = 0; alphabet[i]; ++i)
            weights[alphabet[i]] = weights[capitals[i]] = letterWeight(alphabet[i]);

        // Accented Latin letters that are not Turkish letters sort right after their base letter.
        for (char32_t c = 0xC0; c < TableSize; ++c) {
            if (letterWeight(c))
                continue;
            const QChar ch{char16_t(c)};
            if (!ch.isLetter()) {
                weights[c] = 0x800 + c;
                continue;
            }
            const QString decomposed = ch.decomposition();
            const char16_t base = decomposed.isEmpty() ? 0 : QChar(decomposed.at(0)).toLower().unicode();
            const uint32_t baseWeight = (base >= U'a' && base <= U'z') ? letterWeight(base) : 0;
            weights[c] = baseWeight ? baseWeight + 1 : OtherLetterBase + QChar(char16_t(c)).toLower().unicode();
        }
    }
};

const WeightTable& table()
{
    static const WeightTable t;
    return t;
}

inline uint32_t weightOf(const std::array<uint32_t, TableSize>& weights, char32_t c)
{
    if (c < TableSize)
        return weights[c];
    if (c <= 0xFFFF)
        return OtherBase + QChar(char16_t(c)).toCaseFolded().unicode();
    return OtherBase + c;
}

inline bool isContinuation(std::string_view s, size_t k)
{
    return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
}

inline size_t backToCharacterStart(std::string_view a, std::string_view b, size_t k)
{
    while (k > 0 && (isContinuation(a, k) || isContinuation(b, k)))
        --k;
    return k;
}

// Sorting meets many equal texts and long shared prefixes (company names), so the byte-identical start is skipped
// without decoding. The weighed walk resumes at a character start common to both texts: a byte that is not a
// continuation byte always starts a character, whatever malformed bytes come before it.
inline size_t commonStart(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    size_t k = 0;
    // Eight bytes a step; the first differing byte in memory is the lowest one of the word on a little-endian machine.
    while (k + 8 <= n) {
        uint64_t x, y;
        std::memcpy(&x, a.data() + k, 8);
        std::memcpy(&y, b.data() + k, 8);
        if (x != y) {
            const uint64_t diff = x ^ y;
            const int bit =
                std::endian::native == std::endian::little ? std::countr_zero(diff) : std::countl_zero(diff);
            return backToCharacterStart(a, b, k + size_t(bit / 8));
        }
        k += 8;
    }
    while (k < n && a[k] == b[k])
        ++k;
    return backToCharacterStart(a, b, k);
}

} // namespace

int compareTurkish(std::string_view a, std::string_view b)
{
    const auto& w = table().weights;
    const size_t start = commonStart(a, b);
    if (start == a.size() && start == b.size())
        return 0;
    size_t i = start, j = start;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        uint32_t wa, wb;
        if ((ca | cb) < 0x80) {
            wa = w[ca];
            wb = w[cb];
            ++i;
            ++j;
        } else {
            wa = ca < 0x80 ? (++i, w[ca]) : weightOf(w, utf8::decode(a, i));
            wb = cb < 0x80 ? (++j, w[cb]) : weightOf(w, utf8::decode(b, j));
        }
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

int compareTurkish(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return compareTurkish(std::string_view(ua.constData(), size_t(ua.size())),
                          std::string_view(ub.constData(), size_t(ub.size())));
}

} // namespace corvella::store
