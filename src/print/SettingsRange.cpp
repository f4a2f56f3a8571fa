#include "SettingsRange.h"

#include "core/Error.h"

#include <QLocale>

#include <QCoreApplication>
#include <cmath>

namespace corvella::print {

namespace {

constexpr int LongestMm = 2000;
constexpr int LargestFont = 1000;

QString shownValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 12);
    return value.toString();
}

} // namespace

int checkedWholeNumber(const SettingsReader& settings, const SettingsMeasure& measure)
{
    const QVariant value = settings(measure.column);
    if (value.isNull())
        return 0;
    bool ok = false;
    double number = value.toDouble(&ok);
    if (!ok && value.typeId() == QMetaType::QString)
        number = QLocale().toDouble(value.toString(), &ok);
    const QString field = u"%1 (%2)"_qs.arg(measure.userName, measure.column);
    if (!ok || std::isnan(number))
        throw Error(QCoreApplication::translate(
                        "print", "%1 in the print settings is not a number: '%2'. Correct it before printing.")
                        .arg(field, shownValue(value)));
    // Halves to even, as every whole-number read of the row; compared before any conversion to int.
    const double whole = std::nearbyint(number);
    if (!(whole >= measure.lowest && whole <= measure.highest))
        throw Error(QCoreApplication::translate(
                        "print",
                        "%1 in the print settings is %2; it must lie between %3 and %4 %5. Correct it before printing.")
                        .arg(field, shownValue(value))
                        .arg(measure.lowest)
                        .arg(measure.highest)
                        .arg(measure.unit));
    return int(whole);
}

namespace ranges {

SettingsMeasure lengthMm(const QString& column, const QString& userName)
{
    return {column, userName, 0, LongestMm, u"mm"_qs};
}

SettingsMeasure offsetMm(const QString& column, const QString& userName)
{
    return {column, userName, -LongestMm, LongestMm, u"mm"_qs};
}

SettingsMeasure fontSize(const QString& column, const QString& userName)
{
    return {column, userName, 0, LargestFont, QCoreApplication::translate("print", "points")};
}

} // namespace ranges

} // namespace corvella::print
