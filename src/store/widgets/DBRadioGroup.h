#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace corvella::store {
class DataSet;
}

namespace corvella::ui {

class FieldLink;

/// A group of radio items bound to a text field: choosing an item stores its caption; a stored value that is
/// no item's caption shows with no item chosen.
class DBRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit DBRadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);
    void setDataSource(store::DataSet* dataSet, const QString& fieldName);
    /// The chosen item's index, or -1.
    int itemIndex() const;
    QRadioButton* item(int index) const;

private:
    void refresh();

    FieldLink* m_link;
    QButtonGroup* m_buttons;
    QStringList m_items;
};

} // namespace corvella::ui
