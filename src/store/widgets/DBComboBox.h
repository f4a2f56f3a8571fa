#pragma once

#include <QComboBox>

namespace corvella::store {
class DataSet;
}

namespace corvella::ui {

class FieldLink;

/// An editable combo box bound to a text field: any typed text is accepted, up to the column's size.
class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget* parent = nullptr);
    void setDataSource(store::DataSet* dataSet, const QString& fieldName);
    QString fieldName() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    FieldLink* m_link;
    bool m_refreshing = false;
};

} // namespace corvella::ui
