#pragma once

#include <QFont>

#include <functional>
#include <memory>
#include <optional>

class QFontDialog;
class QWidget;

namespace corvella::ui {

/// Answers the font dialog for tests: gets the font the dialog would open with, returns the chosen one or none
/// for Cancel.
using FontDialogHook = std::function<std::optional<QFont>(const QFont& initial)>;

/// Routes every font dialog through `hook` (null restores the real dialog). Returns the previous hook.
FontDialogHook setFontDialogHook(FontDialogHook hook);

/// The font dialog of the settings windows: no effects (no colour, underline or strike-out), no size limits, the
/// sample in `sampleColour`.
std::unique_ptr<QFontDialog> makeFontDialog(QWidget* parent, const QFont& initial, const QColor& sampleColour);

/// Shows the font dialog modally; returns the chosen font, or none when the user cancels.
std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial, const QColor& sampleColour);

} // namespace corvella::ui
