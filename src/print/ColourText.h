#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <string_view>

namespace corvella::print {

/// Colour values hold red in the low byte, green in the next and blue in the third; 0x80000000 plus an index names a
/// system colour.

/// A colour with a name of its own; its stored identifier is "cl" and the name ("clMaroon").
struct PlainColour {
    std::u16string_view name;
    int value;
};

/// The sixteen plain colours, in the order colour lists show them.
inline constexpr std::array<PlainColour, 16> PlainColours = {{
    {u"Black", 0x000000},
    {u"Maroon", 0x000080},
    {u"Green", 0x008000},
    {u"Olive", 0x008080},
    {u"Navy", 0x800000},
    {u"Purple", 0x800080},
    {u"Teal", 0x808000},
    {u"Gray", 0x808080},
    {u"Silver", 0xC0C0C0},
    {u"Red", 0x0000FF},
    {u"Lime", 0x00FF00},
    {u"Yellow", 0x00FFFF},
    {u"Blue", 0xFF0000},
    {u"Fuchsia", 0xFF00FF},
    {u"Aqua", 0xFFFF00},
    {u"White", 0xFFFFFF},
}};

/// The value of a plain colour by its name; a name that is not in the table fails to compile where a constant is
/// made from it.
consteval int plainColour(std::u16string_view name)
{
    for (const PlainColour& colour : PlainColours)
        if (colour.name == name)
            return colour.value;
    throw "not a plain colour";
}

namespace colours {
inline constexpr int Black = plainColour(u"Black");
inline constexpr int Red = plainColour(u"Red");
inline constexpr int Blue = plainColour(u"Blue");
} // namespace colours

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
