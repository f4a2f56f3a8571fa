#pragma once

namespace corvella::print {

/// The nominal printer resolution the helpers work in, on both axes (about 298.8 dots per inch). Surfaces map these
/// dots onto their real resolution, so a millimetre lands as a millimetre on any device.
inline constexpr double DotsPerMm = 11.7647;

/// Millimetres to nominal dots: Round(mm × DotsPerMm), halves to even.
int dotsFromMm(double mm);

/// Nominal dots to whole millimetres: Round(dots ÷ DotsPerMm), halves to even.
int mmFromDots(double dots);

} // namespace corvella::print
