#include "InputBox.h"

#include <QInputDialog>
#include <QLineEdit>

namespace corvella::ui {

QString inputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText)
{
    std::optional<QString> answer;
    if (const auto& hook = dialogHooks().input) {
        answer = hook(InputRequest{parent, caption, prompt, defaultText});
    } else {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(caption);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        if (dialog.exec() == QDialog::Accepted)
            answer = dialog.textValue();
    }
    return answer.value_or(defaultText);
}

std::optional<QString> passwordBox(QWidget* parent, const QString& caption, const QString& prompt)
{
    if (const auto& hook = dialogHooks().input)
        return hook(InputRequest{parent, caption, prompt, QString(), true});
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(QLineEdit::Password);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace corvella::ui
