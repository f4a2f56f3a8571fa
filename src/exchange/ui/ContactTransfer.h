#pragma once

#include "ExportDialog.h"

#include <QString>

#include <optional>

class QWidget;

namespace corvella::exchange {

/// The whole import as the user goes through it: the file chooser, the columns of an unrecognised CSV file, what
/// to do with contacts already in the file, the run with its progress and Cancel, and the report. The import
/// opens its own connection on `connectionString`; an error or a cancel leaves the contact file as it was.
/// Returns whether contacts were added or changed.
bool importContactFile(QWidget* parent, const QString& connectionString);

/// Asks for the file and the format (unless `format` fixes it) and writes every contact `sql` selects, with all
/// the contact columns, through a file that replaces the old one only when complete.
void exportContacts(QWidget* parent, const QString& connectionString, const QString& sql, const QString& title,
                    std::optional<ExportFormat> format = std::nullopt);

} // namespace corvella::exchange
