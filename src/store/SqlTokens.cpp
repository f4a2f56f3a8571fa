#include "SqlTokens.h"

#include <algorithm>

namespace corvella::store::sql {

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c.unicode() >= 0x80;
}

} // namespace

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
            continue;
        }
        if (c == u'-' && following == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (c == u'/' && following == u'*') {
            const qsizetype end = sql.indexOf(u"*/", i + 2);
            i = end < 0 ? n : end + 2;
            continue;
        }
        Token token{TokenKind::Other, i, i + 1, {}};
        if (c == u'\'') {
            token.kind = TokenKind::Literal;
            token.end = closingQuote(c, true);
            token.text = sql.sliced(i, token.end - i);
        } else if (c == u'"' || c == u'`' || c == u'[') {
            token.kind = c == u'[' ? TokenKind::Bracketed : TokenKind::Quoted;
            token.end = closingQuote(c == u'[' ? QChar(u']') : c, c != u'[');
            token.text = sql.sliced(i + 1, std::max<qsizetype>(0, token.end - i - 2));
        } else if (c == u'?' || c == u':' || c == u'@' || c == u'$') {
            token.kind = TokenKind::Parameter;
            while (token.end < n && isWordCharacter(sql[token.end]))
                ++token.end;
            token.text = sql.sliced(i, token.end - i);
        } else if (isWordCharacter(c)) {
            token.kind = c.isDigit() ? TokenKind::Number : TokenKind::Word;
            while (token.end < n && isWordCharacter(sql[token.end]))
                ++token.end;
            token.text = sql.sliced(i, token.end - i);
        } else {
            if (((c == u'<' || c == u'>' || c == u'!') && following == u'=') || (c == u'<' && following == u'>'))
                token.end = i + 2;
            token.text = sql.sliced(i, token.end - i);
        }
        tokens.append(token);
        i = token.end;
    }
    return tokens;
}

bool isName(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::Bracketed || token.kind == TokenKind::Quoted;
}

bool isKeyword(const Token& token, std::initializer_list<const char*> keywords)
{
    if (token.kind != TokenKind::Word)
        return false;
    return std::any_of(keywords.begin(), keywords.end(), [&](const char* keyword) {
        return token.text.compare(QLatin1StringView(keyword), Qt::CaseInsensitive) == 0;
    });
}

bool isPunctuation(const Token& token, char16_t character)
{
    return token.kind == TokenKind::Other && token.text.size() == 1 && token.text.front() == character;
}

} // namespace corvella::store::sql
