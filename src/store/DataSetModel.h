#pragma once

#include <QAbstractTableModel>
#include <QPointer>

namespace corvella::store {

class QueryDataSet;

/// Presents a query result to a view. Rows are read a page at a time as the view asks for them, so a result
/// of any size shows without being loaded whole.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QueryDataSet* dataSet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// A column's title; the field name until one is set.
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const;

private:
    void reload();

    QPointer<QueryDataSet> m_dataSet;
    QHash<int, QString> m_titles;
    int m_rows = 0;
    int m_columns = 0;
};

} // namespace corvella::store
