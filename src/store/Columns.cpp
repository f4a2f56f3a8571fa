#include "Columns.h"

namespace corvella::store::settings {

QString labelPartPrefix(LabelPart part)
{
    switch (part) {
    case LabelPart::Name:
        return u"İsim"_qs;
    case LabelPart::Company:
        return u"F# Adı"_qs;
    case LabelPart::Address:
        return u"Adres"_qs;
    case LabelPart::Province:
        return u"İl"_qs;
    case LabelPart::District:
        return u"İlçe"_qs;
    case LabelPart::PostalCode:
        return u"P#K#"_qs;
    case LabelPart::Country:
        return u"Ülke"_qs;
    }
    return {};
}

QString labelColumn(LabelPart part, LabelAttribute attribute)
{
    const auto suffix = [attribute] {
        switch (attribute) {
        case LabelAttribute::FontName:
            return u"Yazıtipi Adı"_qs;
        case LabelAttribute::FontSize:
            return u"Yazıtipi Boyutu"_qs;
        case LabelAttribute::FontColour:
            return u"Yazıtipi Rengi"_qs;
        case LabelAttribute::X:
            return u"X Koordinatı"_qs;
        case LabelAttribute::Y:
            return u"Y Koordinatı"_qs;
        }
        return QString();
    };
    return labelPartPrefix(part) + u' ' + suffix();
}

} // namespace corvella::store::settings
