#pragma once

#include <functional>

class QDialog;

namespace corvella::ui {

/// Answers modal dialogs for tests: gets the dialog, ready to be shown, and returns its result as `exec` would.
using ModalDialogHook = std::function<int(QDialog& dialog)>;

/// Routes every `execModal` through `hook` (null restores real modal runs). Returns the previous hook.
ModalDialogHook setModalDialogHook(ModalDialogHook hook);

/// Shows the dialog modally and returns its result (`QDialog::Accepted` or `QDialog::Rejected`).
int execModal(QDialog& dialog);

} // namespace corvella::ui
