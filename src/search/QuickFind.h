#pragma once

#include <QString>
#include <QStringList>

namespace corvella::search {

/// The words of a typed text: split at blanks, empty when it holds none.
QStringList findWords(const QString& typed);

/// A LIKE pattern, for use with ESCAPE '\', that matches any text containing the word: '%', '_' and '\' in the word
/// are taken literally, and apostrophes are doubled so that the pattern stays one SQL literal.
QString containsPattern(const QString& word);

/// Which contacts a quick find's statement reads.
enum class FindThrough {
    Scan,       ///< every contact
    Index,      ///< those the find index (FindIndex.h, attached) holds every word of three characters or more for
    IndexAlone, ///< the same, and only the shorter words checked by LIKE: the index folds as LIKE does and matches
                ///< the longer ones exactly, so the first rows of a common word need not wait for every LIKE
    ListOrder,  ///< every contact, walked in the list's order as the index keeps it and checked by LIKE, for the
                ///< first rows of words the trigrams cannot narrow: a common one fills them after a few hundred
};

/// The list window's statement for a quick find: the contacts in which every word of the typed text occurs in some
/// text column, letters compared as LIKE compares them on the contact file (Turkish, without regard to case) and on a
/// server (ILIKE under the Turkish collation), with the columns and order of the contact search. Empty when the text
/// holds no word, and through the trigrams (`Index`, `IndexAlone`) when no word has three characters.
QStringList buildQuickFindSql(const QString& typed, FindThrough through = FindThrough::Scan);

/// A quick find through the attached index: the statement of its first rows and that of all of them. Every typed text
/// with a word has both; all the rows of words the trigrams cannot narrow come from the scan.
struct IndexedFind {
    QStringList first, all;
};
IndexedFind buildIndexedQuickFindSql(const QString& typed);

} // namespace corvella::search
