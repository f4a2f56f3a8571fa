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
    ListOrder,  ///< the first `WalkedContacts` contacts in the list's order as the index keeps it, checked by LIKE:
                ///< the first rows of words the trigrams cannot narrow, when they are common
};

/// How many contacts a `ListOrder` find looks at: a word in one contact of 200 fills the first rows among them, in a
/// tenth of a second; a rarer word leaves them to the scan, which then comes that much later.
inline constexpr qint64 WalkedContacts = 20000;

/// The list window's statement for a quick find: the contacts in which every word of the typed text occurs in some
/// text column, letters compared as LIKE compares them on the contact file (Turkish, without regard to case) and on a
/// server (ILIKE under the Turkish collation), with the columns and order of the contact search. Empty when the text
/// holds no word, and through the trigrams (`Index`, `IndexAlone`) when no word has three characters.
QStringList buildQuickFindSql(const QString& typed, FindThrough through = FindThrough::Scan);

/// A quick find through the attached index: the statement of its first rows and that of all of them. Every typed text
/// with a word has both; all the rows of words the trigrams cannot narrow come from the scan.
struct IndexedFind {
    QStringList first, all;
    qint64 walked = 0; ///< the contacts the first statement looks at when it does not look at every one
};
IndexedFind buildIndexedQuickFindSql(const QString& typed);

} // namespace corvella::search
