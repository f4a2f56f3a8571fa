#include "ui/ModalDialog.h"

#include <QDialog>

#include <utility>

namespace corvella::ui {

namespace {

ModalDialogHook& currentHook()
{
    static ModalDialogHook hook;
    return hook;
}

} // namespace

ModalDialogHook setModalDialogHook(ModalDialogHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

int execModal(QDialog& dialog)
{
    if (currentHook())
        return currentHook()(dialog);
    return dialog.exec();
}

} // namespace corvella::ui
