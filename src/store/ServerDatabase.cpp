#include "ServerDatabase.h"

#include "Columns.h"
#include "Connection.h"
#include "ContactSchema.h"
#include "SqlTokens.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

#include <algorithm>

namespace corvella::store::server {

namespace {

const QString SnapshotTable = u"snapshot"_qs;
const QString HiddenRowid = u"rowid"_qs;
// Base tables behind the views that show each session its own mail list and each user their own print settings.
const QString MailListRows = u"maillist rows"_qs;
const QString SettingsRows = u"YAYAR rows"_qs;

PasswordPrompt& passwordPrompt()
{
    static PasswordPrompt prompt;
    return prompt;
}

QHash<QString, QString>& knownPasswords()
{
    static QHash<QString, QString> passwords;
    return passwords;
}

/// This run of the program, as the mail list tells sessions apart.
const QString& sessionId()
{
    static const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return id;
}

QString quoted(const QString& name)
{
    return quotedIdentifier(name);
}

/// Every column name the program knows, by lower-case spelling, in the spelling its table uses.
const QHash<QString, QString>& canonicalColumns()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> map;
        auto add = [&map](const QString& name) { map.insert(name.toLower(), name); };
        static const QRegularExpression bracketed(uR"(\[([^\]]+)\])"_qs);
        for (const QString& statement : contactFileSchema())
            for (auto it = bracketed.globalMatch(statement); it.hasNext();)
                add(it.next().captured(1));
        // The contact table's spelling; a statement on the mail list alone gets that table's own.
        add(contact::Email);
        return map;
    }();
    return names;
}

const QHash<QString, QString>& canonicalTables()
{
    static const QHash<QString, QString> names = {{tables::Contacts.toLower(), tables::Contacts},
                                                  {tables::Settings.toLower(), tables::Settings},
                                                  {tables::MailList.toLower(), tables::MailList}};
    return names;
}

using sql::Token;
using Kind = sql::TokenKind;

bool isKeyword(const Token& token, const char* keyword)
{
    return sql::isKeyword(token, {keyword});
}

bool isSymbol(const Token& token, char16_t symbol)
{
    return sql::isPunctuation(token, symbol);
}

QString literalText(QStringView literal)
{
    return literal.mid(1, literal.size() - 2).toString().replace(u"''"_qs, u"'"_qs);
}

} // namespace

std::optional<Address> parseAddress(const QString& text)
{
    if (!isAddress(text))
        return std::nullopt;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    Address address;
    address.user = url.userName();
    address.host = url.host();
    address.port = url.port(5432);
    address.database = url.path().mid(1);
    if (address.database.isEmpty() || address.database.contains(u'/'))
        return std::nullopt;
    return address;
}

bool isAddress(const QString& text)
{
    return text.trimmed().startsWith(u"postgresql://"_qs, Qt::CaseInsensitive) ||
           text.trimmed().startsWith(u"postgres://"_qs, Qt::CaseInsensitive);
}

void setPasswordPrompt(PasswordPrompt prompt)
{
    passwordPrompt() = std::move(prompt);
}

bool isServer(const QSqlDatabase& db)
{
    return db.driverName() == u"QPSQL"_qs;
}

void open(QSqlDatabase& db, const QString& addressText)
{
    const std::optional<Address> address = parseAddress(addressText);
    if (!address)
        throw DatabaseError(
            u"'%1' is not a database address of the form postgresql://user@host:port/dbname."_qs.arg(addressText));
    db.setHostName(address->host);
    db.setPort(address->port);
    db.setDatabaseName(address->database);
    if (!address->user.isEmpty())
        db.setUserName(address->user);
    // libpq itself reads ~/.pgpass and PGPASSWORD; a password typed earlier in this run is tried next.
    if (knownPasswords().contains(addressText))
        db.setPassword(knownPasswords().value(addressText));
    bool asked = false;
    while (!db.open()) {
        const QString message = engineMessage(db.lastError());
        const bool wantsPassword = message.contains(u"password"_qs, Qt::CaseInsensitive);
        if (!wantsPassword || asked || !passwordPrompt())
            throw DatabaseError(u"Cannot open the contact database '%1': %2"_qs.arg(addressText, message.trimmed()));
        const std::optional<QString> password = passwordPrompt()(addressText);
        if (!password)
            throw CancelledError(u"No password was given for '%1'."_qs.arg(addressText));
        asked = true;
        db.setPassword(*password);
    }
    if (asked)
        knownPasswords().insert(addressText, db.password());
    QSqlQuery session(db);
    session.prepare(u"SELECT set_config('corvella.session', ?, false)"_qs);
    session.addBindValue(sessionId());
    if (!session.exec() || !session.exec(u"SET client_min_messages = warning"_qs))
        throwError(session.lastError());
}

