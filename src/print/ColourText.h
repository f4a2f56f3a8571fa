#pragma once

#include <QColor>
#include <QString>

namespace corvella::print {

/// Colour values hold red in the low byte, green in the next and blue in the third; 0x80000000 plus an index names a
/// system colour.

/// The stored text of a colour: its identifier ("clRed") when it has one, otherwise "$" and 8 uppercase hex digits.
QString colourToText(int colour);

/// Reads stored colour text: an identifier without regard to case, a decimal integer, or "$" and hex digits.
/// Other text raises "'%s' is not a valid integer value".
int colourFromText(const QString& text);

/// The colour to draw with; a system colour takes a fixed light-theme value.
QColor toQColor(int colour);

/// The colour value of a plain colour.
int colourValue(const QColor& colour);

} // namespace corvella::print
