#pragma once

#include <QList>
#include <QStringView>

#include <initializer_list>

// The words, names, literals and marks of a statement, as SQLite and PostgreSQL both read them; blanks and comments
// are left out. The rewriting of statements for the Turkish collation and for the server both work on these.
namespace corvella::store::sql {

enum class TokenKind {
    Word,      // a keyword or a bare name
    Bracketed, // [name]
    Quoted,    // "name" or `name`
    Literal,   // 'text', quotes included
    Number,
    Parameter, // ?, :name, @name, $name
    Other,     // one punctuation character, or one of <= >= != <>
};

struct Token {
    TokenKind kind;
    qsizetype start;  // the first character's position
    qsizetype end;    // one past the last character
    QStringView text; // a name without its quotes; otherwise the characters themselves
};

QList<Token> tokenize(QStringView sql);

/// Whether the token is a name: a bare word or a quoted one.
bool isName(const Token& token);
/// Whether the token is one of the keywords, in any letter case.
bool isKeyword(const Token& token, std::initializer_list<const char*> keywords);
bool isPunctuation(const Token& token, char16_t character);

} // namespace corvella::store::sql
