#pragma once

#include <QString>

namespace corvella::print {

class Tgenel;

/// Where the label printer test page puts its marks, mm from the printable area's top-left corner.
struct LabelTestPageLayout {
    static constexpr int Left = 10;
    static constexpr int XLineTop = 30;
    static constexpr int FirstDotTop = 60;
    static constexpr int FontSize = 10;
};

/// The text of the label printer test line: two "X" letters 79 character cells apart.
QString labelTestLine();

/// Prints the printer ratio test page: two lines of instructions and a square of nominal side 100 mm whose corner
/// lies 25 mm from the printable area's left and top edges. Returns what `EndDocument` returned.
QString printRatioTestPage(Tgenel& printer);

/// Prints the label printer test page: the "X" line in a fixed-pitch font and two "." marks 100 mm apart, one below
/// the other. Returns what `EndDocument` returned.
QString printLabelTestPage(Tgenel& printer);

} // namespace corvella::print
