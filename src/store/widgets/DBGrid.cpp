#include "DBGrid.h"

#include "store/DataSet.h"
#include "store/DataSetModel.h"
#include "ui/Dialogs.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace corvella::ui {

DBGrid::DBGrid(QWidget* parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    // A fixed row height keeps a million-row result as cheap as a short one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(12);
}

void DBGrid::setDataSet(store::QueryDataSet* dataSet)
{
    m_dataSet = dataSet;
    delete m_model;
    m_model = new store::DataSetModel(dataSet, this);
    setModel(m_model);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::applyVisibility);
    connect(dataSet, &store::DataSet::fieldVisibilityChanged, this, &DBGrid::applyVisibility);
    connect(dataSet, &store::DataSet::recordChanged, this, &DBGrid::followCursor);
    applyVisibility();
}

void DBGrid::applyVisibility()
{
    if (!m_dataSet)
        return;
    for (int i = 0; i < m_model->columnCount(); ++i)
        setColumnHidden(i, !m_dataSet->isFieldVisible(i));
    followCursor();
}

int DBGrid::visibleColumnCount() const
{
    int count = 0;
    for (int i = 0; i < (m_model ? m_model->columnCount() : 0); ++i)
        count += isColumnHidden(i) ? 0 : 1;
    return count;
}

int DBGrid::fieldOfColumn(int column) const
{
    for (int i = 0, shown = 0; i < (m_model ? m_model->columnCount() : 0); ++i) {
        if (isColumnHidden(i))
            continue;
        if (shown++ == column)
            return i;
    }
    return -1;
}

void DBGrid::setColumnTitle(int column, const QString& title)
{
    if (const int field = fieldOfColumn(column); field >= 0)
        m_model->setColumnTitle(field, title);
}

QString DBGrid::columnTitle(int column) const
{
    const int field = fieldOfColumn(column);
    return field >= 0 ? m_model->columnTitle(field) : QString();
}

void DBGrid::setGridColumnWidth(int column, int width)
{
    if (const int field = fieldOfColumn(column); field >= 0)
        setColumnWidth(field, width);
}

int DBGrid::gridColumnWidth(int column) const
{
    const int field = fieldOfColumn(column);
    return field >= 0 ? columnWidth(field) : 0;
}

QList<int> fitColumnWidths(const QList<int>& wanted, int available, int minimum)
{
    QList<int> sorted = wanted;
    std::sort(sorted.begin(), sorted.end());
    // The common cap is found from the narrowest up: each column that fits whole leaves more for the wider ones.
    int left = available;
    int cap = std::numeric_limits<int>::max();
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const int share = left / int(sorted.size() - i);
        if (sorted.at(i) > share) {
            cap = std::max(share, minimum);
            break;
        }
        left -= sorted.at(i);
    }
    QList<int> widths;
    for (const int width : wanted)
        widths << std::min(width, cap);
    return widths;
}

void DBGrid::fitColumnsToContent()
{
    QList<int> wanted;
    for (int column = 0; column < visibleColumnCount(); ++column) {
        const int field = fieldOfColumn(column);
        wanted << std::max(sizeHintForColumn(field), horizontalHeader()->sectionSizeHint(field));
    }
    const QList<int> widths = fitColumnWidths(wanted, viewport()->width());
    for (int column = 0; column < widths.size(); ++column)
        setColumnWidth(fieldOfColumn(column), widths.at(column));
}

void DBGrid::followCursor()
{
    if (!m_dataSet || !m_dataSet->isActive() || m_dataSet->controlsDisabled() || m_moving)
        return;
    const qint64 row = m_dataSet->recNo();
    if (row < 0 || row == currentIndex().row())
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : fieldOfColumn(0);
    m_moving = true;
    setCurrentIndex(m_model->index(int(row), std::max(column, 0)));
    m_moving = false;
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_moving || !m_dataSet || !current.isValid() || current.row() == previous.row())
        return;
    m_moving = true;
    guard(this, [&] { m_dataSet->moveTo(current.row()); });
    m_moving = false;
}

void DBGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyPressed(13);
        return;
    }
    QTableView::keyPressEvent(event);
    if (!event->text().isEmpty())
        emit keyPressed(event->text().at(0).unicode());
}

} // namespace corvella::ui
