#include "StatementCollation.h"

#include "Columns.h"
#include "ContactSchema.h"
#include "TurkishCollation.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <initializer_list>

namespace corvella::store {

namespace {

enum class TokenKind { Word, QuotedName, Other };

struct Token {
    TokenKind kind;
    qsizetype end;    // one past the token's last character
    QStringView text; // a word, a quoted name without its quotes, or one punctuation character
};

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c.unicode() >= 0x80;
}

/// The statement's tokens as the engine reads them, without blanks, comments and string literals (which never hold
/// a column reference).
QList<Token> tokenize(QStringView sql)
{
    QList<Token> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    // The position after the quote that closes the one at i; a doubled quote stands for itself where allowed.
    auto closingQuote = [&](QChar close, bool doubled) {
        for (qsizetype k = i + 1; k < n; ++k) {
            if (sql[k] != close)
                continue;
            if (doubled && k + 1 < n && sql[k + 1] == close) {
                ++k;
                continue;
            }
            return k + 1;
        }
        return n;
    };
    while (i < n) {
        const QChar c = sql[i];
        const QChar following = i + 1 < n ? sql[i + 1] : QChar();
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && following == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            i = end < 0 ? n : end + 1;
        } else if (c == u'/' && following == u'*') {
            const qsizetype end = sql.indexOf(u"*/", i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c == u'\'') {
            i = closingQuote(c, true);
        } else if (c == u'"' || c == u'`' || c == u'[') {
            const qsizetype end = closingQuote(c == u'[' ? QChar(u']') : c, c != u'[');
            tokens.append({TokenKind::QuotedName, end, sql.sliced(i + 1, std::max<qsizetype>(0, end - i - 2))});
            i = end;
        } else if (c == u'?' || c == u':' || c == u'@' || c == u'$') {
            // A parameter, never a column.
            for (++i; i < n && isWordCharacter(sql[i]);)
                ++i;
            tokens.append({TokenKind::Other, i, {}});
        } else if (isWordCharacter(c)) {
            qsizetype end = i;
            while (end < n && isWordCharacter(sql[end]))
                ++end;
            tokens.append({c.isDigit() ? TokenKind::Other : TokenKind::Word, end, sql.sliced(i, end - i)});
            i = end;
        } else {
            tokens.append({TokenKind::Other, i + 1, sql.sliced(i, 1)});
            ++i;
        }
    }
    return tokens;
}

bool isOneOf(const Token& token, std::initializer_list<const char*> keywords)
{
    if (token.kind != TokenKind::Word)
        return false;
    return std::any_of(keywords.begin(), keywords.end(), [&](const char* keyword) {
        return token.text.compare(QLatin1StringView(keyword), Qt::CaseInsensitive) == 0;
    });
}

bool isName(const Token& token, const QString& name)
{
    return token.kind != TokenKind::Other && token.text.compare(name, Qt::CaseInsensitive) == 0;
}

bool isContactTextColumn(const Token& token)
{
    const auto& columns = contactColumns();
    return std::any_of(columns.begin(), columns.end(), [&](const ContactColumn& c) { return isName(token, c.name); });
}

bool isPunctuation(const Token& token, char16_t character)
{
    return token.kind == TokenKind::Other && token.text.size() == 1 && token.text.front() == character;
}

} // namespace

QString withTurkishComparisons(const QString& statement)
{
    if (!statement.contains(tables::Contacts, Qt::CaseInsensitive))
        return statement;
    const QList<Token> tokens = tokenize(statement);
    if (tokens.isEmpty() ||
        !isOneOf(tokens.front(), {"SELECT", "WITH", "VALUES", "INSERT", "REPLACE", "UPDATE", "DELETE"}))
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
        } else if (isOneOf(token, {"WHERE", "HAVING", "ORDER", "GROUP"})) {
            comparing.last() = true;
        } else if (isOneOf(token, {"SELECT", "FROM", "JOIN", "ON", "USING", "SET", "VALUES", "LIMIT", "OFFSET", "UNION",
                                   "INTERSECT", "EXCEPT", "INTO", "WINDOW", "RETURNING", "DO"})) {
            comparing.last() = false;
        } else if (comparing.last() && isContactTextColumn(token)) {
            const Token* next = k + 1 < tokens.size() ? &tokens.at(k + 1) : nullptr;
            // Not a table or alias before its column, not a function, not a reference with a collation of its own.
            if (!next || (!isPunctuation(*next, u'.') && !isPunctuation(*next, u'(') && !isOneOf(*next, {"COLLATE"})))
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
