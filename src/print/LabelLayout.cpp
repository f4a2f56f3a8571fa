#include "LabelLayout.h"

#include "ColourText.h"
#include "Tgenel.h"
#include "core/Error.h"
#include "store/FieldDef.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace corvella::print {

namespace {

/// How many pitches fit into a length; the double is brought into int's range before it is truncated.
int fitting(int length, int start, int size, int gap)
{
    const double pitch = double(size) + gap;
    if (pitch <= 0)
        return 0;
    const double count = std::trunc((double(length) - start) / pitch);
    return int(std::clamp(count, 0.0, double(std::numeric_limits<int>::max())));
}

int wholeNumber(const QVariant& value)
{
    if (value.isNull())
        return 0;
    const double number = value.toDouble();
    if (!std::isfinite(number))
        return 0;
    const double limit = std::numeric_limits<int>::max();
    return int(store::roundHalfEven(std::clamp(number, -limit, limit)));
}

QString text(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

enum class ContactColumn { Name, Company, Address1, Address2, City, PostalCode, Nothing };

ContactColumn contactColumn(const QString& column)
{
    struct Known {
        const char16_t* name;
        ContactColumn column;
    };
    static constexpr std::array<Known, 9> known = {{
        {u"Firma_Yetkilisi", ContactColumn::Name},
        {u"Sahibi", ContactColumn::Name},
        {u"Firma Adı", ContactColumn::Company},
        {u"Firma_Adresi1", ContactColumn::Address1},
        {u"Firma_Adresi2", ContactColumn::Address2},
        {u"İl", ContactColumn::City},
        {u"Posta Kodu", ContactColumn::PostalCode},
        {u"İlçe", ContactColumn::Nothing},
        {u"Ülke", ContactColumn::Nothing},
    }};
    for (const Known& k : known)
        if (column.compare(QStringView(k.name), Qt::CaseInsensitive) == 0)
            return k.column;
    throw DatabaseError(u"Field '%1' not found"_qs.arg(column));
}

const QString& contactText(const LabelContact& contact, ContactColumn column)
{
    static const QString nothing;
    switch (column) {
    case ContactColumn::Name:
        return contact.name;
    case ContactColumn::Company:
        return contact.company;
    case ContactColumn::Address1:
        return contact.address1;
    case ContactColumn::Address2:
        return contact.address2;
    case ContactColumn::City:
        return contact.city;
    case ContactColumn::PostalCode:
        return contact.postalCode;
    case ContactColumn::Nothing:
        break;
    }
    return nothing;
}

void drawElement(Tgenel& genel, QPoint corner, const LabelElement& element, const QString& text)
{
    if (text.isEmpty())
        return;
    genel.SetFontColor(element.colour);
    genel.SetFont(element.fontName, element.fontSize);
    genel.PrintText(corner.x() + element.xMm, corner.y() + element.yMm, text);
}

} // namespace

LabelGrid labelGrid(const LabelSheet& sheet)
{
    return {fitting(sheet.pageWidthMm, sheet.leftMarginMm, sheet.labelWidthMm, sheet.horizontalGapMm),
            fitting(sheet.pageHeightMm, sheet.topMarginMm, sheet.labelHeightMm, sheet.verticalGapMm)};
}

LabelGrid requireLabelGrid(const LabelSheet& sheet)
{
    const LabelGrid grid = labelGrid(sheet);
    if (grid.columns < 1)
        throw Error(u"No label fits across the page. Check the page width, the left margin, the label width and "
                    u"the horizontal gap in the label settings."_qs);
    if (grid.rows < 1)
        throw Error(u"No label fits down the page. Check the page height, the top margin, the label height and "
                    u"the vertical gap in the label settings."_qs);
    return grid;
}

LabelSlot labelSlot(const LabelSheet& sheet, const LabelGrid& grid, qint64 index)
{
    const qint64 perPage = grid.perPage();
    LabelSlot slot;
    slot.page = index / perPage;
    slot.slot = index % perPage;
    const qint64 x = (index % grid.columns) * (qint64(sheet.labelWidthMm) + sheet.horizontalGapMm) + sheet.leftMarginMm;
    const qint64 y =
        (slot.slot / grid.columns) * (qint64(sheet.labelHeightMm) + sheet.verticalGapMm) + sheet.topMarginMm;
    slot.cornerMm = QPoint(int(x), int(y));
    return slot;
}

LabelSheet labelSheetFromSettings(const SettingsReader& settings)
{
    auto read = [&](const char16_t* column) { return wholeNumber(settings(QString::fromUtf16(column))); };
    LabelSheet sheet;
    sheet.pageWidthMm = read(u"Sayfa Genişliği");
    sheet.pageHeightMm = read(u"Sayfa Yüksekliği");
    sheet.leftMarginMm = read(u"Sol Boşluk");
    sheet.topMarginMm = read(u"Üst Boşluk");
    sheet.labelWidthMm = read(u"Etiket Genişliği");
    sheet.labelHeightMm = read(u"Etiket Yüksekliği");
    sheet.horizontalGapMm = read(u"Yatay Etiket Aralığı");
    sheet.verticalGapMm = read(u"Dikey Etiket Aralığı");
    return sheet;
}

LabelElements labelElementsFromSettings(const SettingsReader& settings, LabelNameChoice name,
                                        LabelCompanyChoice company)
{
    LabelElements elements;
    int carriedColour = 0; // the nearest earlier element's colour, black before any

    // Reads an element's columns just before it is added, so a bad colour stops at the first element that has one.
    auto element = [&](const QString& prefix, const QString& printed, int dx, int dy) {
        LabelElement e;
        e.text = printed;
        e.fontName = text(settings(prefix + u" Yazıtipi Adı"_qs));
        const QString colour = text(settings(prefix + u" Yazıtipi Rengi"_qs));
        if (!colour.isEmpty())
            carriedColour = colourFromText(colour);
        e.colour = carriedColour;
        e.fontSize = wholeNumber(settings(prefix + u" Yazıtipi Boyutu"_qs));
        e.xMm = wholeNumber(settings(prefix + u" X Koordinatı"_qs)) + dx;
        e.yMm = wholeNumber(settings(prefix + u" Y Koordinatı"_qs)) + dy;
        return e;
    };

    const QString person = u"İsim"_qs;
    const QString address = u"Adres"_qs;
    const QString city = u"İl"_qs;
    if (name == LabelNameChoice::ContactPerson)
        elements.fields << element(person, u"Firma_Yetkilisi"_qs, 0, 0);
    else if (name == LabelNameChoice::Owner)
        elements.fields << element(person, u"Sahibi"_qs, 0, 0);
    if (company == LabelCompanyChoice::Print)
        elements.fields << element(u"F# Adı"_qs, u"Firma Adı"_qs, 0, 0);
    elements.fields << element(address, u"Firma_Adresi1"_qs, 0, 0);
    elements.fields << element(address, u"Firma_Adresi2"_qs, 0, 6);
    elements.fields << element(u"İlçe"_qs, u"İlçe"_qs, 0, 0);
    elements.fields << element(city, u"İl"_qs, 0, 0);
    elements.fields << element(u"Ülke"_qs, u"Ülke"_qs, 0, 0);
    elements.fields << element(u"P#K#"_qs, u"Posta Kodu"_qs, 0, 0);
    elements.texts << element(person, u"Sayın"_qs, -15, 0);
    elements.texts << element(city, u"/"_qs, -5, 0);
    return elements;
}

QString labelColumnText(const LabelContact& contact, const QString& column)
{
    return contactText(contact, contactColumn(column));
}

QString printLabels(Tgenel& genel, const LabelSheet& sheet, const QList<LabelElement>& fields,
                    const QList<LabelElement>& texts, LabelRows& rows)
{
    const LabelGrid grid = requireLabelGrid(sheet);
    QList<ContactColumn> columns;
    for (const LabelElement& field : fields)
        columns << contactColumn(field.text);

    genel.BeginDocument(u"Labels"_qs);
    try {
        LabelContact contact;
        for (qint64 index = 0; rows.next(contact); ++index) {
            const LabelSlot slot = labelSlot(sheet, grid, index);
            if (slot.slot == 0 && index > 0)
                genel.NewPage();
            for (qsizetype i = 0; i < fields.size(); ++i)
                drawElement(genel, slot.cornerMm, fields.at(i), contactText(contact, columns.at(i)));
            for (const LabelElement& text : texts)
                drawElement(genel, slot.cornerMm, text, text.text);
        }
        return genel.EndDocument();
    } catch (...) {
        genel.AbortDocument();
        throw;
    }
}

} // namespace corvella::print
