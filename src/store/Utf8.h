#pragma once

#include <string_view>

namespace corvella::store::utf8 {

/// Decodes the character at s[i] and moves i past it. A malformed byte stands for itself as a lone surrogate code,
/// which valid text never produces, so every input compares and folds consistently.
inline char32_t decode(std::string_view s, size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    auto cont = [&](size_t k) -> int {
        if (i + k >= s.size())
            return -1;
        const auto b = static_cast<unsigned char>(s[i + k]);
        return (b & 0xC0) == 0x80 ? (b & 0x3F) : -1;
    };
    if (b0 >= 0xC2 && b0 < 0xE0) {
        const int c1 = cont(1);
        if (c1 >= 0) {
            i += 2;
            return char32_t((b0 & 0x1F) << 6 | c1);
        }
    } else if (b0 >= 0xE0 && b0 < 0xF0) {
        const int c1 = cont(1), c2 = c1 >= 0 ? cont(2) : -1;
        if (c2 >= 0) {
            i += 3;
            return char32_t((b0 & 0x0F) << 12 | c1 << 6 | c2);
        }
    } else if (b0 >= 0xF0 && b0 < 0xF5) {
        const int c1 = cont(1), c2 = c1 >= 0 ? cont(2) : -1, c3 = c2 >= 0 ? cont(3) : -1;
        if (c3 >= 0) {
            i += 4;
            return char32_t((b0 & 0x07) << 18 | c1 << 12 | c2 << 6 | c3);
        }
    }
    ++i;
    return 0xDC00 + b0;
}

} // namespace corvella::store::utf8
