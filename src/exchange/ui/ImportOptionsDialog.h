#pragma once

#include "exchange/ContactImport.h"

#include <QDialog>

namespace corvella::ui {
class RadioGroup;
}

namespace corvella::exchange {

/// The last question before an import: what becomes of a contact the file already holds. Names the file and what
/// it was read as, so the user can still go back.
class ImportOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ImportOptionsDialog(const QString& fileName, const QString& description, QWidget* parent = nullptr);

    DuplicatePolicy policy() const;
    void setPolicy(DuplicatePolicy policy);
    ui::RadioGroup* policyGroup() const { return m_policy; }

private:
    ui::RadioGroup* m_policy;
};

} // namespace corvella::exchange
