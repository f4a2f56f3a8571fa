#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace corvella::store {
class DataSet;
class QueryDataSet;
class TableDataSet;
} // namespace corvella::store

namespace corvella::ui {
class DBNavigator;
class TaggedLabel;
} // namespace corvella::ui

namespace corvella::app {

/// The main window: the contact record editor, and the one window whose Exit ends the program.
class Tfrmkayit : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmkayit(QWidget* parent = nullptr);

    store::TableDataSet* table() const { return m_contacts; }
    ui::TaggedLabel* indeks() const { return m_indeks; }

    /// Asks the window to show the record numbered `no` (the list window's pick): the request waits in `indeks`
    /// and is served when the window becomes active.
    void requestRecord(int no);

    /// Windows the top-bar buttons open; a button stays disabled until its window exists.
    void setReportAction(std::function<void()> action);
    void setPrintSettingsAction(std::function<void()> action);
    void setAboutAction(std::function<void()> action);
    /// What a quick find does with the typed text, once typing pauses or Enter is pressed.
    void setFindAction(std::function<void(const QString& typed)> action) { m_findAction = std::move(action); }
    QLineEdit* quickFind() const { return m_quickFind; }
    /// Runs the find for the field's text now.
    void findTyped();

    void FormActivate();
    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    void SpeedButton2Click();

    /// Brings contacts in from a CSV or vCard file and shows the table again with them.
    void importFromFile();
    /// Writes every contact to a CSV or vCard file.
    void exportToFile();
    /// Writes a copy of the contact file where the user chooses, while the program goes on.
    void backupToFile();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    void FormCreate();
    void Table1BeforePost(store::DataSet& dataSet);
    void showPosition();

    store::TableDataSet* m_contacts;       // "Table1"
    store::QueryDataSet* m_maxNumberQuery; // "ADOQuery1": the highest record number so far
    ui::DBNavigator* m_navigator = nullptr;
    ui::TaggedLabel* m_indeks = nullptr; // a record number asked for by the list window
    QToolButton* m_aboutButton = nullptr;
    QPushButton* m_printSettingsButton = nullptr;
    QPushButton* m_reportButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QTabWidget* m_pages = nullptr;
    QToolButton* m_importButton = nullptr; // beside the page tabs, where the bar has room
    QToolButton* m_exportButton = nullptr;
    QToolButton* m_backupButton = nullptr;
    QLabel* m_position = nullptr; // "n of N", beside the page tabs
    QLineEdit* m_quickFind = nullptr;
    QTimer* m_findPause = nullptr; // a find starts when typing pauses
    std::function<void(const QString&)> m_findAction;
    std::function<void()> m_reportAction;
    std::function<void()> m_printSettingsAction;
    std::function<void()> m_aboutAction;
    bool m_closeAllowed = false;
};

} // namespace corvella::app
