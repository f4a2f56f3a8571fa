#include "StatementCollation.h"

#include "Columns.h"
#include "ContactSchema.h"
#include "SqlTokens.h"
#include "TurkishCollation.h"

#include <algorithm>

namespace corvella::store {

namespace {

using sql::isKeyword;
using sql::isPunctuation;
using sql::Token;

bool isName(const Token& token, const QString& name)
{
    return sql::isName(token) && token.text.compare(name, Qt::CaseInsensitive) == 0;
}

bool isContactTextColumn(const Token& token)
{
    const auto& columns = contactColumns();
    return std::any_of(columns.begin(), columns.end(), [&](const ContactColumn& c) { return isName(token, c.name); });
}

} // namespace

QString withTurkishComparisons(const QString& statement)
{
    if (!statement.contains(tables::Contacts, Qt::CaseInsensitive))
        return statement;
    const QList<Token> tokens = sql::tokenize(statement);
    if (tokens.isEmpty() ||
        !isKeyword(tokens.front(), {"SELECT", "WITH", "VALUES", "INSERT", "REPLACE", "UPDATE", "DELETE"}))
        return statement;
    if (std::none_of(tokens.begin(), tokens.end(), [](const Token& t) { return isName(t, tables::Contacts); }))
        return statement;

    // Whether references are being compared, for each open parenthesis: a subquery starts its own clauses, while an
    // expression in brackets belongs to the clause around it.
    QList<bool> comparing{false};
    QList<qsizetype> marks;
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        const Token& token = tokens.at(k);
        if (isPunctuation(token, u'(')) {
            comparing.append(comparing.last());
        } else if (isPunctuation(token, u')')) {
            if (comparing.size() > 1)
                comparing.removeLast();
        } else if (isKeyword(token, {"WHERE", "HAVING", "ORDER", "GROUP"})) {
            comparing.last() = true;
        } else if (isKeyword(token, {"SELECT", "FROM", "JOIN", "ON", "USING", "SET", "VALUES", "LIMIT", "OFFSET",
                                     "UNION", "INTERSECT", "EXCEPT", "INTO", "WINDOW", "RETURNING", "DO"})) {
            comparing.last() = false;
        } else if (comparing.last() && isContactTextColumn(token)) {
            const Token* next = k + 1 < tokens.size() ? &tokens.at(k + 1) : nullptr;
            // Not a table or alias before its column, not a function, not a reference with a collation of its own.
            if (!next || (!isPunctuation(*next, u'.') && !isPunctuation(*next, u'(') && !isKeyword(*next, {"COLLATE"})))
                marks.append(token.end);
        }
    }
    if (marks.isEmpty())
        return statement;

    const QString collate = u" COLLATE "_qs + QLatin1StringView(TurkishCollationName);
    QString rewritten;
    rewritten.reserve(statement.size() + marks.size() * collate.size());
    qsizetype from = 0;
    for (const qsizetype mark : std::as_const(marks)) {
        rewritten += QStringView(statement).sliced(from, mark - from);
        rewritten += collate;
        from = mark;
    }
    rewritten += QStringView(statement).sliced(from);
    return rewritten;
}

} // namespace corvella::store
