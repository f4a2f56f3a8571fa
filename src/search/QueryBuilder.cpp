#include "QueryBuilder.h"

#include "core/Error.h"
#include "store/Columns.h"

#include <QLocale>

#include <QCoreApplication>
#include <cmath>

namespace corvella::search {

namespace {

QString literal(const QString& typed)
{
    QString text = typed;
    text.replace(u'\'', u"''"_qs);
    return text;
}

QString bracketed(const QString& column)
{
    return u'[' + column + u']';
}

} // namespace

QString numberText(const QString& typed)
{
    if (typed.isEmpty())
        return u"0"_qs;
    bool ok = false;
    const double value = QLocale().toDouble(typed.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw Error(QCoreApplication::translate("search", "'%1' is not a valid floating point value").arg(typed));
    // Typed in the user's locale, but written with the decimal point SQL reads: a decimal comma would split
    // the number in two.
    QLocale sql = QLocale::c();
    sql.setNumberOptions(QLocale::OmitGroupSeparator);
    return sql.toString(value, 'g', 15);
}

QStringList conditionSlots(const CriterionRow& row)
{
    const QString c = bracketed(row.column);
    const QString a = literal(row.first);
    const QString b = literal(row.second);
    if (row.kind == u"Tek"_qs) {
        if (row.type == u"Dizi"_qs)
            return {u"("_qs + c + u"='"_qs + a + u"')"_qs};
        if (row.type == u"Tarih"_qs)
            return {u"("_qs + c + u"=cdate('"_qs + a + u"'))"_qs};
        if (row.type == u"Sayı"_qs)
            return {u"("_qs + c + u'=' + numberText(row.first) + u')'};
    } else if (row.kind == u"Aralık"_qs) {
        if (row.type == u"Dizi"_qs)
            return {u"("_qs + c + u">='"_qs + a + u"') and ("_qs + c + u"<='"_qs + b + u"') "_qs};
        if (row.type == u"Tarih"_qs)
            return {u"("_qs + c + u">=cdate('"_qs + a + u"')) "_qs, u" ("_qs + c + u"<=cdate('"_qs + b + u"')) "_qs};
        if (row.type == u"Sayı"_qs) {
            const QString x = numberText(row.first);
            const QString y = numberText(row.second);
            return {u"("_qs + c + u">="_qs + x + u")  and ("_qs + c + u"<="_qs + y + u" ) "_qs};
        }
    }
    return {QString()}; // an unknown kind or type still takes its slot, empty
}

QStringList buildSearchSql(const SearchConfiguration& configuration,
                           const std::array<CriterionRow, CriterionRowCount>& rows)
{
    QStringList lines{u" select "_qs};
    if (configuration.listedColumns[0] == u"*"_qs) {
        lines << u" * "_qs;
    } else {
        if (configuration.returnCode != u"33"_qs && configuration.returnCode != u"42"_qs)
            lines << bracketed(store::contact::RecordNumber) + u", "_qs;
        const int count = std::min(configuration.fieldCount, CriterionRowCount);
        for (int i = 1; i <= count; ++i) {
            QString line = u' ' + bracketed(configuration.listedColumns[i - 1]) + u' ';
            if (i != count)
                line += u", "_qs;
            lines << line;
        }
    }
    lines << u" from "_qs << configuration.table;

    QStringList conditions;
    for (const CriterionRow& row : rows)
        if (row.ticked && row.shown)
            conditions << conditionSlots(row);

    // A where part only when some shown row takes part, so a ticked but hidden row cannot leave a bare " where ".
    if (!conditions.isEmpty()) {
        lines << u" where "_qs;
        for (qsizetype i = 0; i < conditions.size(); ++i) {
            QString line = u' ' + conditions.at(i) + u' ';
            if (i + 1 != conditions.size())
                line += u" and "_qs;
            lines << line;
        }
    }
    if (configuration.orderFlag == SortedOrderFlag)
        lines << u" ORDER BY "_qs + bracketed(configuration.orderColumn) + u' ';
    return lines;
}

QStringList withAllColumns(const QStringList& searchSql)
{
    // The select list is the lines between " select " and " from "; no other line of a built search is " from ".
    const qsizetype from = searchSql.indexOf(u" from "_qs);
    if (searchSql.value(0) != u" select "_qs || from < 0)
        throw Error(QCoreApplication::translate("search", "The list's statement does not have the shape of a search."));
    return QStringList{searchSql.first(), u" * "_qs} + searchSql.mid(from);
}

QStringList withOrder(const QStringList& searchSql, const QString& column, Qt::SortOrder order)
{
    QStringList lines = searchSql;
    const auto isOrder = [](const QString& line) { return line.startsWith(u" ORDER BY "_qs, Qt::CaseInsensitive); };
    lines.erase(std::remove_if(lines.begin(), lines.end(), isOrder), lines.end());
    lines << u" ORDER BY "_qs + bracketed(column) + (order == Qt::DescendingOrder ? u" DESC "_qs : u" "_qs);
    return lines;
}

} // namespace corvella::search
