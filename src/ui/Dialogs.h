#pragma once

#include "core/Error.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace corvella::ui {

/// A message box the program wants to show; tests answer it through the hook instead of a real box.
struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

using MessageHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

/// Routes every message box through `hook` (null restores real boxes). Returns the previous hook.
MessageHook setMessageHook(MessageHook hook);

/// Shows a modal message box with the program's title and returns the button pressed.
QMessageBox::StandardButton showMessage(const MessageRequest& request);
QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::Icon icon = QMessageBox::Information);

/// The general error display: the message in a box, and the program goes on.
void showError(QWidget* parent, const QString& message);

/// Runs an event handler so that no exception leaves it: an error is shown and the handler ends there.
template <class Handler> void guard(QWidget* parent, Handler&& handler)
{
    try {
        handler();
    } catch (const Error& error) {
        showError(parent, error.message());
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    }
}

} // namespace corvella::ui
