#include "QuickFind.h"

#include "store/Columns.h"
#include "store/ContactSchema.h"
#include "store/FindIndex.h"
#include "store/TurkishCollation.h"
#include "store/TurkishLike.h"

namespace corvella::search {

namespace {

QString bracketed(const QString& column)
{
    return u'[' + column + u']';
}

/// One word's condition: it occurs in any text column.
QString wordCondition(const QString& word)
{
    const QString pattern = containsPattern(word);
    QStringList columns;
    for (const store::ContactColumn& column : store::contactColumns())
        columns << u'(' + bracketed(column.name) + u" like '"_qs + pattern + u"' escape '\\')"_qs;
    return u'(' + columns.join(u" or "_qs) + u')';
}

/// The record numbers the index holds every word of three characters or more for (the trigrams' least), each folded as
/// the index is; empty when no word is that long.
QString indexCondition(const QStringList& words)
{
    QStringList phrases;
    for (const QString& word : words) {
        if (word.toUcs4().size() < 3)
            continue;
        const QByteArray utf8 = word.toUtf8();
        const QString folded =
            QString::fromStdString(store::foldedTurkish(std::string_view(utf8.data(), size_t(utf8.size()))));
        phrases << u'"' + QString(folded).replace(u'"', u"\"\""_qs) + u'"';
    }
    if (phrases.isEmpty())
        return {};
    const QString query = phrases.join(u" AND "_qs).replace(u'\'', u"''"_qs);
    return u"([No] IN (SELECT rowid FROM "_qs + store::findindex::Schema + u".find WHERE find MATCH '"_qs + query +
           u"'))"_qs;
}

} // namespace

QStringList findWords(const QString& typed)
{
    return typed.simplified().split(u' ', Qt::SkipEmptyParts);
}

QString containsPattern(const QString& word)
{
    QString pattern;
    pattern.reserve(word.size() + 4);
    pattern += u'%';
    for (const QChar c : word) {
        if (c == u'\\' || c == u'%' || c == u'_')
            pattern += u'\\';
        pattern += c;
        if (c == u'\'')
            pattern += u'\'';
    }
    pattern += u'%';
    return pattern;
}

QStringList buildQuickFindSql(const QString& typed, FindThrough through)
{
    const QStringList words = findWords(typed);
    const bool throughIndex = through == FindThrough::Index || through == FindThrough::IndexAlone;
    const bool walked = through == FindThrough::ListOrder;
    const QString narrowed = throughIndex ? indexCondition(words) : QString();
    if (words.isEmpty() || (throughIndex && narrowed.isEmpty()))
        return {};
    namespace contact = store::contact;
    // The contact search's columns and order, so the list window shows and prints a find as it shows a search.
    const QString listed[] = {contact::Company,  contact::Sector, contact::SubSector, contact::FirstName,
                              contact::LastName, contact::City,   u"e-mail"_qs};
    QStringList lines{u" select "_qs, bracketed(contact::RecordNumber) + u", "_qs};
    for (const QString& column : listed)
        lines << u' ' + bracketed(column) + (column == listed[std::size(listed) - 1] ? u" "_qs : u" , "_qs);
    // The walk reads find_order's index in the list's order (ties by record number, as the scan meets them); CROSS
    // JOIN keeps it the outer loop, so each contact is read by its number.
    const QString collation = QString::fromLatin1(store::TurkishCollationName);
    const QString walk = u"(select contact_no, company from "_qs + store::findindex::Schema +
                         u".find_order order by company collate "_qs + collation + u", contact_no limit "_qs +
                         QString::number(WalkedContacts) + u") as walk"_qs;
    lines << u" from "_qs
          << (walked
                  ? QString(walk + u" CROSS JOIN "_qs + store::tables::Contacts + u" ON "_qs + store::tables::Contacts +
                            u'.' + bracketed(contact::RecordNumber) + u" = walk.contact_no"_qs)
                  : store::tables::Contacts)
          << u" where "_qs;
    QStringList conditions;
    if (throughIndex)
        conditions << narrowed;
    for (const QString& word : words)
        if (through != FindThrough::IndexAlone || word.toUcs4().size() < 3)
            conditions << wordCondition(word);
    for (qsizetype i = 0; i < conditions.size(); ++i)
        lines << u' ' + conditions.at(i) + (i + 1 < conditions.size() ? u" and "_qs : u" "_qs);
    lines << (walked ? u" ORDER BY walk.company COLLATE "_qs + collation + u", walk.contact_no "_qs
                     : QString(u" ORDER BY "_qs + bracketed(contact::Company) + u' '));
    return lines;
}

IndexedFind buildIndexedQuickFindSql(const QString& typed)
{
    IndexedFind find{buildQuickFindSql(typed, FindThrough::IndexAlone), buildQuickFindSql(typed, FindThrough::Index)};
    if (find.first.isEmpty())
        find = {buildQuickFindSql(typed, FindThrough::ListOrder), buildQuickFindSql(typed), WalkedContacts};
    return find;
}

} // namespace corvella::search
