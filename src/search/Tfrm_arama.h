#pragma once

#include "QueryBuilder.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

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

    /// One criterion row's controls. Its hidden labels carry the row's configuration: the column searched
    /// ("AlanNN"), its type ("TipNN": Dizi, Tarih or Sayı), one value or a range ("AciklamaNN": Tek or Aralık), and
    /// the NNth column of the list ("ListelenenalanNN"; the first one's tag holds how many there are).
    struct RowControls {
        QCheckBox* tick = nullptr;
        QLineEdit* first = nullptr;
        QLabel* dash = nullptr;
        QLineEdit* second = nullptr;
        ui::TaggedLabel* column = nullptr;
        ui::TaggedLabel* type = nullptr;
        ui::TaggedLabel* kind = nullptr;
        ui::TaggedLabel* listedColumn = nullptr;
    };
    /// Row 1 to 10.
    const RowControls& row(int row) const { return m_rows.at(row - 1); }
    QCheckBox* checkBox(int row) const { return this->row(row).tick; }
    QLineEdit* firstField(int row) const { return this->row(row).first; }
    QLineEdit* secondField(int row) const { return this->row(row).second; }
    QLabel* rangeDash(int row) const { return this->row(row).dash; }

    /// The search's configuration labels: the table searched ("tabloadi"), the list window's return code
    /// ("donusformu"), the list's title ("baslik"), and the order column with the order flag in its tag ("Label1").
    ui::TaggedLabel* tableNameLabel() const { return m_tableName; }
    ui::TaggedLabel* returnCodeLabel() const { return m_returnCode; }
    ui::TaggedLabel* titleLabel() const { return m_title; }
    ui::TaggedLabel* orderLabel() const { return m_order; }
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

    std::array<RowControls, CriterionRowCount> m_rows;
    ui::TaggedLabel* m_tableName = nullptr;
    ui::TaggedLabel* m_returnCode = nullptr;
    ui::TaggedLabel* m_title = nullptr;
    ui::TaggedLabel* m_order = nullptr;
    QFrame* m_criteriaPanel = nullptr;   // "Panel1"
    QFrame* m_buttonPanel = nullptr;     // "Panel2"
    QPlainTextEdit* m_sqlText = nullptr; // "Memo1": the statement last run
    Tfrm_liste* m_list = nullptr;
    int m_outerHeight = 0;
};

} // namespace corvella::search
