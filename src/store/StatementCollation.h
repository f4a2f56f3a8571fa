#pragma once

#include <QString>

namespace corvella::store {

/// The statement as the engine should run it on a contact file: every reference to a text column of the contact
/// table in its WHERE, GROUP BY, HAVING and ORDER BY parts is followed by "COLLATE TR_NOCASE", so comparisons and
/// order are Turkish and case-insensitive whatever collation the file declares for its columns. Quoted names,
/// string literals and comments are read as the engine reads them; the select list is left alone, so result columns
/// keep their names. Statements that name no contact table, and statements other than queries and changes of rows,
/// come back unchanged.
QString withTurkishComparisons(const QString& statement);

} // namespace corvella::store
