#include "ui/InputBox.h"

#include <QInputDialog>

namespace corvella::ui {

namespace {

InputHook& currentHook()
{
    static InputHook hook;
    return hook;
}

} // namespace

InputHook setInputHook(InputHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

QString inputBox(QWidget* parent, const QString& caption, const QString& prompt, const QString& defaultText)
{
    std::optional<QString> answer;
    if (currentHook()) {
        answer = currentHook()(InputRequest{parent, caption, prompt, defaultText});
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

} // namespace corvella::ui
