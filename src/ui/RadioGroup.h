#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace corvella::ui {

/// A captioned group of radio items, one above the other, of which one is chosen.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    /// The chosen item's index, or -1.
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* item(int index) const;
    int count() const { return int(m_items.size()); }

signals:
    /// Another item became the chosen one, by a click or by `setItemIndex`.
    void itemChanged(int index);

private:
    QButtonGroup* m_buttons;
    QStringList m_items;
};

} // namespace corvella::ui
