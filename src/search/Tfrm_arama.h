#pragma once

#include "QueryBuilder.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace corvella::ui {
class TaggedLabel;
}

namespace corvella::search {

class Tfrm_liste;

/// The search window: up to ten criterion rows, configured by its caller through hidden labels, turned into one
/// SELECT that runs on the list window's query.
class Tfrm_arama : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_arama(QWidget* parent = nullptr);

    void setListWindow(Tfrm_liste* list) { m_list = list; }

    /// Loads the contact search configuration (the main window's Report).
    void loadContactConfiguration();

    /// The row's controls by two-digit row number ("01" to "10").
    QCheckBox* checkBox(int row) const;
    QLineEdit* firstField(int row) const;
    QLineEdit* secondField(int row) const;
    QLabel* rangeDash(int row) const;
    ui::TaggedLabel* label(const QString& prefix, int row) const;
    ui::TaggedLabel* configurationLabel(const QString& name) const;
    int outerHeight() const { return m_outerHeight; }

    /// The rows and configuration as the query builder sees them.
    std::array<CriterionRow, CriterionRowCount> criterionRows() const;
    SearchConfiguration configuration() const;

    void CheckBox01Click(QCheckBox* sender);
    void FormActivate();
    void FormHide();
    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void showRowFields(int row);
    void hideRowFields(int row);

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    Tfrm_liste* m_list = nullptr;
    int m_outerHeight = 0;
};

/// The row number NN as control names carry it: "01" to "09", then "10".
QString rowNumber(int row);

} // namespace corvella::search
