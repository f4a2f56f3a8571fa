#include "ContactFields.h"

#include "store/Columns.h"

namespace corvella::cli {

const QList<ContactField>& contactFields()
{
    namespace contact = store::contact;
    static const QList<ContactField> fields = {
        {u"name"_qs, contact::FirstName},
        {u"surname"_qs, contact::LastName},
        {u"email"_qs, contact::Email},
        {u"occupation"_qs, contact::Occupation},
        {u"company"_qs, contact::Company},
        {u"work-phone"_qs, contact::WorkPhone},
        {u"home-phone"_qs, contact::HomePhone},
        {u"mobile-phone"_qs, contact::MobilePhone},
        {u"extension"_qs, contact::Extension},
        {u"fax"_qs, contact::Fax},
        {u"address1"_qs, contact::Address1},
        {u"address2"_qs, contact::Address2},
        {u"postal-code"_qs, contact::PostalCode},
        {u"city"_qs, contact::City},
        {u"billing-address1"_qs, contact::InvoiceAddress1},
        {u"billing-address2"_qs, contact::InvoiceAddress2},
        {u"tax-office"_qs, contact::TaxOffice},
        {u"tax-number"_qs, contact::TaxNumber},
        {u"notes"_qs, contact::Notes},
        {u"sector"_qs, contact::Sector},
        {u"sub-sector"_qs, contact::SubSector},
    };
    return fields;
}

QString columnOfField(const QString& name)
{
    const QString wanted = name.trimmed();
    for (const ContactField& field : contactFields())
        if (wanted.compare(field.name, Qt::CaseInsensitive) == 0 ||
            wanted.compare(field.column, Qt::CaseInsensitive) == 0)
            return field.column;
    return {};
}

} // namespace corvella::cli
