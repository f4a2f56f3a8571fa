#pragma once

#include "DialogHooks.h"

#include <QString>

#include <optional>

class QWidget;

namespace corvella::ui {

/// A modal box asking for one line of text. Returns the text typed, or the default text when the user cancels.
QString inputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText);

/// A modal box asking for a password, which it does not show as typed. Returns none when the user cancels.
std::optional<QString> passwordBox(QWidget* parent, const QString& caption, const QString& prompt);

} // namespace corvella::ui
