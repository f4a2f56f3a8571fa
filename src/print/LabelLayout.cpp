#include "LabelLayout.h"

#include "ColourText.h"
#include "Tgenel.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/FieldDef.h"

#include <QCoreApplication>
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

/// The caption of a part's row in the advanced label settings, by which the user knows its values.
QString partCaption(store::settings::LabelPart part)
{
    using Part = store::settings::LabelPart;
    switch (part) {
    case Part::Name:
        return QCoreApplication::translate("print", "Name");
    case Part::Company:
        return QCoreApplication::translate("print", "Company");
    case Part::Address:
        return QCoreApplication::translate("print", "Address");
    case Part::Province:
        return QCoreApplication::translate("print", "City");
    case Part::District:
        return QCoreApplication::translate("print", "District");
    case Part::PostalCode:
        return QCoreApplication::translate("print", "Postal Code");
    case Part::Country:
        break;
    }
    return QCoreApplication::translate("print", "Country");
}

// A label's text may end this close before the edge: what the measure and the drawn font may differ by.
constexpr double EdgeAllowanceMm = 0.25;
// A text whose characters' own advances stay this far inside its room is drawn without being measured whole.
constexpr double PlainlyFits = 0.95;

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
    throw DatabaseError(QCoreApplication::translate("print", "Field '%1' not found").arg(column));
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

/// Fits the texts of a run to their labels' right edges.
class LabelTextFit {
public:
    LabelTextFit(int labelWidthMm, const TextWidthMm& width)
        : m_labelWidthMm(labelWidthMm)
        , m_width(width)
    {
        if (!m_width)
            m_width = [this](const QString& text, const QString& font, int points) {
                return m_fonts(text, font, points);
            };
    }

    FittedText operator()(const LabelElement& element, const QString& text)
    {
        const double room = m_labelWidthMm - element.xMm - EdgeAllowanceMm;
        const int size = element.fontSize > 0 ? element.fontSize : DrawState().fontSize;
        if (room > 0 && m_ownMeasure && m_fonts.estimate(text, element.fontName, size) <= room * PlainlyFits)
            return {text, element.fontSize};
        return fitText(text, element.fontName, element.fontSize, room, m_width);
    }

private:
    int m_labelWidthMm;
    FontTextWidth m_fonts;
    TextWidthMm m_width;
    bool m_ownMeasure = !m_width;
};

void drawElement(Tgenel& printer, QPoint corner, const LabelElement& element, const QString& text, LabelTextFit& fit)
{
    if (text.isEmpty())
        return;
    const FittedText fitted = fit(element, text);
    if (fitted.text.isEmpty())
        return;
    printer.SetFontColor(element.colour);
    printer.SetFont(element.fontName, fitted.fontSize);
    printer.PrintText(corner.x() + element.xMm, corner.y() + element.yMm, fitted.text);
}

/// One label: its field elements with the contact's texts, then its text elements.
void drawLabel(Tgenel& printer, QPoint corner, const QList<LabelElement>& fields, const QList<ContactColumn>& columns,
               const QList<LabelElement>& texts, const LabelContact& contact, LabelTextFit& fit)
{
    for (qsizetype i = 0; i < fields.size(); ++i)
        drawElement(printer, corner, fields.at(i), contactText(contact, columns.at(i)), fit);
    for (const LabelElement& text : texts)
        drawElement(printer, corner, text, text.text, fit);
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
        throw Error(QCoreApplication::translate(
            "print", "No label fits across the page. Check the page width, the left margin, the label width and "
                     "the horizontal gap in the label settings."));
    if (grid.rows < 1)
        throw Error(QCoreApplication::translate(
            "print", "No label fits down the page. Check the page height, the top margin, the label height and "
                     "the vertical gap in the label settings."));
    return grid;
}

void requireFirstLabel(const LabelGrid& grid, int firstLabel)
{
    if (firstLabel < 1 || firstLabel > grid.perPage())
        throw Error(QCoreApplication::translate(
                        "print",
                        "Label %1 is not on the sheet: it holds %2 labels, %3 across and %4 down, numbered from 1 at "
                        "the top left.")
                        .arg(firstLabel)
                        .arg(grid.perPage())
                        .arg(grid.columns)
                        .arg(grid.rows));
}

