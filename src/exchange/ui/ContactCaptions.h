#pragma once

#include <QString>

namespace corvella::exchange {

/// The main window's caption for a contact column ("Company" for "Firma Adi"); the column's name when it has none.
QString fieldCaption(const QString& column);
/// The caption with the column's own name where the two differ ("Company (Firma Adi)"), so that a choice reads
/// as the editor shows the field and as an exported heading names it.
QString captionWithColumn(const QString& column);

} // namespace corvella::exchange
