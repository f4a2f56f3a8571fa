#pragma once

#include <QString>
#include <QStringList>

namespace corvella::search {

/// The words of a typed text: split at blanks, empty when it holds none.
QStringList findWords(const QString& typed);

/// A LIKE pattern, for use with ESCAPE '\', that matches any text containing the word: '%', '_' and '\' in the word
/// are taken literally, and apostrophes are doubled so that the pattern stays one SQL literal.
QString containsPattern(const QString& word);

/// The list window's statement for a quick find: the contacts in which every word of the typed text occurs in some
/// text column, letters compared as LIKE compares them on the contact file (Turkish, without regard to case) and on a
/// server (ILIKE under the Turkish collation), with the columns and order of the contact search. Empty when the text
/// holds no word. Through the find index (FindIndex.h), attached to the connection, the contacts holding each word of
/// three characters or more are looked up in it first; the LIKE conditions still decide. Without such a word the
/// index cannot narrow the find, and the statement is empty.
QStringList buildQuickFindSql(const QString& typed, bool throughIndex = false);

} // namespace corvella::search
