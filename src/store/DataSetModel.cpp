#include "DataSetModel.h"

#include "DataSet.h"

#include <limits>

namespace corvella::store {

DataSetModel::DataSetModel(QueryDataSet* dataSet, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dataSet(dataSet)
{
    connect(dataSet, &DataSet::activeChanged, this, &DataSetModel::reload);
    reload();
}

void DataSetModel::reload()
{
    beginResetModel();
    m_titles.clear();
    const bool active = m_dataSet && m_dataSet->isActive();
    // A view addresses rows by int; a larger result shows its first 2^31 - 1 rows.
    m_rows = active ? int(std::min<qint64>(m_dataSet->recordCount(), std::numeric_limits<int>::max())) : 0;
    m_columns = active ? m_dataSet->fieldCount() : 0;
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_dataSet || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return displayText(m_dataSet->fieldDef(index.column()).kind, m_dataSet->valueAt(index.row(), index.column()));
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columnTitle(section);
    return QVariant();
}

void DataSetModel::setColumnTitle(int column, const QString& title)
{
    m_titles.insert(column, title);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString DataSetModel::columnTitle(int column) const
{
    if (m_titles.contains(column))
        return m_titles.value(column);
    return m_dataSet && column < m_columns ? m_dataSet->fieldDef(column).name : QString();
}

} // namespace corvella::store
