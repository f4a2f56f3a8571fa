#include "DBGrid.h"

#include "store/DataSet.h"
#include "store/DataSetModel.h"
#include "ui/Dialogs.h"

#include <QHeaderView>
#include <QKeyEvent>

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
