#pragma once

#include <QPointer>
#include <QTableView>

namespace corvella::store {
class DataSetModel;
class QueryDataSet;
} // namespace corvella::store

namespace corvella::ui {

/// A read-only grid over a query result, one whole row selected, following the data set's cursor.
/// Its columns are the fields that are not hidden, in field order.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);

    void setDataSet(store::QueryDataSet* dataSet);
    store::QueryDataSet* dataSet() const { return m_dataSet; }

    /// Number of shown columns and the field behind each.
    int visibleColumnCount() const;
    int fieldOfColumn(int column) const;
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const;
    void setGridColumnWidth(int column, int width);
    int gridColumnWidth(int column) const;
    /// Sizes the shown columns to their title and the rows in view, cut down so that together they fit the grid.
    void fitColumnsToContent();

signals:
    /// A character key pressed in the grid (Enter gives 13).
    void keyPressed(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void applyVisibility();
    void followCursor();

    QPointer<store::QueryDataSet> m_dataSet;
    store::DataSetModel* m_model = nullptr;
    bool m_moving = false;
};

/// Column widths for the wanted ones within `available`: all as wanted when they fit; otherwise the widest are cut
/// to one common width, so that narrow columns stay whole and the total is `available` (never below `minimum`).
QList<int> fitColumnWidths(const QList<int>& wanted, int available, int minimum = 24);

} // namespace corvella::ui
