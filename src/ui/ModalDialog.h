#pragma once

class QDialog;

namespace corvella::ui {

/// Shows the dialog modally and returns its result (`QDialog::Accepted` or `QDialog::Rejected`).
int execModal(QDialog& dialog);

} // namespace corvella::ui
