#pragma once

#include "exchange/ContactColumnsMap.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace corvella::exchange {

/// Lets the user say which contact field each column of a CSV file fills, for a file whose columns were not
/// recognised. Beside each file column is a choice of contact field (or none); below, the file's first records as
/// the chosen columns would store them.
class ColumnMappingDialog : public QDialog {
    Q_OBJECT
public:
    ColumnMappingDialog(const QString& fileName, const QStringList& heading, const QList<QStringList>& preview,
                        const ColumnMap& initial, QWidget* parent = nullptr);

    /// The choice beside file column `column`; its items carry the contact column as data (none: empty).
    QComboBox* choice(int column) const { return m_choices.at(column); }
    /// Makes file column `column` fill `contactColumn` (empty: not imported), as the user would.
    void choose(int column, const QString& contactColumn);
    ColumnMap columnMap() const;

    QTableWidget* preview() const { return m_preview; }
    QPushButton* importButton() const { return m_importButton; }

private:
    void chosen(int column);
    void updatePreview();

    QList<QComboBox*> m_choices;
    QList<QStringList> m_records;
    QTableWidget* m_preview;
    QPushButton* m_importButton;
};

} // namespace corvella::exchange
