#include "ReportLayout.h"

#include "ColourText.h"
#include "Tgenel.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/FieldDef.h"
#include "store/NumberFormat.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

namespace corvella::print {

namespace {

constexpr double CharacterMm = 1.3;
constexpr int FirstCharacter = 4; // the table starts four characters in
constexpr int LandscapeFromMm = 195;
constexpr int HeadingLine = 1;
constexpr int FirstRowLine = 3; // line 2 holds the heading underline

int round(double value)
{
    return int(store::roundHalfEven(value));
}

int characterX(int character)
{
    return round(character * CharacterMm);
}

/// The numbers printed with the number patterns and set 1 mm lower on later rows.
bool printsAsNumber(store::FieldKind kind)
{
    using store::FieldKind;
    return kind == FieldKind::Float || kind == FieldKind::SmallInt || kind == FieldKind::Integer ||
           kind == FieldKind::Byte;
}

void drawRule(Tgenel& printer, const ReportRule& rule)
{
    printer.DrawLine(rule.fromMm.x(), rule.fromMm.y(), rule.toMm.x(), rule.toMm.y());
}

void printAt(Tgenel& printer, QPoint atMm, const QString& text)
{
    printer.PrintText(atMm.x(), atMm.y(), text);
}

/// Draws one page; `rows` stands on the row before the page's first one, or on that row for the first page.
void drawRows(Tgenel& printer, const QList<ReportColumn>& columns, const ReportPage& page, ReportRows& rows,
              qint64 rowCount)
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        printer.SetFontColor(colours::Red);
        printAt(printer, page.headingsMm.at(i), reportHeading(columns.at(i)));
    }
    for (const ReportLine& line : page.lines) {
        if (line.row > 0)
            rows.next();
        const bool listed = line.row < rowCount; // not the empty row of an empty list
        // Every value draws the row's rule, across the whole table; the repeats fall on the same line.
        for (qsizetype i = 0; i < columns.size(); ++i) {
            printer.SetFontColor(colours::Blue);
            drawRule(printer, line.rule);
            const QVariant value = listed ? rows.value(int(i)) : QVariant();
            printAt(printer, line.valuesMm.at(i), reportValueText(columns.at(i), value, line.row == 0));
        }
    }
    for (const ReportRule& rule : page.frame)
        drawRule(printer, rule);
}

} // namespace

int reportColumnWidth(const ReportColumn& column)
{
    using store::FieldKind;
    int width = 0;
    switch (column.kind) {
    case FieldKind::Text:
        width = column.size + 1;
        break;
    case FieldKind::SmallInt:
    case FieldKind::Integer:
    case FieldKind::Byte:
    case FieldKind::Float:
        width = 16;
        break;
    case FieldKind::Boolean:
        width = 6;
        break;
    case FieldKind::Date:
        width = 11;
        break;
    case FieldKind::Time:
        width = 8;
        break;
    case FieldKind::DateTime:
        width = 9;
        break;
    case FieldKind::AutoNumber:
        width = 4;
        break;
    case FieldKind::Currency:
        width = 34;
        break;
    case FieldKind::Memo:
    case FieldKind::Blob:
        width = 0;
        break;
    }
    width = std::min(width, 25);
    if (column.name == u"Strateji"_qs)
        width = 30;
    return width;
}

int reportTableWidthMm(const QList<ReportColumn>& columns)
{
    int units = 0;
    for (const ReportColumn& column : columns)
        units += reportColumnWidth(column) + 1;
    return round(units * CharacterMm);
}

QString reportHeading(const ReportColumn& column)
{
    QString heading = column.name.left(reportColumnWidth(column) + 3);
    heading.replace(u'_', u' ');
    return heading;
}

QString reportValueText(const ReportColumn& column, const QVariant& value, bool firstRow, const QLocale& locale)
{
    if (!printsAsNumber(column.kind))
        return store::displayText(column.kind, value);
    const double number = value.isNull() ? 0.0 : value.toDouble();
    static const QString firstPattern = u"###,###,###,###,###,###,###,###.##"_qs;
    static const QString laterPattern = u"###,###,###,###,###,###,###,###,###,###,###,##0.00"_qs;
    return store::formatFloat(firstRow ? firstPattern : laterPattern, number, locale);
}

ReportTable reportTable(const QList<ReportColumn>& columns)
{
    ReportTable table;
    table.widthMm = reportTableWidthMm(columns);
    table.landscape = table.widthMm >= LandscapeFromMm;
    table.leftMm = characterX(FirstCharacter) - 1;
    table.rightMm = table.widthMm + 10;
    int character = FirstCharacter;
    for (const ReportColumn& column : columns) {
        table.textXMm << characterX(character) + 1;
        table.separatorXMm << (table.separatorXMm.isEmpty() ? table.leftMm : characterX(character));
        table.numberColumn << printsAsNumber(column.kind);
        character += reportColumnWidth(column) + 1;
    }
    return table;
}

