#pragma once

#include "store/DataSet.h"

#include <QPointer>

#include <functional>
#include <optional>

namespace corvella::ui {

/// Ties a control to one field of a data set: calls `refresh` whenever the control should show the field again.
class FieldLink : public QObject {
    Q_OBJECT
public:
    FieldLink(QObject* owner, std::function<void()> refresh);

    void setDataSource(store::DataSet* dataSet, const QString& fieldName);
    store::DataSet* dataSet() const { return m_dataSet; }
    const QString& fieldName() const { return m_fieldName; }
    /// The field when the data set is open and has it.
    std::optional<store::Field> field() const;
    bool canModify() const;

private:
    QPointer<store::DataSet> m_dataSet;
    QString m_fieldName;
    std::function<void()> m_refresh;
    QList<QMetaObject::Connection> m_connections;
};

} // namespace corvella::ui
