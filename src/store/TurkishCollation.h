#pragma once

#include <QString>

#include <string_view>

namespace corvella::store {

/// Name under which the collation is registered on every connection. Statements name it (withTurkishComparisons);
/// files of earlier versions also declare their text columns with it.
inline constexpr char TurkishCollationName[] = "TR_NOCASE";

/// Compares two UTF-8 texts in Turkish alphabetical order, without regard to letter case
/// (ı < i, I = ı, İ = i, c < ç < d, g < ğ < h, o < ö < p, s < ş < t, u < ü < v). Returns <0, 0 or >0.
int compareTurkish(std::string_view a, std::string_view b);
int compareTurkish(const QString& a, const QString& b);

} // namespace corvella::store
