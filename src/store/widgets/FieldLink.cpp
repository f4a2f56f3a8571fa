#include "FieldLink.h"

namespace corvella::ui {

FieldLink::FieldLink(QObject* owner, std::function<void()> refresh)
    : QObject(owner)
    , m_refresh(std::move(refresh))
{}

void FieldLink::setDataSource(store::DataSet* dataSet, const QString& fieldName)
{
    for (const auto& connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_dataSet = dataSet;
    m_fieldName = fieldName;
    if (dataSet) {
        auto refresh = [this] { m_refresh(); };
        m_connections << connect(dataSet, &store::DataSet::activeChanged, this, refresh)
                      << connect(dataSet, &store::DataSet::recordChanged, this, refresh)
                      << connect(dataSet, &store::DataSet::stateChanged, this, refresh)
                      << connect(dataSet, &store::DataSet::fieldChanged, this, [this](int index) {
                             if (const auto f = field(); f && f->index() == index)
                                 m_refresh();
                         });
    }
    m_refresh();
}

std::optional<store::Field> FieldLink::field() const
{
    if (!m_dataSet || !m_dataSet->isActive())
        return std::nullopt;
    const int index = m_dataSet->findField(m_fieldName);
    if (index < 0)
        return std::nullopt;
    return m_dataSet->field(index);
}

bool FieldLink::canModify() const
{
    return field().has_value() && m_dataSet->canModify();
}

} // namespace corvella::ui
