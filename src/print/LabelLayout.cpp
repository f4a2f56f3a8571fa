#include "LabelLayout.h"

#include "ColourText.h"
#include "Tgenel.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/FieldDef.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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

// The columns the label's field elements print.
const QString ContactPersonColumn = u"Firma_Yetkilisi"_qs;
const QString OwnerColumn = u"Sahibi"_qs;
const QString CompanyColumn = u"Firma Adı"_qs;
const QString Address1Column = u"Firma_Adresi1"_qs;
const QString Address2Column = u"Firma_Adresi2"_qs;
const QString DistrictColumn = u"İlçe"_qs;
const QString CityColumn = u"İl"_qs;
const QString CountryColumn = u"Ülke"_qs;
const QString PostalCodeColumn = u"Posta Kodu"_qs;

enum class ContactColumn { Name, Company, Address1, Address2, City, PostalCode, Nothing };

ContactColumn contactColumn(const QString& column)
{
    const std::pair<const QString&, ContactColumn> known[] = {
        {ContactPersonColumn, ContactColumn::Name},    {OwnerColumn, ContactColumn::Name},
        {CompanyColumn, ContactColumn::Company},       {Address1Column, ContactColumn::Address1},
        {Address2Column, ContactColumn::Address2},     {CityColumn, ContactColumn::City},
        {PostalCodeColumn, ContactColumn::PostalCode}, {DistrictColumn, ContactColumn::Nothing},
        {CountryColumn, ContactColumn::Nothing},
    };
    for (const auto& [name, contactColumn] : known)
        if (column.compare(name, Qt::CaseInsensitive) == 0)
            return contactColumn;
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

void drawElement(Tgenel& printer, QPoint corner, const LabelElement& element, const QString& text)
{
    if (text.isEmpty())
        return;
    printer.SetFontColor(element.colour);
    printer.SetFont(element.fontName, element.fontSize);
    printer.PrintText(corner.x() + element.xMm, corner.y() + element.yMm, text);
}

/// One label: its field elements with the contact's texts, then its text elements.
void drawLabel(Tgenel& printer, QPoint corner, const QList<LabelElement>& fields, const QList<ContactColumn>& columns,
               const QList<LabelElement>& texts, const LabelContact& contact)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        drawElement(printer, corner, fields.at(i), contactText(contact, columns.at(i)));
    for (const LabelElement& text : texts)
        drawElement(printer, corner, text, text.text);
}

QList<ContactColumn> contactColumns(const QList<LabelElement>& fields)
{
    QList<ContactColumn> columns;
    for (const LabelElement& field : fields)
        columns << contactColumn(field.text);
    return columns;
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
    namespace columns = store::settings;
    auto read = [&](const QString& column) { return wholeNumber(settings(column)); };
    LabelSheet sheet;
    sheet.pageWidthMm = read(columns::PageWidth);
    sheet.pageHeightMm = read(columns::PageHeight);
    sheet.leftMarginMm = read(columns::LeftMargin);
    sheet.topMarginMm = read(columns::TopMargin);
    sheet.labelWidthMm = read(columns::LabelWidth);
    sheet.labelHeightMm = read(columns::LabelHeight);
    sheet.horizontalGapMm = read(columns::LabelHorizontalGap);
    sheet.verticalGapMm = read(columns::LabelVerticalGap);
    return sheet;
}

