#include "EditGuard.h"

#include <QCoreApplication>

namespace corvella::ui {

bool askReload(QWidget* parent, const QString& refusal)
{
    const QString question = QCoreApplication::translate(
        "EditGuard", "Read the record again to see what is stored now? No keeps your changes on the screen.");
    return showMessage(MessageRequest{parent, refusal + u'\n' + question, QMessageBox::Warning,
                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes}) == QMessageBox::Yes;
}

} // namespace corvella::ui
