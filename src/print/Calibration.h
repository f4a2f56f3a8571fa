#pragma once

#include <QString>

#include <optional>

namespace corvella::print {

/// Nominal side of the printer ratio test square, mm.
inline constexpr double RatioSquareMm = 100;
/// Character cells between the two "X" letters of the label printer test page.
inline constexpr int TestCellsBetweenX = 79;
/// Nominal distance between the "." marks of the label printer test page, mm.
inline constexpr double TestDotDistanceMm = 100;
/// The character width stored when the "X" distance is given as 0 (201.5 mm over 79 cells).
inline constexpr double FallbackCharacterWidthMm = 2.550632911;

/// Reads a typed measurement; both "," and "." are taken as the decimal separator. Other text raises
/// "'%s' is not a valid floating point value".
double parseMeasurement(const QString& text);

struct PrinterRatios {
    double xPercent;
    double yPercent;
};

/// The printing ratios in percent from the measured square; none when either side is 0, which abandons the test.
std::optional<PrinterRatios> printerRatios(double widthMm, double heightMm);

struct LabelPrinterValues {
    double characterWidthMm;
    double yRatioPercent;
};

/// The label printer's character width and Y ratio from the two distances measured on the test page. A 0 "X"
/// distance gives the fallback width; a 0 dot distance raises "Floating point division by zero".
LabelPrinterValues labelPrinterValues(double xDistanceMm, double dotDistanceMm);

} // namespace corvella::print
