#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvella::print {
class TRaporV2;
class Tgenel;
} // namespace corvella::print

namespace corvella::store {
class DataSet;
class QueryDataSet;
class TableDataSet;
} // namespace corvella::store

namespace corvella::ui {
class DBGrid;
class TaggedLabel;
} // namespace corvella::ui

namespace corvella::search {

class Tfrm_arama;

/// The list window: a search result as a read-only grid with its count, the place to pick a record and to start
/// the report, the labels and the mailing.
class Tfrm_liste : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_liste(QWidget* parent = nullptr);

    void setSearchWindow(Tfrm_arama* search) { m_search = search; }
    /// How a pick reaches the main window: asks it for the record with this number.
    void setRecordRequest(std::function<void(int no)> request) { m_recordRequest = std::move(request); }
    /// The print helpers and the print settings window's view of the settings row, which the report reads.
    void setPrinting(print::Tgenel* genel, store::DataSet* printSettings);

    store::QueryDataSet* query() const { return Query1; }
    ui::DBGrid* grid() const { return DBGrid1; }
    ui::TaggedLabel* donusformu() const { return m_donusformu; }
    ui::TaggedLabel* baslik() const { return m_baslik; }
    QPushButton* reportButton() const { return BitBtn1; }
    QPushButton* labelButton() const { return BitBtn3; }
    QPushButton* mailButton() const { return BitBtn4; }

    void FormActivate();
    void DBGrid1DblClick();
    void DBGrid1KeyPress(int key);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    /// Copies the listed addresses into table maillist and opens a new auto-mail window on them.
    void BitBtn4Click();

    /// The label engine; it keeps the last run's geometry, elements and statement.
    print::TRaporV2* labelEngine() const { return eti; }

protected:
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildUi();
    void FormCreate();
    void FormClose();

    store::QueryDataSet* Query1;
    store::TableDataSet* Table1;
    store::QueryDataSet* maillistesisil;
    store::TableDataSet* mailtablosu;
    print::TRaporV2* eti;
    ui::DBGrid* DBGrid1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    ui::TaggedLabel* m_donusformu = nullptr;
    ui::TaggedLabel* m_baslik = nullptr;
    Tfrm_arama* m_search = nullptr;
    print::Tgenel* m_genel = nullptr;
    store::DataSet* m_printSettings = nullptr;
    std::function<void(int)> m_recordRequest;
};

} // namespace corvella::search
