#pragma once

#include <QString>
#include <QVariant>

#include <functional>

namespace corvella::print {

/// Reads one column of the print settings row by name; a null value stands for an empty one.
using SettingsReader = std::function<QVariant(const QString& column)>;

/// A measurement of the settings row with the name the user knows it by and the whole numbers a job accepts.
struct SettingsMeasure {
    QString column;
    QString userName; // as the settings windows caption it, e.g. "Label Width"
    int lowest = 0;
    int highest = 0;
    QString unit; // "mm" or "points"
};

/// Reads a measurement as a whole number (halves to even; empty is 0) and checks it against its range. A value
/// outside it, not finite or not a number raises a message naming the field, so that no job starts with it.
int checkedWholeNumber(const SettingsReader& settings, const SettingsMeasure& measure);

/// The ranges of the measurements a job reads. Lengths stay within 2 m of the page's corner; gaps may be negative,
/// as the label grid then names the axis that holds no label.
namespace ranges {
SettingsMeasure lengthMm(const QString& column, const QString& userName);
SettingsMeasure offsetMm(const QString& column, const QString& userName);
SettingsMeasure fontSize(const QString& column, const QString& userName);
} // namespace ranges

} // namespace corvella::print
