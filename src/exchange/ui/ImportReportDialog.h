#pragma once

#include "exchange/ContactImport.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace corvella::exchange {

/// What an import did: the counts, and on request the rows it rejected or stored with over-long values, which the
/// user can save as a text or CSV file to mend the source.
class ImportReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportReportDialog(const ImportReport& report, QWidget* parent = nullptr);

    QLabel* summary() const { return m_summary; }
    QPushButton* detailsButton() const { return m_detailsButton; }
    QPlainTextEdit* details() const { return m_details; }
    QPushButton* saveButton() const { return m_saveButton; }

    /// Writes the details to a file: CSV (line, what, note) when the name ends in ".csv", else one line a row.
    void saveDetails(const QString& path) const;

private:
    ImportReport m_report;
    QLabel* m_summary;
    QPushButton* m_detailsButton;
    QPlainTextEdit* m_details;
    QPushButton* m_saveButton;
};

} // namespace corvella::exchange
