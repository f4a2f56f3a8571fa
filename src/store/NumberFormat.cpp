#include "NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace corvella::store {

namespace {

bool isPlaceholder(QChar c)
{
    return c == u'#' || c == u'0';
}

} // namespace

QString formatFloat(const QString& picture, double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return locale.toString(value);
    const qsizetype point = picture.indexOf(u'.');
    const QStringView integerPicture = point < 0 ? QStringView(picture) : QStringView(picture).left(point);
    const QStringView fractionPicture = point < 0 ? QStringView() : QStringView(picture).mid(point + 1);

    // Integer places from the first "0" on are always shown; fraction places up to the last "0".
    int minInteger = 0;
    bool forced = false;
    for (const QChar c : integerPicture) {
        forced = forced || c == u'0';
        if (forced && isPlaceholder(c))
            ++minInteger;
    }
    int maxFraction = 0;
    int minFraction = 0;
    for (const QChar c : fractionPicture) {
        if (!isPlaceholder(c))
            continue;
        ++maxFraction;
        if (c == u'0')
            minFraction = maxFraction;
    }
    const bool grouping = integerPicture.contains(u',');

    // Rounding works on the shortest decimal form of the value, so 98.755 shows as 98.76 as it was typed.
    const QString shortest = QString::number(std::abs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype dot = shortest.indexOf(u'.');
    QString integerDigits = dot < 0 ? shortest : shortest.left(dot);
    QString fractionDigits = dot < 0 ? QString() : shortest.mid(dot + 1);
    if (fractionDigits.size() > maxFraction) {
        const bool up = fractionDigits.at(maxFraction) >= u'5';
        fractionDigits.truncate(maxFraction);
        if (up) {
            QString digits = integerDigits + fractionDigits;
            qsizetype at = digits.size() - 1;
            for (; at >= 0 && digits.at(at) == u'9'; --at)
                digits[at] = u'0';
            if (at < 0)
                digits.prepend(u'1');
            else
                digits[at] = QChar(digits.at(at).unicode() + 1);
            integerDigits = digits.left(digits.size() - maxFraction);
            fractionDigits = digits.right(maxFraction);
        }
    }
    const QString fixed = integerDigits + fractionDigits;
    fractionDigits = fractionDigits.leftJustified(minFraction, u'0');
    while (fractionDigits.size() > minFraction && fractionDigits.endsWith(u'0'))
        fractionDigits.chop(1);
    if (integerDigits == u"0"_qs)
        integerDigits.clear();
    if (integerDigits.size() < minInteger)
        integerDigits = integerDigits.rightJustified(minInteger, u'0');
    if (grouping)
        for (qsizetype at = integerDigits.size() - 3; at > 0; at -= 3)
            integerDigits.insert(at, locale.groupSeparator());

    QString text = integerDigits;
    if (!fractionDigits.isEmpty() || minFraction > 0)
        text += locale.decimalPoint() + fractionDigits;
    const bool nonZero = std::any_of(fixed.cbegin(), fixed.cend(), [](QChar c) { return c > u'0' && c <= u'9'; });
    if (value < 0 && nonZero)
        text.prepend(locale.negativeSign());
    return text;
}

} // namespace corvella::store