ReportPage reportPage(const ReportTable& table, int linePitchMm, int pageHeightMm, qint64 firstRow, qint64 rowCount)
{
    const auto across = [&table](int y) { return ReportRule{{table.leftMm, y}, {table.rightMm, y}}; };
    // Lines are counted and multiplied in 64 bits: a page of zero pitch holds every row of a long list.
    const qint64 pitch = linePitchMm;
    const auto lineY = [pitch](qint64 line) { return int(std::clamp<qint64>(line * pitch, INT_MIN / 2, INT_MAX / 2)); };
    ReportPage page;
    for (int x : table.textXMm)
        page.headingsMm << QPoint(x, lineY(HeadingLine));

    const qint64 printedRows = std::max<qint64>(rowCount, 1);
    qint64 line = FirstRowLine;
    int bottom = 0;
    for (qint64 row = firstRow; row < printedRows; ++row) {
        const int y = lineY(line);
        ReportLine printed{row, across(y - 2), {}};
        for (qsizetype i = 0; i < table.textXMm.size(); ++i)
            printed.valuesMm << QPoint(table.textXMm.at(i), row > 0 && table.numberColumn.at(i) ? y : y - 1);
        page.lines << printed;
        ++line;
        // Only rows after the first can fill a page; the frame then closes below the last one printed.
        if (row > 0 && (line + 2) * pitch > pageHeightMm) {
            page.full = true;
            bottom = lineY(line - 1) + 3;
            break;
        }
    }
    if (!page.full)
        bottom = lineY(line) + 1;

    const int top = lineY(HeadingLine);
    const int headingUnderline = lineY(FirstRowLine - 1) + 1;
    const auto down = [top, bottom](int x) { return ReportRule{{x, top}, {x, bottom}}; };
    page.frame << across(top) << across(headingUnderline) << across(bottom) << down(table.leftMm)
               << down(table.rightMm);
    for (int x : table.separatorXMm)
        page.frame << down(x);
    return page;
}

ReportInput reportSettingsFromSettings(const SettingsReader& settings)
{
    namespace columns = store::settings;
    const auto font = [&](const QString& nameColumn, const QString& sizeColumn, const QString& sizeCaption) {
        const QVariant name = settings(nameColumn);
        return ReportFont{name.isNull() ? QString() : name.toString(),
                          checkedWholeNumber(settings, ranges::fontSize(sizeColumn, sizeCaption))};
    };
    ReportInput input;
    input.linePitchMm = checkedWholeNumber(
        settings, ranges::lengthMm(columns::ListLinePitch, QCoreApplication::translate("print", "List Line Height")));
    input.titleFont =
        font(columns::TitleFontName, columns::TitleFontSize, QCoreApplication::translate("print", "Caption Font Size"));
    input.listFont =
        font(columns::ListFontName, columns::ListFontSize, QCoreApplication::translate("print", "List Font Size"));
    return input;
}

void ReportRows::moveTo(qint64 row)
{
    first();
    for (qint64 i = 0; i < row; ++i)
        next();
}

ReportPrintout::ReportPrintout(ReportInput input, ReportRows& rows)
    : m_input(std::move(input))
    , m_table(reportTable(m_input.columns))
    , m_rows(rows)
    , m_rowCount(rows.count())
{}

QString ReportPrintout::jobName() const
{
    return m_input.title.isEmpty() ? u"Report"_qs : m_input.title;
}

std::optional<Orientation> ReportPrintout::orientation() const
{
    return m_table.landscape ? Orientation::Landscape : Orientation::Portrait;
}

void ReportPrintout::layOut(int pageHeightMm)
{
    if (pageHeightMm == m_pageHeightMm)
        return;
    m_pageHeightMm = pageHeightMm;
    m_firstRows = {0};
    for (;;) {
        const ReportPage page =
            reportPage(m_table, m_input.linePitchMm, pageHeightMm, m_firstRows.constLast(), m_rowCount);
        if (!page.full)
            break;
        m_firstRows << page.lines.constLast().row + 1;
    }
}

qint64 ReportPrintout::pageCount(const Tgenel& printer)
{
    layOut(printer.PageHeightMm());
    return m_firstRows.size();
}

void ReportPrintout::drawPage(Tgenel& printer, qint64 page)
{
    layOut(printer.PageHeightMm());
    const qint64 firstRow = m_firstRows.at(page);
    if (page == 0) {
        printer.SetFontColor(colours::Red);
        printer.SetFont(m_input.titleFont.name, m_input.titleFont.size);
        printAt(printer, ReportTitleMm, m_input.title);
    }
    printer.SetFontColor(colours::Blue);
    printer.SetFont(m_input.listFont.name, m_input.listFont.size);
    printer.SetPenColor(colours::Black);

    // A page's drawing steps onto each of its rows from the one before; printed in order, the rows already stand
    // there.
    if (page == 0)
        m_rows.first();
    else if (m_cursor != firstRow - 1)
        m_rows.moveTo(firstRow - 1);
    m_cursor = -1;
    const ReportPage layout = reportPage(m_table, m_input.linePitchMm, m_pageHeightMm, firstRow, m_rowCount);
    drawRows(printer, m_input.columns, layout, m_rows, m_rowCount);
    m_cursor = layout.lines.isEmpty() ? firstRow - 1 : layout.lines.constLast().row;
}

QString printReport(Tgenel& printer, const ReportInput& input, ReportRows& rows, const PageProgress& progress)
{
    ReportPrintout printout(input, rows);
    return printWhole(printer, printout, progress);
}

} // namespace corvella::print
