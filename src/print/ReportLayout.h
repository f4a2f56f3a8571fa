#pragma once

#include "store/FieldDef.h"

#include <QList>
#include <QLocale>
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

/// Draws the ruled list: title, headings, one ruled line per row, and on every page the frame with its column
/// separators; landscape when the table is 195 mm wide or more. On an error part-way the job is dropped and the
/// printer turned back to portrait before the error goes on. Returns the file the job was saved to, if any.
QString printReport(Tgenel& genel, const ReportInput& input, ReportRows& rows);

} // namespace corvella::print
