#pragma once

#include "FieldDef.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

// A query's result is copied, when the query opens, into a temporary table of its connection: its rows then have
// fixed numbers (rowid 1 to N in the statement's order) and their count is known at once.
namespace corvella::store::snapshot {

/// Runs the statement into a new snapshot, replacing an earlier one; returns the snapshot's SQL name.
QString create(const QSqlDatabase& db, const QString& statement);
void drop(const QSqlDatabase& db);

/// The statement that runs `statement` into a table "snapshot" of the attached database `schema`, where another
/// connection can read it.
QString createInStatement(const QString& statement, const QString& schema);

/// The fields of the snapshot in `schema`: typed as the columns they came from are declared, and named as the
/// statement spells them.
QList<FieldDef> fields(const QSqlDatabase& db, const QString& statement, const QString& schema = u"temp"_qs);
/// The number of rows of the snapshot (or of `table`, a snapshot the server made).
qint64 rowCount(const QSqlDatabase& db, const QString& table = {});

} // namespace corvella::store::snapshot
