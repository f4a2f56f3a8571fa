#pragma once

#include "DialogHooks.h"

#include <QString>

class QWidget;

namespace corvella::ui {

/// A modal box asking for one line of text. Returns the text typed, or the default text when the user cancels.
QString inputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText);

} // namespace corvella::ui
