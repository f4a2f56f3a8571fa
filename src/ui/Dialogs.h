#pragma once

#include "DialogHooks.h"
#include "core/Error.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace corvella::ui {

/// Shows a modal message box with the program's title and returns the button pressed.
QMessageBox::StandardButton showMessage(const MessageRequest& request);
QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::Icon icon = QMessageBox::Information);

/// While one lives, a notice (a box with OK alone) repeating one already shown is not shown again: the windows
/// that open together and meet the same failure report it once.
class RepeatedNoticesShownOnce {
public:
    RepeatedNoticesShownOnce();
    ~RepeatedNoticesShownOnce();
    RepeatedNoticesShownOnce(const RepeatedNoticesShownOnce&) = delete;
    RepeatedNoticesShownOnce& operator=(const RepeatedNoticesShownOnce&) = delete;

private:
    QStringList* m_outer;
    QStringList m_shown;
};

/// Asks for a file to open; returns its path, or an empty text when the user cancels.
QString chooseFileToOpen(QWidget* parent, const QString& caption = {}, const QString& filter = {});
/// Asks where to save a file (the chooser itself asks before replacing one); an empty text when the user cancels.
QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& filter = {},
                         const QString& suggestedName = {});

/// The general error display: the message in a box, and the program goes on.
void showError(QWidget* parent, const QString& message);

/// Runs an event handler so that no exception leaves it: an error is shown (unless the user already answered it) and
/// the handler ends there.
template <class Handler> void guard(QWidget* parent, Handler&& handler)
{
    try {
        handler();
    } catch (const CancelledError&) {
    } catch (const Error& error) {
        showError(parent, error.message());
    } catch (const std::exception& error) {
        showError(parent, QString::fromUtf8(error.what()));
    }
}

} // namespace corvella::ui
