#include "ModalDialog.h"

#include "DialogHooks.h"

#include <QDialog>

#include <utility>

namespace corvella::ui {

int execModal(QDialog& dialog)
{
    if (const auto& hook = dialogHooks().modal)
        return hook(dialog);
    return dialog.exec();
}

} // namespace corvella::ui