QString toServerStatement(const QString& statement)
{
    const QList<Token> tokens = sql::tokenize(statement);
    const auto& columns = canonicalColumns();
    const auto& tableNames = canonicalTables();

    auto names = [&tokens](const QString& table) {
        return std::any_of(tokens.begin(), tokens.end(), [&table](const Token& t) {
            return t.kind != Kind::Literal && t.text.compare(table, Qt::CaseInsensitive) == 0;
        });
    };
    const bool onlyMailList = names(tables::MailList) && !names(tables::Contacts);

    QString out;
    out.reserve(statement.size() + 32);
    qsizetype copied = 0;
    auto replace = [&](const Token& token, const QString& text) {
        out += QStringView(statement).sliced(copied, token.start - copied);
        out += text;
        copied = token.end;
    };
    int depth = 0;
    bool inSelectList = false;
    bool ordersContacts = false;
    bool ordersByNumber = false;
    bool topLevelOrder = false;
    bool namesContacts = false;
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        const Token& token = tokens.at(k);
        const Token* next = k + 1 < tokens.size() ? &tokens.at(k + 1) : nullptr;
        if (isSymbol(token, u'(')) {
            ++depth;
        } else if (isSymbol(token, u')')) {
            --depth;
        } else if (isKeyword(token, "select")) {
            inSelectList = depth == 0;
        } else if (isKeyword(token, "from")) {
            if (depth == 0)
                inSelectList = false;
        } else if (depth == 0 && isKeyword(token, "order")) {
            topLevelOrder = true;
        } else if (depth == 0 && (isKeyword(token, "limit") || isKeyword(token, "offset"))) {
            topLevelOrder = false;
        }

        if (token.kind == Kind::Word && token.text.compare(u"cdate"_qs, Qt::CaseInsensitive) == 0 && next &&
            isSymbol(*next, u'(') && k + 3 < tokens.size() && tokens.at(k + 2).kind == Kind::Literal &&
            isSymbol(tokens.at(k + 3), u')')) {
            const QString iso = cdate(literalText(tokens.at(k + 2).text));
            replace(token, QString());
            copied = tokens.at(k + 3).end;
            out += iso.isNull() ? u"NULL"_qs : u'\'' + iso + u'\'';
            k += 3;
            continue;
        }
        // Names in double quotes are the server's already (the data layer's own statements), so a statement
        // passes here twice unchanged.
        if (token.kind == Kind::Quoted) {
            namesContacts = namesContacts || token.text == tables::Contacts;
            if (topLevelOrder)
                (token.text == contact::RecordNumber ? ordersByNumber : ordersContacts) = true;
            continue;
        }
        const bool nameLike =
            token.kind == Kind::Bracketed || (token.kind == Kind::Word && !(next && isSymbol(*next, u'(')));
        if (!nameLike)
            continue;
        const QString lower = token.text.toString().toLower();
        if (auto table = tableNames.constFind(lower); table != tableNames.constEnd()) {
            replace(token, quoted(*table));
            namesContacts = namesContacts || *table == tables::Contacts;
            continue;
        }
        auto column = columns.constFind(lower);
        if (column == columns.constEnd())
            continue;
        const QString& name = onlyMailList && lower == maillist::Address ? maillist::Address : *column;
        QString text = quoted(name);
        const bool endsSelectItem = !next || isSymbol(*next, u',') || isKeyword(*next, "from");
        if (inSelectList && endsSelectItem && token.text != name)
            text += u" AS "_qs + quoted(token.text.toString());
        if (next && isKeyword(*next, "like")) {
            // LIKE refuses the nondeterministic collation; ILIKE under the Turkish one ignores case the same way.
            text += u" COLLATE tr_icu"_qs;
            replace(token, text);
            replace(*next, u"ILIKE"_qs);
            ++k;
            continue;
        }
        if (topLevelOrder)
            (name == contact::RecordNumber ? ordersByNumber : ordersContacts) = true;
        replace(token, text);
    }
    out += QStringView(statement).sliced(copied);
    if (namesContacts && ordersContacts && !ordersByNumber && topLevelOrder) {
        // Equal names come in record order, as in the file.
        qsizetype end = out.size();
        while (end > 0 && (out[end - 1].isSpace() || out[end - 1] == u';'))
            --end;
        out.insert(end, u", "_qs + quoted(contact::RecordNumber));
    }
    return out;
}

