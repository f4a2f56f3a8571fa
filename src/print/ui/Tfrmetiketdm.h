#pragma once

#include "print/LabelLayout.h"

#include <QDialog>

class QPushButton;

namespace corvella::ui {
class RadioGroup;
}

namespace corvella::print {

/// The two questions asked before labels are printed: which name and whether the company name goes on the label.
/// Made anew for every run, so both start at their first item.
class Tfrmetiketdm : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmetiketdm(QWidget* parent = nullptr);

    LabelNameChoice nameChoice() const;
    LabelCompanyChoice companyChoice() const;

    ui::RadioGroup* nameGroup() const { return RadioGroup1; }
    ui::RadioGroup* companyGroup() const { return RadioGroup2; }
    QPushButton* okButton() const { return BitBtn1; }
    QPushButton* cancelButton() const { return BitBtn2; }

private:
    ui::RadioGroup* RadioGroup1;
    ui::RadioGroup* RadioGroup2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace corvella::print
