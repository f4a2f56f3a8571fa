#pragma once

#include "print/SheetCatalogue.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace corvella::print {

/// Chooses a label sheet by brand and product code: the list narrows as the user types, and sheets the label
/// settings cannot print are shown greyed with the reason.
class SheetChooser : public QDialog {
    Q_OBJECT
public:
    explicit SheetChooser(SheetCatalogue catalogue, QWidget* parent = nullptr);

    /// The chosen sheet, once the dialog was accepted with one.
    std::optional<CatalogueSheet> chosenSheet() const;

    QLineEdit* searchBox() const { return m_search; }
    QTreeWidget* sheetList() const { return m_list; }
    QPushButton* okButton() const { return m_okButton; }

private:
    void narrow(const QString& text);
    void updateChoice();

    SheetCatalogue m_catalogue;
    QLineEdit* m_search;
    QTreeWidget* m_list;
    QLabel* m_details;
    QPushButton* m_okButton;
};

} // namespace corvella::print