QString rowidColumn(const QString& table)
{
    return table.compare(tables::Contacts, Qt::CaseInsensitive) == 0 ? quoted(contact::RecordNumber)
                                                                     : quoted(HiddenRowid);
}

namespace {

/// A type as the server prints it, in the file's terms.
QString fileType(const QString& serverType)
{
    QString type = serverType;
    type.replace(u"character varying"_qs, u"VARCHAR"_qs);
    if (type == u"double precision"_qs)
        return u"DOUBLE"_qs;
    return type.toUpper();
}

QList<Column> relationColumns(const QSqlDatabase& db, const QString& relation)
{
    QSqlQuery info = runQuery(db,
                              u"SELECT a.attname, format_type(a.atttypid, a.atttypmod), "
                              "coalesce(i.indisprimary, false) FROM pg_attribute a "
                              "LEFT JOIN pg_index i ON i.indrelid = a.attrelid AND i.indisprimary "
                              "AND a.attnum = ANY(i.indkey) WHERE a.attrelid = to_regclass(?) AND a.attnum > 0 "
                              "AND NOT a.attisdropped ORDER BY a.attnum"_qs,
                              {relation});
    QList<Column> columns;
    while (info.next()) {
        const QString name = info.value(0).toString();
        if (name == HiddenRowid)
            continue;
        columns.append({name, fileType(info.value(1).toString()), info.value(2).toBool()});
    }
    return columns;
}

} // namespace

QList<Column> tableColumns(const QSqlDatabase& db, const QString& table, QString* exactName)
{
    QSqlQuery found = runQuery(db,
                               u"SELECT relname FROM pg_class WHERE relnamespace = 'public'::regnamespace "
                               "AND relkind IN ('r', 'v') AND lower(relname) = lower(?) ORDER BY relname = ? DESC "
                               "LIMIT 1"_qs,
                               {table, table});
    if (!found.next())
        return {};
    const QString name = found.value(0).toString();
    if (exactName)
        *exactName = name;
    QList<Column> columns = relationColumns(db, u"public."_qs + quoted(name));
    // The contact table's record number is its key; views show keys of the tables behind them as plain columns.
    for (Column& column : columns)
        column.key = column.key || (name == tables::Contacts && column.name == contact::RecordNumber);
    return columns;
}

bool hasContactTable(const QSqlDatabase& db)
{
    return !tableColumns(db, tables::Contacts).isEmpty();
}

