#include "DBRadioGroup.h"

#include "FieldLink.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvella::ui {

DBRadioGroup::DBRadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
    , m_link(new FieldLink(this, [this] { refresh(); }))
    , m_buttons(new QButtonGroup(this))
    , m_items(items)
{
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        layout->addWidget(button);
        m_buttons->addButton(button, i);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) {
        guard(this, [&] {
            if (auto field = m_link->field())
                field->setAsString(m_items.at(id));
        });
    });
}

void DBRadioGroup::setDataSource(store::DataSet* dataSet, const QString& fieldName)
{
    m_link->setDataSource(dataSet, fieldName);
}

int DBRadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

QRadioButton* DBRadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

void DBRadioGroup::refresh()
{
    const auto field = m_link->field();
    const int index = field ? int(m_items.indexOf(field->asString())) : -1;
    // An exclusive group cannot show "nothing chosen"; lift exclusivity while clearing.
    m_buttons->setExclusive(false);
    for (int i = 0; i < m_items.size(); ++i)
        m_buttons->button(i)->setChecked(i == index);
    m_buttons->setExclusive(true);
}

} // namespace corvella::ui
