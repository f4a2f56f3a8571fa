#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

#include <array>

namespace corvella::search {

inline constexpr int CriterionRowCount = 10;

/// One criterion row as the search window holds it.
struct CriterionRow {
    bool ticked = false;
    bool shown = false;
    QString column; // without brackets
    QString type;   // "Dizi" (text), "Tarih" (date) or "Sayı" (number)
    QString kind;   // "Tek" (one value) or "Aralık" (a range)
    QString first;  // the value, or the lower bound
    QString second; // the upper bound
};

/// What the caller configured besides the rows.
struct SearchConfiguration {
    QString table;
    QString returnCode;
    /// Captions of the listed-column labels 01 to 10; the first may be "*" for all columns.
    std::array<QString, CriterionRowCount> listedColumns;
    int fieldCount = 0;
    QString orderColumn;
    int orderFlag = 0;
};

/// The order flag that asks for a sorted result.
inline constexpr int SortedOrderFlag = 128;

/// Writes a number typed in the user's locale as the statement needs it: 0 for an empty field, otherwise the
/// number in general format (15 significant digits, a decimal point). Raises "'%s' is not a valid floating point
/// value" for other text.
QString numberText(const QString& typed);

/// The condition text of one ticked row: one slot, or two for a date range.
QStringList conditionSlots(const CriterionRow& row);

/// Builds the SELECT line by line. Typed values go into the text as typed, except that an apostrophe is doubled
/// so that the value stays one SQL literal.
QStringList buildSearchSql(const SearchConfiguration& configuration,
                           const std::array<CriterionRow, CriterionRowCount>& rows);

/// A built search with every column of its table: the select list becomes " * ", while the table, the conditions
/// and the order stay, so the rows and their order are those the search listed.
QStringList withAllColumns(const QStringList& searchSql);

/// A built search ordered by one column instead of its own order: the " ORDER BY " line is replaced, or added
/// after the conditions. Text columns of the contact table are then ordered the Turkish way by the engine.
QStringList withOrder(const QStringList& searchSql, const QString& column, Qt::SortOrder order);

} // namespace corvella::search
