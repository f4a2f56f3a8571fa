#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>

#include <utility>

namespace corvella::ui {

namespace {

QStringList*& noticesShown()
{
    static QStringList* shown = nullptr;
    return shown;
}

} // namespace

RepeatedNoticesShownOnce::RepeatedNoticesShownOnce()
    : m_outer(std::exchange(noticesShown(), &m_shown))
{}

RepeatedNoticesShownOnce::~RepeatedNoticesShownOnce()
{
    noticesShown() = m_outer;
}

QMessageBox::StandardButton showMessage(const MessageRequest& request)
{
    if (QStringList* shown = noticesShown(); shown && request.buttons == QMessageBox::Ok) {
        if (shown->contains(request.text))
            return QMessageBox::Ok;
        shown->append(request.text);
    }
    if (const auto& hook = dialogHooks().message)
        return hook(request);
    QMessageBox box(request.icon, QApplication::applicationDisplayName(), request.text, request.buttons,
                    request.parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    box.setInformativeText(request.informativeText);
    box.setDetailedText(request.detailedText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon)
{
    return showMessage(MessageRequest{parent, text, icon, buttons, QMessageBox::NoButton});
}

QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter)
{
    if (const auto& hook = dialogHooks().openFile)
        return hook(FileRequest{parent, caption, filter, {}}).value_or(QString());
    return QFileDialog::getOpenFileName(parent, caption, {}, filter);
}

QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& filter, const QString& suggestedName)
{
    if (const auto& hook = dialogHooks().saveFile)
        return hook(FileRequest{parent, caption, filter, suggestedName}).value_or(QString());
    return QFileDialog::getSaveFileName(parent, caption, suggestedName, filter);
}

void showError(QWidget* parent, const QString& message)
{
    showMessage(parent, message, QMessageBox::Ok, QMessageBox::Critical);
}

} // namespace corvella::ui
