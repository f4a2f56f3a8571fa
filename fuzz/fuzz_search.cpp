// The search statement from typed values in every slot of every criterion row. Whatever is typed, the statement must
// stay one SELECT: SQLite's own parser checks it, after the Turkish comparisons are put in, on an empty copy of the
// contact file's tables.
#include "FuzzInput.h"

#include "core/Error.h"
#include "search/QueryBuilder.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ContactSchema.h"
#include "store/StatementCollation.h"

#include <sqlite3.h>

using namespace corvella;

namespace {

sqlite3* schemaCopy()
{
    static sqlite3* db = [] {
        sqlite3* handle = nullptr;
        if (sqlite3_open(":memory:", &handle) != SQLITE_OK)
            fuzz::fail("no in-memory database");
        store::registerSqlExtensions(handle);
        for (const QString& statement : store::contactFileSchema())
            if (sqlite3_exec(handle, statement.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
                fuzz::fail("the schema does not build", statement);
        return handle;
    }();
    return db;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::ensureApplication();
    fuzz::FuzzInput input(data, size);
    QLocale::setDefault(fuzz::localeFor(input.byte()));
    const QList<store::ContactColumn>& columns = store::contactColumns();
    const auto column = [&] { return columns.at(input.byte() % columns.size()).name; };

    search::SearchConfiguration configuration;
    configuration.table = store::tables::Contacts;
    const quint8 shape = input.byte();
    configuration.returnCode = shape & 1 ? u"33"_qs : u"1"_qs;
    configuration.fieldCount = 1 + (shape >> 1) % search::CriterionRowCount;
    configuration.orderFlag = shape & 0x80 ? search::SortedOrderFlag : 0;
    configuration.orderColumn = column();
    for (int i = 0; i < configuration.fieldCount; ++i)
        configuration.listedColumns[size_t(i)] = column();
    if (shape & 0x40)
        configuration.listedColumns[0] = u"*"_qs;

    static const QString types[] = {u"Dizi"_qs, u"Tarih"_qs, u"Sayı"_qs};
    std::array<search::CriterionRow, search::CriterionRowCount> rows;
    for (search::CriterionRow& row : rows) {
        const quint8 flags = input.byte();
        row.ticked = flags & 1;
        row.shown = flags & 2;
        row.type = types[(flags >> 2) % 3];
        row.kind = flags & 0x10 ? u"Aralık"_qs : u"Tek"_qs;
        row.column = column();
        // A field cannot hold a NUL character, nor can an argument of the command line.
        row.first = input.text().remove(QChar(0));
        row.second = input.text().remove(QChar(0));
    }

    QStringList lines;
    try {
        lines = search::buildSearchSql(configuration, rows);
    } catch (const Error&) {
        return 0; // a typed number that is none
    }
    for (const QStringList& built : {lines, search::withAllColumns(lines)}) {
        const QString statement = store::withTurkishComparisons(built.join(u'\n'));
        const auto* text = reinterpret_cast<const char16_t*>(statement.utf16());
        sqlite3_stmt* prepared = nullptr;
        const void* tail = nullptr;
        const int result = sqlite3_prepare16_v2(schemaCopy(), text, int(statement.size() * 2), &prepared, &tail);
        const auto* rest = static_cast<const char16_t*>(tail);
        const bool oneSelect = result == SQLITE_OK && prepared && sqlite3_stmt_readonly(prepared) &&
                               sqlite3_column_count(prepared) > 0 && rest &&
                               QStringView(rest, text + statement.size() - rest).trimmed().isEmpty();
        const QString message = QString::fromUtf8(sqlite3_errmsg(schemaCopy()));
        sqlite3_finalize(prepared);
        if (!oneSelect)
            fuzz::fail("the search is not one SELECT", message + u"\n" + statement);
    }
    return 0;
}
