#include "ContactCaptions.h"

#include "store/Columns.h"

#include <QCoreApplication>
#include <QHash>

namespace corvella::exchange {

QString fieldCaption(const QString& column)
{
    namespace contact = store::contact;
    static const QHash<QString, const char*> captions = {
        {contact::FirstName, QT_TRANSLATE_NOOP("ContactCaptions", "Name")},
        {contact::LastName, QT_TRANSLATE_NOOP("ContactCaptions", "Surname")},
        {contact::Occupation, QT_TRANSLATE_NOOP("ContactCaptions", "Occupation")},
        {contact::Company, QT_TRANSLATE_NOOP("ContactCaptions", "Company")},
        {contact::Sector, QT_TRANSLATE_NOOP("ContactCaptions", "Sector")},
        {contact::SubSector, QT_TRANSLATE_NOOP("ContactCaptions", "Sub-sector")},
        {contact::WorkPhone, QT_TRANSLATE_NOOP("ContactCaptions", "Work Phone")},
        {contact::Extension, QT_TRANSLATE_NOOP("ContactCaptions", "Ext.")},
        {contact::HomePhone, QT_TRANSLATE_NOOP("ContactCaptions", "Home Phone")},
        {contact::MobilePhone, QT_TRANSLATE_NOOP("ContactCaptions", "GSM Phone")},
        {contact::Fax, QT_TRANSLATE_NOOP("ContactCaptions", "Fax")},
        {contact::Address1, QT_TRANSLATE_NOOP("ContactCaptions", "Address")},
        {contact::Address2, QT_TRANSLATE_NOOP("ContactCaptions", "Address, second line")},
        {contact::PostalCode, QT_TRANSLATE_NOOP("ContactCaptions", "Postal Code")},
        {contact::City, QT_TRANSLATE_NOOP("ContactCaptions", "City")},
        {contact::Notes, QT_TRANSLATE_NOOP("ContactCaptions", "Additional Info")},
        {contact::Email, QT_TRANSLATE_NOOP("ContactCaptions", "e-mail")},
        {contact::InvoiceAddress1, QT_TRANSLATE_NOOP("ContactCaptions", "Fatura Adresi")},
        {contact::InvoiceAddress2, QT_TRANSLATE_NOOP("ContactCaptions", "Fatura Adresi, second line")},
    };
    const char* caption = captions.value(column);
    return caption ? QCoreApplication::translate("ContactCaptions", caption) : column;
}

QString captionWithColumn(const QString& column)
{
    const QString caption = fieldCaption(column);
    return caption == column ? column : caption + u" ("_qs + column + u')';
}

} // namespace corvella::exchange
