#pragma once

#include "print/LabelLayout.h"

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace corvella::ui {
class RadioGroup;
}

namespace corvella::print {

/// The two questions asked before labels are printed: which name and whether the company name goes on the label.
/// Made anew for every run, so both start at their first item. Below them, the first label to use on the first
/// sheet, for a sheet already partly used.
class Tfrmetiketdm : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmetiketdm(QWidget* parent = nullptr);

    LabelNameChoice nameChoice() const;
    LabelCompanyChoice companyChoice() const;
    /// From 1 at the top left, across then down.
    int firstLabel() const;

    ui::RadioGroup* nameGroup() const { return m_nameGroup; }
    ui::RadioGroup* companyGroup() const { return m_companyGroup; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QSpinBox* firstLabelBox() const { return m_firstLabelBox; }

private:
    ui::RadioGroup* m_nameGroup;
    ui::RadioGroup* m_companyGroup;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QSpinBox* m_firstLabelBox;
};

} // namespace corvella::print