LabelSlot labelSlot(const LabelSheet& sheet, const LabelGrid& grid, qint64 index, int firstLabel)
{
    const qint64 perPage = grid.perPage();
    index += firstLabel - 1;
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
    auto length = [&](const QString& column, const QString& name) {
        return checkedWholeNumber(settings, ranges::lengthMm(column, name));
    };
    auto gap = [&](const QString& column, const QString& name) {
        return checkedWholeNumber(settings, ranges::offsetMm(column, name));
    };
    LabelSheet sheet;
    sheet.pageWidthMm = length(columns::PageWidth, QCoreApplication::translate("print", "Page Width"));
    sheet.pageHeightMm = length(columns::PageHeight, QCoreApplication::translate("print", "Page Height"));
    sheet.leftMarginMm = length(columns::LeftMargin, QCoreApplication::translate("print", "Left Space"));
    sheet.topMarginMm = length(columns::TopMargin, QCoreApplication::translate("print", "Top Space"));
    sheet.labelWidthMm = length(columns::LabelWidth, QCoreApplication::translate("print", "Label Width"));
    sheet.labelHeightMm = length(columns::LabelHeight, QCoreApplication::translate("print", "Label Height"));
    sheet.horizontalGapMm = gap(columns::LabelHorizontalGap, QCoreApplication::translate("print", "Horizontal Gap"));
    sheet.verticalGapMm = gap(columns::LabelVerticalGap, QCoreApplication::translate("print", "Vertical Gap"));
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
        auto number = [&](LabelAttribute attribute, const QString& what) {
            const QString column = store::settings::labelColumn(part, attribute);
            const QString name = partCaption(part) + u' ' + what;
            return checkedWholeNumber(settings, attribute == LabelAttribute::FontSize ? ranges::fontSize(column, name)
                                                                                      : ranges::offsetMm(column, name));
        };
        LabelElement e;
        e.text = printed;
        e.fontName = text(read(LabelAttribute::FontName));
        const QString colour = text(read(LabelAttribute::FontColour));
        if (!colour.isEmpty())
            carriedColour = colourFromText(colour);
        e.colour = carriedColour;
        e.fontSize = number(LabelAttribute::FontSize, QCoreApplication::translate("print", "Font Size"));
        e.xMm = number(LabelAttribute::X, u"X"_qs) + dx;
        e.yMm = number(LabelAttribute::Y, u"Y"_qs) + dy;
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

qint64 labelPageCount(const LabelGrid& grid, qint64 contacts, int firstLabel)
{
    const qint64 perPage = grid.perPage();
    const qint64 places = contacts + firstLabel - 1;
    return std::max<qint64>(1, (places + perPage - 1) / perPage);
}

QString labelColumnText(const LabelContact& contact, const QString& column)
{
    return contactText(contact, contactColumn(column));
}

QString printLabels(Tgenel& printer, const LabelSheet& sheet, const QList<LabelElement>& fields,
                    const QList<LabelElement>& texts, LabelRows& rows, const LabelRunOptions& options)
{
    const LabelGrid grid = requireLabelGrid(sheet);
    requireFirstLabel(grid, options.firstLabel);
    LabelTextFit fit(sheet.labelWidthMm, options.textWidth);
    const QList<ContactColumn> columns = contactColumns(fields);

    // The count is read before the rows: should the list grow meanwhile, the total grows with the sheets printed.
    const qint64 pages = labelPageCount(grid, rows.count(), options.firstLabel);
    reportProgress(options.progress, 0, pages);
    printer.BeginDocument(u"Labels"_qs);
    const OnFailure dropJob([&printer] { printer.AbortDocument(); });
    LabelContact contact;
    qint64 page = 0;
    for (qint64 index = 0; rows.next(contact); ++index) {
        const LabelSlot slot = labelSlot(sheet, grid, index, options.firstLabel);
        if (slot.slot == 0 && index > 0) {
            reportProgress(options.progress, slot.page, std::max(pages, slot.page + 1));
            printer.NewPage();
        }
        page = slot.page;
        drawLabel(printer, slot.cornerMm, fields, columns, texts, contact, fit);
    }
    reportProgress(options.progress, page + 1, std::max(pages, page + 1));
    return printer.EndDocument();
}

LabelPrintout::LabelPrintout(const LabelSheet& sheet, QList<LabelElement> fields, QList<LabelElement> texts,
                             LabelRowsAt& rows, LabelRunOptions options)
    : m_sheet(sheet)
    , m_grid(requireLabelGrid(sheet))
    , m_fields(std::move(fields))
    , m_texts(std::move(texts))
    , m_rows(rows)
    , m_options(std::move(options))
{
    requireFirstLabel(m_grid, m_options.firstLabel);
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
    return labelPageCount(m_grid, m_rows.count(), m_options.firstLabel);
}

void LabelPrintout::drawPage(Tgenel& printer, qint64 page)
{
    QList<ContactColumn> columns;
    for (int column : std::as_const(m_columns))
        columns << ContactColumn(column);
    LabelTextFit fit(m_sheet.labelWidthMm, m_options.textWidth);
    // The labels before the first one used on the first sheet stay blank; the list fills the places after them.
    const qint64 skipped = m_options.firstLabel - 1;
    const qint64 first = std::max<qint64>(0, page * m_grid.perPage() - skipped);
    const qint64 last = (page + 1) * m_grid.perPage() - skipped; // one past
    const QList<LabelContact> contacts = m_rows.read(first, last - first);
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const QPoint corner = labelSlot(m_sheet, m_grid, first + i, m_options.firstLabel).cornerMm;
        drawLabel(printer, corner, m_fields, columns, m_texts, contacts.at(i), fit);
    }
}

} // namespace corvella::print
