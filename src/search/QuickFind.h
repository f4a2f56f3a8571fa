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
};

/// The list window's statement for a quick find: the contacts in which every word of the typed text occurs in some
/// text column, letters compared as LIKE compares them on the contact file (Turkish, without regard to case) and on a
/// server (ILIKE under the Turkish collation), with the columns and order of the contact search. Empty when the text
/// holds no word, and through the index when no word has three characters (the index cannot narrow those).
QStringList buildQuickFindSql(const QString& typed, FindThrough through = FindThrough::Scan);

} // namespace corvella::search
