#include "ContactWriter.h"

#include "Columns.h"
#include "Connection.h"
#include "ContactSchema.h"
#include "ServerDatabase.h"
#include "StatementCollation.h"
#include "core/Error.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>
#include <QVariant>

#include <QCoreApplication>
#include <sqlite3.h>

namespace corvella::store {

namespace {

QByteArray bracketed(const QString& name)
{
    return '[' + name.toUtf8() + ']';
}

QString textOf(sqlite3_stmt* statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return {};
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    const QString value = QString::fromUtf16(text, sqlite3_column_bytes16(statement, column) / 2);
    return value.isNull() ? u""_qs : value;
}

} // namespace

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QCoreApplication::translate("store", "The contact file is not open through SQLite."));
    return *static_cast<sqlite3* const*>(handle.constData());
}

ContactWriter::ContactWriter(const QSqlDatabase& db)
    : m_db(sqliteHandle(db))
{
    const QByteArray table = tables::Contacts.toUtf8();
    QByteArray columns = bracketed(contact::RecordNumber);
    QByteArray marks = "?";
    for (const ContactColumn& column : contactColumns()) {
        columns += ", " + bracketed(column.name);
        marks += ", ?";
    }
    m_insert = prepare("INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ')');
    m_read = prepare("SELECT " + columns + " FROM " + table + " WHERE " + bracketed(contact::RecordNumber) + " = ?");
}

ContactWriter::~ContactWriter()
{
    sqlite3_finalize(m_insert);
    sqlite3_finalize(m_read);
    sqlite3_finalize(m_update);
}

qint64 ContactWriter::nextRecordNumber()
{
    sqlite3_stmt* statement =
        prepare("SELECT max(" + bracketed(contact::RecordNumber) + ") FROM " + tables::Contacts.toUtf8());
    const int result = sqlite3_step(statement);
    const bool empty = result != SQLITE_ROW || sqlite3_column_type(statement, 0) == SQLITE_NULL;
    const qint64 next = empty ? 11 : sqlite3_column_int64(statement, 0) + 1;
    sqlite3_finalize(statement);
    if (result != SQLITE_ROW)
        fail();
    return next;
}

void ContactWriter::insert(qint64 number, const QStringList& values)
{
    sqlite3_bind_int64(m_insert, 1, number);
    for (qsizetype i = 0; i < contactColumns().size(); ++i)
        bindText(m_insert, int(i) + 2, i < values.size() ? values.at(i) : QString());
    step(m_insert);
}

void ContactWriter::update(qint64 number, const QStringList& values)
{
    const auto& columns = contactColumns();
    if (!m_update) {
        // A NULL parameter keeps the column's value, so one statement serves every set of values.
        QByteArray assignments;
        for (qsizetype i = 0; i < columns.size(); ++i)
            assignments += (i ? ", " : "") + bracketed(columns.at(i).name) + " = coalesce(?, " +
                           bracketed(columns.at(i).name) + ')';
        m_update = prepare("UPDATE " + tables::Contacts.toUtf8() + " SET " + assignments + " WHERE " +
                           bracketed(contact::RecordNumber) + " = ?");
    }
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString value = values.value(i);
        bindText(m_update, int(i) + 1, value.isEmpty() ? QString() : value);
    }
    sqlite3_bind_int64(m_update, int(columns.size()) + 1, number);
    step(m_update);
}

bool ContactWriter::read(qint64 number, QStringList& values)
{
    sqlite3_bind_int64(m_read, 1, number);
    const int result = sqlite3_step(m_read);
    values.clear();
    if (result == SQLITE_ROW)
        for (int i = 1; i < sqlite3_column_count(m_read); ++i)
            values.append(textOf(m_read, i));
    sqlite3_reset(m_read);
    if (result != SQLITE_ROW && result != SQLITE_DONE)
        fail();
    return result == SQLITE_ROW;
}

sqlite3_stmt* ContactWriter::prepare(const QByteArray& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        fail();
    return statement;
}

void ContactWriter::bindText(sqlite3_stmt* statement, int index, const QString& value)
{
    if (value.isNull()) {
        if (sqlite3_bind_null(statement, index) != SQLITE_OK)
            fail();
        return;
    }
    // The file stores UTF-8: converting here is faster than the engine's own conversion of UTF-16, and the
    // buffer outlives the statement's run, so the engine need not copy it.
    if (m_texts.size() < index)
        m_texts.resize(index);
    QByteArray& text = m_texts[index - 1];
    text.resize(m_encoder.requiredSpace(value.size()));
    text.truncate(m_encoder.appendToBuffer(text.data(), value) - text.data());
    if (sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_STATIC) != SQLITE_OK)
        fail();
}

void ContactWriter::step(sqlite3_stmt* statement)
{
    const int result = sqlite3_step(statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (result != SQLITE_DONE)
        fail();
}

void ContactWriter::fail()
{
    throwEngineError(QString::fromUtf8(sqlite3_db_filename(m_db, "main")), sqlite3_extended_errcode(m_db),
                     QString::fromUtf8(sqlite3_errmsg(m_db)));
}

RowReader::RowReader(const QSqlDatabase& db, const QString& sql)
{
    if (server::isServer(db)) {
        m_query = std::make_unique<QSqlQuery>(runQuery(db, sql));
        return;
    }
    m_db = sqliteHandle(db);
    const QByteArray text = withTurkishComparisons(sql).toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    if (!m_statement)
        throw DatabaseError(QCoreApplication::translate("store", "The statement is empty."));
}

RowReader::~RowReader()
{
    sqlite3_finalize(m_statement);
}

QStringList RowReader::columnNames() const
{
    QStringList names;
    if (m_query) {
        const QSqlRecord record = m_query->record();
        for (int i = 0; i < record.count(); ++i)
            names.append(record.fieldName(i));
        return names;
    }
    for (int i = 0; i < sqlite3_column_count(m_statement); ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(m_statement, i)));
    return names;
}

bool RowReader::step()
{
    if (m_query)
        return m_query->next();
    const int result = sqlite3_step(m_statement);
    if (result != SQLITE_ROW && result != SQLITE_DONE)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)));
    return result == SQLITE_ROW;
}

bool RowReader::next(QStringList& values)
{
    if (!step())
        return false;
    if (m_query) {
        const int count = m_query->record().count();
        values.resize(count);
        for (int i = 0; i < count; ++i) {
            const QVariant value = m_query->value(i);
            values[i] = value.isNull() ? QString() : value.toString();
            if (!value.isNull() && values[i].isNull())
                values[i] = u""_qs;
        }
        return true;
    }
    const int count = sqlite3_column_count(m_statement);
    values.resize(count);
    for (int i = 0; i < count; ++i)
        values[i] = textOf(m_statement, i);
    return true;
}

bool RowReader::next(QList<QByteArrayView>& values)
{
    if (m_query) {
        QStringList texts;
        if (!next(texts))
            return false;
        m_texts.resize(texts.size());
        values.resize(texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            m_texts[i] = texts.at(i).toUtf8();
            // An empty value is no NULL: its view points somewhere.
            values[i] = texts.at(i).isNull()
                            ? QByteArrayView()
                            : QByteArrayView(m_texts[i].isNull() ? "" : m_texts[i].constData(), m_texts[i].size());
        }
        return true;
    }
    if (!step())
        return false;
    const int count = sqlite3_column_count(m_statement);
    values.resize(count);
    for (int i = 0; i < count; ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, i));
        values[i] = text ? QByteArrayView(text, sqlite3_column_bytes(m_statement, i)) : QByteArrayView();
    }
    return true;
}

} // namespace corvella::store