LabelElements labelElementsFromSettings(const SettingsReader& settings, LabelNameChoice name,
                                        LabelCompanyChoice company)
{
    using store::settings::LabelAttribute;
    using Part = store::settings::LabelPart;
    LabelElements elements;
    int carriedColour = 0; // the nearest earlier element's colour, black before any

    // Reads an element's columns just before it is added, so a bad colour stops at the first element that has one.
    auto element = [&](Part part, const QString& printed, int dx, int dy) {
        auto read = [&](LabelAttribute attribute) { return settings(store::settings::labelColumn(part, attribute)); };
        LabelElement e;
        e.text = printed;
        e.fontName = text(read(LabelAttribute::FontName));
        const QString colour = text(read(LabelAttribute::FontColour));
        if (!colour.isEmpty())
            carriedColour = colourFromText(colour);
        e.colour = carriedColour;
        e.fontSize = wholeNumber(read(LabelAttribute::FontSize));
        e.xMm = wholeNumber(read(LabelAttribute::X)) + dx;
        e.yMm = wholeNumber(read(LabelAttribute::Y)) + dy;
        return e;
    };

    if (name == LabelNameChoice::ContactPerson)
        elements.fields << element(Part::Name, ContactPersonColumn, 0, 0);
    else if (name == LabelNameChoice::Owner)
        elements.fields << element(Part::Name, OwnerColumn, 0, 0);
    if (company == LabelCompanyChoice::Print)
        elements.fields << element(Part::Company, CompanyColumn, 0, 0);
    elements.fields << element(Part::Address, Address1Column, 0, 0);
    elements.fields << element(Part::Address, Address2Column, 0, 6);
    elements.fields << element(Part::District, DistrictColumn, 0, 0);
    elements.fields << element(Part::Province, CityColumn, 0, 0);
    elements.fields << element(Part::Country, CountryColumn, 0, 0);
    elements.fields << element(Part::PostalCode, PostalCodeColumn, 0, 0);
    elements.texts << element(Part::Name, u"Sayın"_qs, -15, 0);
    elements.texts << element(Part::Province, u"/"_qs, -5, 0);
    return elements;
}

QString labelColumnText(const LabelContact& contact, const QString& column)
{
    return contactText(contact, contactColumn(column));
}

QString printLabels(Tgenel& printer, const LabelSheet& sheet, const QList<LabelElement>& fields,
                    const QList<LabelElement>& texts, LabelRows& rows)
{
    const LabelGrid grid = requireLabelGrid(sheet);
    const QList<ContactColumn> columns = contactColumns(fields);

    printer.BeginDocument(u"Labels"_qs);
    const OnFailure dropJob([&printer] { printer.AbortDocument(); });
    LabelContact contact;
    for (qint64 index = 0; rows.next(contact); ++index) {
        const LabelSlot slot = labelSlot(sheet, grid, index);
        if (slot.slot == 0 && index > 0)
            printer.NewPage();
        drawLabel(printer, slot.cornerMm, fields, columns, texts, contact);
    }
    return printer.EndDocument();
}

LabelPrintout::LabelPrintout(const LabelSheet& sheet, QList<LabelElement> fields, QList<LabelElement> texts,
                             LabelRowsAt& rows)
    : m_sheet(sheet)
    , m_grid(requireLabelGrid(sheet))
    , m_fields(std::move(fields))
    , m_texts(std::move(texts))
    , m_rows(rows)
{
    for (ContactColumn column : contactColumns(m_fields))
        m_columns << int(column);
}

QString LabelPrintout::jobName() const
{
    return u"Labels"_qs;
}

std::optional<Orientation> LabelPrintout::orientation() const
{
    return std::nullopt;
}

qint64 LabelPrintout::pageCount(const Tgenel&)
{
    const qint64 perPage = m_grid.perPage();
    return std::max<qint64>(1, (m_rows.count() + perPage - 1) / perPage);
}

void LabelPrintout::drawPage(Tgenel& printer, qint64 page)
{
    QList<ContactColumn> columns;
    for (int column : std::as_const(m_columns))
        columns << ContactColumn(column);
    const qint64 first = page * m_grid.perPage();
    const QList<LabelContact> contacts = m_rows.read(first, m_grid.perPage());
    for (qsizetype i = 0; i < contacts.size(); ++i)
        drawLabel(printer, labelSlot(m_sheet, m_grid, first + i).cornerMm, m_fields, columns, m_texts, contacts.at(i));
}

} // namespace corvella::print
