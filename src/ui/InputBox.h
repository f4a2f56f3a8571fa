#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace corvella::ui {

/// An input box the program wants to show; tests answer it through the hook instead of a real box.
struct InputRequest {
    QWidget* parent = nullptr;
    QString caption;
    QString prompt;
    QString defaultText;
};

/// Answers an input box: the text typed, or none for Cancel.
using InputHook = std::function<std::optional<QString>(const InputRequest&)>;

/// Routes every input box through `hook` (null restores real boxes). Returns the previous hook.
InputHook setInputHook(InputHook hook);

/// A modal box asking for one line of text. Returns the text typed, or the default text when the user cancels.
QString inputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText);

} // namespace corvella::ui
