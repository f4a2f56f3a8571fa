#pragma once

#include <QLocale>
#include <QString>

namespace corvella::store {

/// Formats a number by a picture of placeholders: "#" a digit shown only when needed, "0" a digit always shown,
/// "," anywhere before the point turns on thousands grouping, "." places the decimal point. The separators printed
/// are the locale's; digits beyond the picture's integer places are all shown; halves round away from zero.
/// So "###,###,###" shows 0 as an empty text and "###,##0.00" shows it as 0.00.
QString formatFloat(const QString& picture, double value, const QLocale& locale = QLocale());

} // namespace corvella::store
