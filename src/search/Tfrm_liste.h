#pragma once

#include "store/BackgroundSnapshot.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace corvella::exchange {
enum class ExportFormat;
}

namespace corvella::print {
class TRaporV2;
class Tgenel;
struct ReportInput;
enum class LabelNameChoice;
enum class LabelCompanyChoice;
} // namespace corvella::print

namespace corvella::store {
class DataSet;
class FindIndexBuilder;
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
    void setPrinting(print::Tgenel* printer, store::DataSet* printSettings);

    store::QueryDataSet* query() const { return m_result; }
    ui::DBGrid* grid() const { return m_grid; }
    /// What a pick does ("donusformu"): 1 shows the picked record in the main window.
    ui::TaggedLabel* returnCodeLabel() const { return m_returnCode; }
    /// The list's title ("baslik"), shown as the window title and printed over the report.
    ui::TaggedLabel* titleLabel() const { return m_title; }
    QPushButton* reportButton() const { return m_reportButton; }
    QPushButton* labelButton() const { return m_labelButton; }
    QPushButton* mailButton() const { return m_mailButton; }

    /// Lists the contacts a quick find of the typed text matches (QuickFind.h): the first ones as soon as they are
    /// found, then all of them with their count, while the window goes on. A new text replaces a find still running.
    /// The window comes up in front of the others without taking the keyboard from where the user types.
    void showFound(const QString& typed);
    /// Whether a find or a sort is still gathering its rows: the count and the buttons that use every row wait for it.
    bool isFinding() const { return m_finding; }
    /// The contact search's column titles and widths, the record number hidden.
    void showContactColumns();

    void FormActivate();
    void DBGrid1DblClick();
    void DBGrid1KeyPress(int key);
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    /// Copies the listed addresses into table maillist and opens a new auto-mail window on them.
    void BitBtn4Click();
    /// Writes the listed contacts, in the list's order and with all their columns, to a CSV or vCard file.
    void exportCsvClick();
    void exportVCardClick();
    /// Orders the list by the field behind a column heading, ascending, or descending when it is already ordered
    /// (or being ordered) ascending by it. The list's statement carries the order, so the report, the labels and the
    /// mail follow it. On a contact file the rows are ordered on a thread while the window goes on, the old ones
    /// shown meanwhile; a new click replaces a sort still running.
    void sortByField(int field);
    /// Open a preview of the report, or of the labels after the label dialog's questions, drawn page by page as
    /// the print buttons would print them.
    void previewReportClick();
    void previewLabelsClick();
    QToolButton* previewButton() const { return m_previewButton; }

    /// The label engine; it keeps the last run's geometry, elements and statement.
    print::TRaporV2* labelEngine() const { return m_labelEngine; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    /// What the label dialog was answered; none when it was cancelled.
    struct LabelAnswers {
        print::LabelNameChoice name;
        print::LabelCompanyChoice company;
        int firstLabel;
    };
    std::optional<LabelAnswers> askLabelAnswers();

    void buildUi();
    void exportListed(exchange::ExportFormat format);
    print::ReportInput reportInput(QList<int>& fields) const;
    void setUpLabelEngine(print::TRaporV2& engine, print::LabelNameChoice name, print::LabelCompanyChoice company,
                          int firstLabel);
    void FormCreate();
    void FormClose();
    /// Sizes a new result's columns to it, once the window shows it.
    void fitColumnsIfPending();
    /// The columns as the search window set them up, which reopening the result forgets.
    struct ColumnLayout {
        QList<bool> visible;
        QStringList titles;
        QList<int> widths;
    };
    ColumnLayout columnLayout() const;
    void restoreColumnLayout(const ColumnLayout& layout);
    /// Runs the statement on the contact file on a thread; its rows come to showBackgroundRows.
    void runInBackground(const QString& connection, const QStringList& sql, int firstRows,
                         const store::BackgroundSnapshot::Indexed& indexed = {});
    /// Shows a find's or a sort's rows from the snapshot file the background run made.
    void showBackgroundRows(const QString& snapshotFile, bool complete);
    void showSortIndicator();
    void setFinding(bool finding);
    void showWithoutTakingKeyboard();
    void stopFinding();

    store::QueryDataSet* m_result;         // "Query1": the search result
    store::TableDataSet* m_settings;       // "Table1": the print settings row, read afresh for labels
    print::TRaporV2* m_labelEngine;        // "eti"
    ui::DBGrid* m_grid = nullptr;          // "DBGrid1"
    QPushButton* m_reportButton = nullptr; // "BitBtn1"
    QPushButton* m_closeButton = nullptr;  // "BitBtn2"
    QPushButton* m_labelButton = nullptr;  // "BitBtn3"
    QPushButton* m_mailButton = nullptr;   // "BitBtn4"
    QLineEdit* m_count = nullptr;          // "Edit1": how many rows the search found
    QPushButton* m_exportCsvButton = nullptr;
    QPushButton* m_exportVCardButton = nullptr;
    QToolButton* m_previewButton = nullptr;
    ui::TaggedLabel* m_returnCode = nullptr;
    ui::TaggedLabel* m_title = nullptr;
    Tfrm_arama* m_search = nullptr;
    print::Tgenel* m_printer = nullptr;
    store::DataSet* m_printSettings = nullptr;
    std::function<void(int)> m_recordRequest;
    int m_sortField = -1; // the heading the list is ordered by, or -1 for the search's own order
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_sorting = false;
    /// The order a background sort is producing, and the columns as they were when it was asked for; the list shows
    /// both once its rows are there.
    struct PendingSort {
        int field;
        Qt::SortOrder order;
        ColumnLayout columns;
    };
    std::optional<PendingSort> m_pendingSort;
    bool m_fitPending = false; // a new result's columns are sized to it when the window shows it
    store::BackgroundSnapshot* m_finder;
    store::FindIndexBuilder* m_indexBuilder;
    QString m_foundIn;            // the contact file of the last find
    QStringList m_unindexedFiles; // their index could not be built: they are scanned
    QStringList m_backgroundSql;  // the statement of the background run, which the list takes with its rows
    QString m_backgroundConnection;
    QString m_foundFile; // the snapshot file the list reads a find's or a sort's rows from
    bool m_finding = false;
    bool m_showingFound = false;
};

} // namespace corvella::search
