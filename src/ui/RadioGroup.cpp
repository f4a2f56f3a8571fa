#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvella::ui {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this))
    , m_items(items)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        layout->addWidget(button);
        m_buttons->addButton(button, i);
    }
    layout->addStretch();
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (auto* button = m_buttons->button(index))
        button->setChecked(true);
}

QRadioButton* RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

} // namespace corvella::ui
