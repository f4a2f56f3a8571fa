#pragma once

#include "print/LabelLayout.h"

#include <QDialog>

class QPushButton;

namespace corvella::print {

class RadioGroup;

/// The two questions asked before labels are printed: which name and whether the company name goes on the label.
/// Made anew for every run, so both start at their first item.
class Tfrmetiketdm : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmetiketdm(QWidget* parent = nullptr);

    LabelNameChoice nameChoice() const;
    LabelCompanyChoice companyChoice() const;

    RadioGroup* nameGroup() const { return RadioGroup1; }
    RadioGroup* companyGroup() const { return RadioGroup2; }
    QPushButton* okButton() const { return BitBtn1; }
    QPushButton* cancelButton() const { return BitBtn2; }

private:
    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

} // namespace corvella::print
