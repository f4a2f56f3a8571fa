#include "ReportLayout.h"

#include "Tgenel.h"
#include "store/FieldDef.h"
#include "store/NumberFormat.h"

#include <cmath>

namespace corvella::print {

namespace {

constexpr double CharacterMm = 1.3;
constexpr int Red = 0x0000FF;
constexpr int Blue = 0xFF0000;
constexpr int Black = 0;
constexpr int LandscapeFromMm = 195;

int round(double value)
{
    return int(store::roundHalfEven(value));
}

int characterX(int p)
{
    return round(p * CharacterMm);
}

/// The numbers printed with the number patterns and set 1 mm lower on later rows.
bool printsAsNumber(store::FieldKind kind)
{
    using store::FieldKind;
    return kind == FieldKind::Float || kind == FieldKind::SmallInt || kind == FieldKind::Integer ||
           kind == FieldKind::Byte;
}

class Run {
public:
    Run(Tgenel& genel, const ReportInput& input)
        : m_genel(genel)
        , m_input(input)
        , m_pitch(input.linePitchMm)
        , m_tableWidth(reportTableWidthMm(input.columns))
    {
        for (const ReportColumn& column : input.columns)
            m_widths << reportColumnWidth(column);
    }

    void print(ReportRows& rows)
    {
        m_genel.SetOrientationByWord(u"Düz"_qs);
        if (m_tableWidth >= LandscapeFromMm)
            m_genel.SetOrientationByWord(u"Yan"_qs);
        m_genel.BeginDocument(m_input.title.isEmpty() ? u"Report"_qs : m_input.title);
        m_pageHeight = m_genel.PageHeightMm();

        m_genel.SetFontColor(Red);
        m_genel.SetFont(m_input.titleFont.name, m_input.titleFont.size);
        m_genel.PrintText(15, 2, m_input.title);
        m_genel.SetFontColor(Blue);
        m_genel.SetFont(m_input.listFont.name, m_input.listFont.size);
        m_genel.SetPenColor(Black);

        const qint64 count = rows.count();
        rows.first();
        pageHead();
        if (count > 0) {
            for (int i = 0; i < m_widths.size(); ++i) {
                m_genel.DrawLine(m_left, m_r * m_pitch - 2, m_right, m_r * m_pitch - 2);
                m_genel.SetFontColor(Blue);
                m_genel.PrintText(characterX(m_p) + 1, m_r * m_pitch - 1,
                                  reportValueText(m_input.columns.at(i), rows.value(i), true));
                m_p += m_widths.at(i) + 1;
            }
            ++m_r;
        }
        for (qint64 row = 1; row < count; ++row) {
            m_p = 4;
            rows.next();
            for (int i = 0; i < m_widths.size(); ++i) {
                const ReportColumn& column = m_input.columns.at(i);
                m_genel.SetFontColor(Blue);
                m_genel.DrawLine(m_left, m_r * m_pitch - 2, m_right, m_r * m_pitch - 2);
                const int y = printsAsNumber(column.kind) ? m_r * m_pitch : m_r * m_pitch - 1;
                m_genel.PrintText(characterX(m_p) + 1, y, reportValueText(column, rows.value(i), false));
                m_p += m_widths.at(i) + 1;
            }
            ++m_r;
            if ((m_r + 2) * m_pitch > m_pageHeight) {
                --m_r;
                frame(m_r * m_pitch + 3);
                m_genel.NewPage();
                pageHead();
            }
        }
        frame(m_r * m_pitch + 1);
        m_file = m_genel.EndDocument();
        m_genel.SetOrientationByWord(u"Düz"_qs);
    }

    QString file() const { return m_file; }

private:
    void pageHead()
    {
        m_r = 1;
        m_p = 4;
        m_top = m_r * m_pitch;
        m_left = characterX(4) - 1;
        m_right = m_tableWidth + 10;
        for (int i = 0; i < m_widths.size(); ++i) {
            m_genel.SetFontColor(Red);
            m_genel.PrintText(characterX(m_p) + 1, m_r * m_pitch, reportHeading(m_input.columns.at(i)));
            m_p += m_widths.at(i) + 1;
        }
        m_r = 3;
        m_p = 4;
        m_headLine = (m_r - 1) * m_pitch + 1;
    }

    void frame(int bottom)
    {
        m_genel.DrawLine(m_left, m_top, m_right, m_top);
        m_genel.DrawLine(m_left, m_headLine, m_right, m_headLine);
        m_genel.DrawLine(m_left, bottom, m_right, bottom);
        m_genel.DrawLine(m_left, m_top, m_left, bottom);
        m_genel.DrawLine(m_right, m_top, m_right, bottom);
        int p = 4;
        for (int i = 0; i < m_widths.size(); ++i) {
            if (i == 0)
                m_genel.DrawLine(m_left, m_top, m_left, bottom);
            else
                m_genel.DrawLine(characterX(p), m_top, characterX(p), bottom);
            p += m_widths.at(i) + 1;
        }
    }

    Tgenel& m_genel;
    const ReportInput& m_input;
    QList<int> m_widths;
    int m_pitch;
    int m_tableWidth;
    int m_pageHeight = 0;
    int m_r = 1;
    int m_p = 4;
    int m_top = 0;
    int m_headLine = 0;
    int m_left = 0;
    int m_right = 0;
    QString m_file;
};

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

QString printReport(Tgenel& genel, const ReportInput& input, ReportRows& rows)
{
    Run run(genel, input);
    try {
        run.print(rows);
    } catch (...) {
        genel.AbortDocument();
        genel.SetOrientationByWord(u"Düz"_qs);
        throw;
    }
    return run.file();
}

} // namespace corvella::print
