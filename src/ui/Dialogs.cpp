#include "Dialogs.h"

#include <QApplication>

namespace corvella::ui {

namespace {

MessageHook& currentHook()
{
    static MessageHook hook;
    return hook;
}

} // namespace

MessageHook setMessageHook(MessageHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

QMessageBox::StandardButton showMessage(const MessageRequest& request)
{
    if (currentHook())
        return currentHook()(request);
    QMessageBox box(request.icon, QApplication::applicationDisplayName(), request.text, request.buttons,
                    request.parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon)
{
    return showMessage(MessageRequest{parent, text, icon, buttons, QMessageBox::NoButton});
}

void showError(QWidget* parent, const QString& message)
{
    showMessage(parent, message, QMessageBox::Ok, QMessageBox::Critical);
}

} // namespace corvella::ui
