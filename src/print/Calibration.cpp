#include "Calibration.h"

#include "core/Error.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <cmath>

namespace corvella::print {

double parseMeasurement(const QString& text)
{
    static const QRegularExpression number(uR"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?\s*$)"_qs);
    if (number.match(text).hasMatch()) {
        QString plain = text.trimmed();
        plain.replace(u',', u'.');
        bool ok = false;
        const double value = plain.toDouble(&ok);
        if (ok && std::isfinite(value))
            return value;
    }
    throw Error(QCoreApplication::translate("print", "'%1' is not a valid floating point value").arg(text));
}

std::optional<PrinterRatios> printerRatios(double widthMm, double heightMm)
{
    if (widthMm == 0 || heightMm == 0)
        return std::nullopt;
    return PrinterRatios{RatioSquareMm / widthMm * 100, RatioSquareMm / heightMm * 100};
}

LabelPrinterValues labelPrinterValues(double xDistanceMm, double dotDistanceMm)
{
    if (dotDistanceMm == 0)
        throw Error(QCoreApplication::translate("print", "Floating point division by zero"));
    double width = xDistanceMm / TestCellsBetweenX;
    if (width == 0)
        width = FallbackCharacterWidthMm;
    return {width, TestDotDistanceMm / dotDistanceMm * 100};
}

} // namespace corvella::print
