#pragma once

#include "Printout.h"
#include "SettingsRange.h"
#include "store/FieldDef.h"

#include <QList>
#include <QLocale>
#include <QPoint>
#include <QString>
#include <QVariant>

namespace corvella::print {

class Tgenel;

/// A column of the printed list: the field's name, kind and declared text length.
struct ReportColumn {
    QString name;
    store::FieldKind kind = store::FieldKind::Text;
    int size = 0;
};

struct ReportFont {
    QString name;
    int size = 0;
};

/// Everything a report run reads before it starts.
struct ReportInput {
    int linePitchMm = 0;
    ReportFont titleFont;
    ReportFont listFont;
    QString title;
    QList<ReportColumn> columns;
};

/// The rows to print, walked once from the first; values come in column order.
class ReportRows {
public:
    virtual ~ReportRows() = default;
    virtual qint64 count() const = 0;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual QVariant value(int column) const = 0;
    /// Stands on row `row` (from 0); by default walks there from the first row.
    virtual void moveTo(qint64 row);
};

/// A column's width in character units of 1.3 mm, by its kind, capped at 25 ("Strateji" is always 30).
int reportColumnWidth(const ReportColumn& column);
/// The table width T in millimetres: Round(Σ (w + 1) × 1.3).
int reportTableWidthMm(const QList<ReportColumn>& columns);
/// The heading over a column: the field name's first w + 3 characters, "_" printed as a blank.
QString reportHeading(const ReportColumn& column);
/// A value as printed: numbers by the first row's or the later rows' pattern, everything else as the data layer
/// writes it.
QString reportValueText(const ReportColumn& column, const QVariant& value, bool firstRow,
                        const QLocale& locale = QLocale());

/// A straight line between two points, in mm.
struct ReportRule {
    QPoint fromMm;
    QPoint toMm;

    friend bool operator==(const ReportRule&, const ReportRule&) = default;
};

/// Where the report's columns lie across the page, in mm.
struct ReportTable {
    int widthMm = 0;          // T
    bool landscape = false;   // a table of 195 mm or more is printed across the long side
    int leftMm = 0;           // the frame's left edge
    int rightMm = 0;          // the frame's right edge, T + 10
    QList<int> textXMm;       // where each column's heading and values begin
    QList<int> separatorXMm;  // the rule on each column's left; the first column's is the frame's edge
    QList<bool> numberColumn; // values printed as numbers, which stand 1 mm lower after the first row
};

ReportTable reportTable(const QList<ReportColumn>& columns);

/// Where the title is printed, on the first page only.
inline constexpr QPoint ReportTitleMm{15, 2};

/// One printed row: the rule above it, across the table, and where each column's value begins.
struct ReportLine {
    qint64 row = 0; // in the list, from 0
    ReportRule rule;
    QList<QPoint> valuesMm;
};

/// One page of the report, in the order it is drawn.
struct ReportPage {
    QList<QPoint> headingsMm;
    QList<ReportLine> lines;
    /// Top, heading underline, bottom, left and right side, then the rule on each column's left.
    QList<ReportRule> frame;
    /// The page filled up: another page follows, even when no row is left for it.
    bool full = false;
};

/// The page that begins with row `firstRow` of a list of `rowCount` rows, on a page `pageHeightMm` high with lines
/// `linePitchMm` apart. A list without rows still prints one empty first row.
ReportPage reportPage(const ReportTable& table, int linePitchMm, int pageHeightMm, qint64 firstRow, qint64 rowCount);

/// The report as a printout: any page drawn on its own, from the rows that page shows. Pages break by the printable
/// height of the printer that draws them.
class ReportPrintout : public Printout {
public:
    ReportPrintout(ReportInput input, ReportRows& rows);

    QString jobName() const override;
    std::optional<Orientation> orientation() const override;
    qint64 pageCount(const Tgenel& printer) override;
    void drawPage(Tgenel& printer, qint64 page) override;

private:
    void layOut(int pageHeightMm);

    ReportInput m_input;
    ReportTable m_table;
    ReportRows& m_rows;
    qint64 m_rowCount;
    int m_pageHeightMm = -1;
    QList<qint64> m_firstRows; // of each page
    qint64 m_cursor = -1;      // the row `m_rows` stands on, -1 when not known
};

/// The line pitch and the two fonts stored in the settings row (title and columns left empty). A size out of its
/// range raises a message naming the field, before any job starts.
ReportInput reportSettingsFromSettings(const SettingsReader& settings);

/// Prints the ruled list page by page as `reportPage` lays it out. On an error part-way the job is dropped and the
/// printer turned back to portrait before the error goes on. Returns the file the job was saved to, if any.
QString printReport(Tgenel& printer, const ReportInput& input, ReportRows& rows, const PageProgress& progress = {});

} // namespace corvella::print
