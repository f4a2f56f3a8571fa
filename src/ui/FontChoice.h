#pragma once

#include <QFont>

#include <functional>
#include <memory>
#include <optional>

class QFontDialog;
class QWidget;

namespace corvella::ui {

/// The font dialog of the settings windows: family and size only (no style, colour, underline or strike-out), no size
/// limits, the sample in `sampleColour`.
std::unique_ptr<QFontDialog> makeFontDialog(QWidget* parent, const QFont& initial, const QColor& sampleColour);

/// Shows the font dialog modally; returns the chosen font, or none when the user cancels.
std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QColor& sampleColour);

} // namespace corvella::ui