void createContactTables(const QSqlDatabase& db)
{
    static const QRegularExpression createTable(u"^CREATE TABLE (\\S+) \\((.*)\\)$"_qs);
    static const QRegularExpression bracketed(uR"(\[([^\]]+)\])"_qs);
    execOrThrow(db, u"BEGIN"_qs);
    OnFailure rollback([&db] { QSqlQuery(db).exec(u"ROLLBACK"_qs); });
    // Two programs creating the tables at once: the second waits here, then finds them made.
    execOrThrow(db, u"SELECT pg_advisory_xact_lock(19)"_qs);
    execOrThrow(db, u"CREATE COLLATION IF NOT EXISTS tr_nocase "
                    "(provider = icu, locale = 'tr-u-ks-level2', deterministic = false)"_qs);
    execOrThrow(db, u"CREATE COLLATION IF NOT EXISTS tr_icu (provider = icu, locale = 'tr')"_qs);
    bool settingsCreated = false;
    for (const QString& statement : contactFileSchema()) {
        const auto match = createTable.match(statement);
        const QString table = match.captured(1);
        if (!tableColumns(db, table).isEmpty())
            continue;
        QString columns = match.captured(2);
        columns.replace(bracketed, u"\"\\1\""_qs);
        columns.replace(u" COLLATE NOCASE"_qs, u" COLLATE tr_nocase"_qs);
        columns.replace(u" DOUBLE"_qs, u" double precision"_qs);
        const QString rowid = quoted(HiddenRowid) + u" bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY, "_qs;
        if (table == tables::Contacts) {
            execOrThrow(db, u"CREATE TABLE "_qs + quoted(table) + u" ("_qs + columns + u')');
        } else if (table == tables::MailList) {
            execOrThrow(db, u"CREATE TABLE "_qs + quoted(MailListRows) + u" ("_qs + rowid +
                                u"session text NOT NULL DEFAULT current_setting('corvella.session'), "_qs + columns +
                                u')');
            execOrThrow(db, u"CREATE INDEX ON "_qs + quoted(MailListRows) + u" (session, rowid)"_qs);
            execOrThrow(db, u"CREATE VIEW "_qs + quoted(table) + u" AS SELECT rowid, "_qs + quoted(maillist::Address) +
                                u" FROM "_qs + quoted(MailListRows) +
                                u" WHERE session = current_setting('corvella.session', true)"_qs);
        } else {
            execOrThrow(db, u"CREATE TABLE "_qs + quoted(SettingsRows) + u" ("_qs + rowid + columns + u')');
            execOrThrow(db, u"CREATE UNIQUE INDEX ON "_qs + quoted(SettingsRows) + u" ("_qs +
                                quoted(settings::UserName) + u')');
            execOrThrow(db, u"CREATE VIEW "_qs + quoted(table) + u" AS SELECT * FROM "_qs + quoted(SettingsRows) +
                                u" WHERE "_qs + quoted(settings::UserName) + u" = session_user"_qs);
            settingsCreated = true;
        }
    }
    if (settingsCreated) {
        // The shared default row: no user name. Each user's own row is copied from it on first use.
        QStringList names, marks;
        QVariantList values;
        for (const auto& [name, value] : defaultPrintSettings()) {
            names << quoted(name);
            marks << u"?"_qs;
            values << value;
        }
        runQuery(db,
                 u"INSERT INTO "_qs + quoted(SettingsRows) + u" ("_qs + names.join(u", "_qs) + u") VALUES ("_qs +
                     marks.join(u", "_qs) + u')',
                 values);
    }
    execOrThrow(db, u"COMMIT"_qs);
}

void ensureOwnSettings(const QSqlDatabase& db)
{
    QStringList names, values;
    for (const Column& column : relationColumns(db, u"public."_qs + quoted(SettingsRows))) {
        names << quoted(column.name);
        values << (column.name == settings::UserName ? u"session_user"_qs : quoted(column.name));
    }
    if (names.isEmpty())
        return;
    runQuery(db, u"INSERT INTO "_qs + quoted(SettingsRows) + u" ("_qs + names.join(u", "_qs) + u") SELECT "_qs +
                     values.join(u", "_qs) + u" FROM "_qs + quoted(SettingsRows) + u" WHERE "_qs +
                     quoted(settings::UserName) + u" IS NULL ORDER BY rowid LIMIT 1 ON CONFLICT DO NOTHING"_qs);
}

QString createSnapshot(const QSqlDatabase& db, const QString& statement, qint64* rowCount)
{
    dropSnapshot(db);
    // A window without an order numbers the rows as the subquery hands them over, in its ORDER BY.
    const QSqlQuery made = runQuery(db, u"CREATE TEMP TABLE "_qs + SnapshotTable +
                                            u" AS SELECT row_number() OVER () AS rowid, q.* FROM ("_qs +
                                            toServerStatement(statement) + u") q"_qs);
    // The server says how many rows it stored, which saves reading them all again to count them.
    if (rowCount)
        *rowCount = std::max(0, made.numRowsAffected());
    return u"pg_temp."_qs + SnapshotTable;
}

void dropSnapshot(const QSqlDatabase& db)
{
    if (db.isOpen())
        QSqlQuery(db).exec(u"DROP TABLE IF EXISTS pg_temp."_qs + SnapshotTable);
}

QList<Column> snapshotColumns(const QSqlDatabase& db)
{
    QList<Column> columns = relationColumns(db, u"pg_temp."_qs + SnapshotTable);
    for (Column& column : columns)
        column.key = column.name.compare(contact::RecordNumber, Qt::CaseInsensitive) == 0 &&
                     column.declaredType == u"INTEGER"_qs;
    return columns;
}

void throwError(const QSqlError& error)
{
    const QString message = engineMessage(error).trimmed();
    if (error.nativeErrorCode() == u"23505"_qs)
        throw KeyClashError(message);
    throw DatabaseError(message);
}

} // namespace corvella::store::server
