#pragma once

#include "mail/ListMailer.h"
#include "store/Columns.h"
#include "store/DataSet.h"

namespace corvella::mail {

/// The rows of table maillist as the list window filled it, from the first.
class MailListRows : public AddressSource {
public:
    explicit MailListRows(store::TableDataSet& table)
        : m_table(table)
        , m_field(table.fieldByName(store::maillist::Address).index())
    {
        m_table.first();
    }
    qint64 rowCount() override { return m_table.recordCount(); }
    std::optional<QString> nextRow() override
    {
        if (m_table.eof())
            return std::nullopt;
        QString address = m_table.value(m_field).toString();
        m_table.next();
        return address;
    }

private:
    store::TableDataSet& m_table;
    int m_field;
};

} // namespace corvella::mail
