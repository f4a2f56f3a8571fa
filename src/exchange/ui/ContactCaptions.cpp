#include "ContactCaptions.h"

#include "store/Columns.h"

#include <QHash>

namespace corvella::exchange {

QString fieldCaption(const QString& column)
{
    namespace contact = store::contact;
    static const QHash<QString, QString> captions = {
        {contact::FirstName, u"Name"_qs},
        {contact::LastName, u"Surname"_qs},
        {contact::Occupation, u"Occupation"_qs},
        {contact::Company, u"Company"_qs},
        {contact::Sector, u"Sector"_qs},
        {contact::SubSector, u"Sub-sector"_qs},
        {contact::WorkPhone, u"Work Phone"_qs},
        {contact::Extension, u"Ext."_qs},
        {contact::HomePhone, u"Home Phone"_qs},
        {contact::MobilePhone, u"GSM Phone"_qs},
        {contact::Fax, u"Fax"_qs},
        {contact::Address1, u"Address"_qs},
        {contact::Address2, u"Address, second line"_qs},
        {contact::PostalCode, u"Postal Code"_qs},
        {contact::City, u"City"_qs},
        {contact::Notes, u"Additional Info"_qs},
        {contact::Email, u"e-mail"_qs},
        {contact::InvoiceAddress1, u"Fatura Adresi"_qs},
        {contact::InvoiceAddress2, u"Fatura Adresi, second line"_qs},
    };
    return captions.value(column, column);
}

QString captionWithColumn(const QString& column)
{
    const QString caption = fieldCaption(column);
    return caption == column ? column : caption + u" ("_qs + column + u')';
}

} // namespace corvella::exchange
