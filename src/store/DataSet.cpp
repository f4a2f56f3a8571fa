#include "DataSet.h"

#include "Connection.h"
#include "core/Error.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace corvella::store {

namespace {

constexpr int BlockSize = 64;
constexpr int PageSize = 256;
constexpr int MaxCachedPages = 64;

QString quoted(const QString& identifier)
{
    QString text = identifier;
    text.replace(u'"', u"\"\""_qs);
    return u'"' + text + u'"';
}

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(engineMessage(query.lastError()));
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw DatabaseError(engineMessage(query.lastError()));
    return query;
}

} // namespace

// ---- Field

const FieldDef& Field::def() const
{
    return m_dataSet->fieldDef(m_index);
}

QVariant Field::value() const
{
    return m_dataSet->value(m_index);
}

bool Field::isNull() const
{
    return value().isNull();
}

QString Field::asString() const
{
    return displayText(kind(), value());
}

qint64 Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
        return v.toLongLong();
    bool ok = false;
    const double d = v.typeId() == QMetaType::Double ? v.toDouble(&ok) : QLocale().toDouble(v.toString(), &ok);
    if (!ok) {
        const double c = v.toString().toDouble(&ok);
        if (!ok)
            throw DatabaseError(u"'%1' is not a valid integer value"_qs.arg(v.toString()));
        return roundHalfEven(c);
    }
    return roundHalfEven(d);
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull())
        return 0;
    bool ok = false;
    double d = v.toDouble(&ok);
    if (!ok)
        d = QLocale().toDouble(v.toString(), &ok);
    if (!ok)
        throw DatabaseError(u"'%1' is not a valid floating point value"_qs.arg(v.toString()));
    return d;
}

void Field::setValue(const QVariant& value)
{
    m_dataSet->setValue(m_index, value);
}

void Field::setAsString(const QString& text)
{
    switch (kind()) {
    case FieldKind::Float:
    case FieldKind::Currency: {
        if (text.trimmed().isEmpty()) {
            setValue(QVariant());
            return;
        }
        bool ok = false;
        const double d = QLocale().toDouble(text.trimmed(), &ok);
        if (!ok || !std::isfinite(d))
            throw DatabaseError(u"'%1' is not a valid floating point value for field '%2'"_qs.arg(text, name()));
        setValue(d);
        return;
    }
    case FieldKind::SmallInt:
    case FieldKind::Integer:
    case FieldKind::Byte:
    case FieldKind::AutoNumber: {
        if (text.trimmed().isEmpty()) {
            setValue(QVariant());
            return;
        }
        bool ok = false;
        const qint64 n = QLocale().toLongLong(text.trimmed(), &ok);
        if (!ok)
            throw DatabaseError(u"'%1' is not a valid integer value"_qs.arg(text));
        setValue(n);
        return;
    }
    default:
        setValue(text);
    }
}

// ---- DataSet

DataSet::DataSet(QObject* parent)
    : QObject(parent)
{}

DataSet::~DataSet() = default; // closing the connection drops any snapshot with it

void DataSet::setConnectionString(const QString& connectionString)
{
    m_connectionString = connectionString;
}

QSqlDatabase DataSet::database() const
{
    return m_connection ? m_connection->database() : QSqlDatabase();
}

void DataSet::open()
{
    if (isActive())
        return;
    m_connection = std::make_unique<Connection>(m_connectionString);
    QList<Row> firstRows;
    try {
        m_source = openSource(database());
        firstRows = fetch(Direction::Forward, std::nullopt);
    } catch (...) {
        m_connection.reset();
        m_fields.clear();
        throw;
    }
    m_state = DataSetState::Browse;
    m_modified = false;
    showBlock(std::move(firstRows), 0);
    m_bof = true;
    emit activeChanged(true);
    emit stateChanged();
    emitRecordChanged();
}

void DataSet::close()
{
    if (!isActive())
        return;
    if (isEditing())
        cancel();
    closeSource(database());
    m_connection.reset();
    m_state = DataSetState::Inactive;
    m_block.clear();
    m_blockPos = -1;
    m_current = Row();
    m_original = Row();
    m_count.reset();
    resetNeighbours();
    m_bof = m_eof = true;
    m_modified = false;
    emit activeChanged(false);
    emit stateChanged();
    emitRecordChanged();
}

void DataSet::setFields(QList<FieldDef> fields, int rowidAliasIndex)
{
    m_fields = std::move(fields);
    m_visible = QList<bool>(m_fields.size(), true);
    m_rowidAlias = rowidAliasIndex;
    m_count.reset();
}

void DataSet::setFieldVisible(int index, bool visible)
{
    if (index >= 0 && index < m_visible.size() && m_visible[index] != visible) {
        m_visible[index] = visible;
        emit fieldVisibilityChanged();
    }
}

QString DataSet::columnList() const
{
    QString list = u"rowid"_qs;
    for (const FieldDef& def : m_fields)
        list += u", "_qs + quoted(def.name);
    return list;
}

QList<DataSet::Row> DataSet::fetch(Direction direction, std::optional<qint64> after) const
{
    QString sql = u"SELECT "_qs + columnList() + u" FROM "_qs + m_source;
    QVariantList values;
    if (after) {
        sql += direction == Direction::Forward ? u" WHERE rowid > ?"_qs : u" WHERE rowid < ?"_qs;
        values << *after;
    }
    sql += direction == Direction::Forward ? u" ORDER BY rowid LIMIT "_qs : u" ORDER BY rowid DESC LIMIT "_qs;
    sql += QString::number(BlockSize);
    QSqlQuery query = run(database(), sql, values);
    QList<Row> rows;
    const int columns = int(m_fields.size());
    while (query.next()) {
        Row row;
        row.rowid = query.value(0).toLongLong();
        row.values.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.values.append(query.value(i + 1));
        rows.append(std::move(row));
    }
    if (direction == Direction::Backward)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<DataSet::Row> DataSet::readRows(qint64 fromRowid, int limit) const
{
    QSqlQuery query = run(database(),
                          u"SELECT "_qs + columnList() + u" FROM "_qs + m_source +
                              u" WHERE rowid >= ? ORDER BY rowid LIMIT "_qs + QString::number(limit),
                          {fromRowid});
    QList<Row> rows;
    while (query.next()) {
        Row row;
        row.rowid = query.value(0).toLongLong();
        for (int i = 0; i < m_fields.size(); ++i)
            row.values.append(query.value(i + 1));
        rows.append(std::move(row));
    }
    return rows;
}

DataSet::Row DataSet::emptyRow() const
{
    Row row;
    row.values = QList<QVariant>(m_fields.size());
    return row;
}

void DataSet::showBlock(QList<Row> rows, int position)
{
    resetNeighbours();
    if (rows.isEmpty()) {
        showEmpty();
        return;
    }
    m_block = std::move(rows);
    m_blockPos = position;
    m_current = m_block.at(m_blockPos);
    m_bof = m_eof = false;
}

void DataSet::showEmpty()
{
    m_block.clear();
    m_blockPos = -1;
    m_current = emptyRow();
    m_bof = m_eof = true;
}

void DataSet::resetNeighbours() const
{
    m_hasPrior.reset();
    m_hasNext.reset();
}

void DataSet::requireActive() const
{
    if (!isActive())
        throw DatabaseError(u"Cannot perform this operation on a closed dataset"_qs);
}

void DataSet::requireModifiable() const
{
    requireActive();
    if (!canModify())
        throw DatabaseError(u"Cannot modify a read-only dataset"_qs);
}

void DataSet::setState(DataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void DataSet::emitRecordChanged()
{
    if (m_disableCount > 0) {
        m_pendingRecordChanged = true;
        return;
    }
    emit recordChanged();
}

void DataSet::first()
{
    requireActive();
    checkBrowseMode();
    showBlock(fetch(Direction::Forward, std::nullopt), 0);
    m_bof = true;
    emitRecordChanged();
}

void DataSet::last()
{
    requireActive();
    checkBrowseMode();
    QList<Row> rows = fetch(Direction::Backward, std::nullopt);
    const int position = int(rows.size()) - 1;
    showBlock(std::move(rows), position);
    m_eof = true;
    emitRecordChanged();
}

void DataSet::next()
{
    requireActive();
    checkBrowseMode();
    if (m_blockPos < 0) {
        m_eof = true;
        emitRecordChanged();
        return;
    }
    if (m_blockPos + 1 < m_block.size()) {
        resetNeighbours();
        m_current = m_block.at(++m_blockPos);
        m_bof = false;
    } else {
        QList<Row> rows = fetch(Direction::Forward, m_current.rowid);
        if (rows.isEmpty()) {
            m_eof = true;
        } else {
            showBlock(std::move(rows), 0);
        }
    }
    emitRecordChanged();
}

void DataSet::prior()
{
    requireActive();
    checkBrowseMode();
    if (m_blockPos < 0) {
        m_bof = true;
        emitRecordChanged();
        return;
    }
    if (m_blockPos > 0) {
        resetNeighbours();
        m_current = m_block.at(--m_blockPos);
        m_eof = false;
    } else {
        QList<Row> rows = fetch(Direction::Backward, m_current.rowid);
        if (rows.isEmpty()) {
            m_bof = true;
        } else {
            const int position = int(rows.size()) - 1;
            showBlock(std::move(rows), position);
        }
    }
    emitRecordChanged();
}

void DataSet::moveToRowid(qint64 rowid)
{
    QList<Row> rows = readRows(rowid, BlockSize);
    if (rows.isEmpty() || rows.first().rowid != rowid)
        throw DatabaseError(u"The record cannot be found; it may have been deleted."_qs);
    showBlock(std::move(rows), 0);
    emitRecordChanged();
}

bool DataSet::isEmpty() const
{
    // While inserting, the block still holds the row the insert started from.
    return m_blockPos < 0;
}

bool DataSet::hasPriorRow() const
{
    if (!isActive() || m_blockPos < 0)
        return false;
    if (m_blockPos > 0)
        return true;
    if (!m_hasPrior) {
        QSqlQuery query = run(database(), u"SELECT 1 FROM "_qs + m_source + u" WHERE rowid < ? LIMIT 1"_qs,
                              {m_block.at(m_blockPos).rowid});
        m_hasPrior = query.next();
    }
    return *m_hasPrior;
}

bool DataSet::hasNextRow() const
{
    if (!isActive() || m_blockPos < 0)
        return false;
    if (m_blockPos + 1 < m_block.size())
        return true;
    if (!m_hasNext) {
        QSqlQuery query = run(database(), u"SELECT 1 FROM "_qs + m_source + u" WHERE rowid > ? LIMIT 1"_qs,
                              {m_block.at(m_blockPos).rowid});
        m_hasNext = query.next();
    }
    return *m_hasNext;
}

qint64 DataSet::recordCount() const
{
    if (!isActive())
        return 0;
    if (!m_count) {
        QSqlQuery query = run(database(), u"SELECT count(*) FROM "_qs + m_source);
        m_count = query.next() ? query.value(0).toLongLong() : 0;
    }
    return *m_count;
}

bool DataSet::locate(const QString& fieldName, const QVariant& value)
{
    requireActive();
    const Field field = fieldByName(fieldName);
    checkBrowseMode();
    QSqlQuery query = run(database(),
                          u"SELECT rowid FROM "_qs + m_source + u" WHERE "_qs + quoted(field.name()) +
                              u" = ? ORDER BY rowid LIMIT 1"_qs,
                          {value});
    if (!query.next())
        return false;
    moveToRowid(query.value(0).toLongLong());
    return true;
}

int DataSet::findField(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Field DataSet::fieldByName(const QString& name)
{
    const int index = findField(name);
    if (index < 0)
        throw DatabaseError(u"Field '%1' not found"_qs.arg(name));
    return Field(this, index);
}

QVariant DataSet::value(int index) const
{
    return m_current.values.value(index);
}

void DataSet::setValue(int index, const QVariant& value)
{
    requireModifiable();
    if (index < 0 || index >= m_fields.size())
        throw DatabaseError(u"Field index %1 out of range"_qs.arg(index));
    if (m_state == DataSetState::Browse) {
        if (m_blockPos < 0)
            insert();
        else
            edit();
    }
    QVariant& slot = m_current.values[index];
    if (slot.isNull() == value.isNull() && slot == value)
        return;
    slot = value;
    m_modified = true;
    emit fieldChanged(index);
}

void DataSet::edit()
{
    requireModifiable();
    if (isEditing())
        return;
    if (m_blockPos < 0) {
        insert();
        return;
    }
    m_original = m_current;
    m_modified = false;
    setState(DataSetState::Edit);
}

void DataSet::insert()
{
    requireModifiable();
    checkBrowseMode();
    m_original = m_current;
    m_current = emptyRow();
    m_modified = false;
    setState(DataSetState::Insert);
    emitRecordChanged();
}

void DataSet::post()
{
    requireActive();
    if (!isEditing())
        return;
    flushControls();
    if (m_beforePost)
        m_beforePost(*this);

    const QSqlDatabase db = database();
    qint64 rowid = m_current.rowid;
    if (m_state == DataSetState::Insert) {
        QStringList columns;
        QStringList marks;
        QVariantList values;
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_current.values.at(i).isNull())
                continue;
            columns << quoted(m_fields.at(i).name);
            marks << u"?"_qs;
            values << m_current.values.at(i);
        }
        QString sql = u"INSERT INTO "_qs + m_source;
        if (columns.isEmpty())
            sql += u" DEFAULT VALUES"_qs;
        else
            sql += u" ("_qs + columns.join(u", "_qs) + u") VALUES ("_qs + marks.join(u", "_qs) + u')';
        const QSqlQuery query = run(db, sql, values);
        rowid = query.lastInsertId().toLongLong();
        if (m_count)
            ++*m_count;
    } else {
        QStringList assignments;
        QVariantList values;
        for (int i = 0; i < m_fields.size(); ++i) {
            const QVariant& now = m_current.values.at(i);
            const QVariant& before = m_original.values.value(i);
            if (now.isNull() == before.isNull() && now == before)
                continue;
            assignments << quoted(m_fields.at(i).name) + u" = ?"_qs;
            values << now;
        }
        if (!assignments.isEmpty()) {
            values << m_current.rowid;
            const QSqlQuery query =
                run(db, u"UPDATE "_qs + m_source + u" SET "_qs + assignments.join(u", "_qs) + u" WHERE rowid = ?"_qs,
                    values);
            if (query.numRowsAffected() == 0)
                throw DatabaseError(u"The record cannot be found for updating; it may have been deleted."_qs);
            // A changed rowid alias moves the row to its new number.
            if (m_rowidAlias >= 0 && !m_current.values.at(m_rowidAlias).isNull())
                rowid = m_current.values.at(m_rowidAlias).toLongLong();
        }
    }
    m_modified = false;
    setState(DataSetState::Browse);
    moveToRowid(rowid);
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    m_modified = false;
    m_current = m_blockPos < 0 ? emptyRow() : m_original;
    setState(DataSetState::Browse);
    emitRecordChanged();
}

void DataSet::flushControls()
{
    m_updateFailure.clear();
    emit updatingRecord();
    if (!m_updateFailure.isEmpty())
        throw DatabaseError(std::exchange(m_updateFailure, QString()));
}

void DataSet::checkBrowseMode()
{
    if (!isEditing())
        return;
    flushControls();
    if (m_modified)
        post();
    else
        cancel();
}

void DataSet::deleteRecord()
{
    requireModifiable();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (m_state == DataSetState::Edit)
        cancel();
    if (m_blockPos < 0)
        throw DatabaseError(u"Cannot perform this operation on an empty dataset"_qs);
    const qint64 rowid = m_current.rowid;
    run(database(), u"DELETE FROM "_qs + m_source + u" WHERE rowid = ?"_qs, {rowid});
    if (m_count && *m_count > 0)
        --*m_count;
    QList<Row> rows = fetch(Direction::Forward, rowid);
    if (!rows.isEmpty()) {
        showBlock(std::move(rows), 0);
    } else {
        rows = fetch(Direction::Backward, rowid);
        const int position = int(rows.size()) - 1;
        showBlock(std::move(rows), position);
        if (!m_block.isEmpty())
            m_eof = true;
    }
    emitRecordChanged();
}

void DataSet::disableControls()
{
    ++m_disableCount;
}

void DataSet::enableControls()
{
    if (m_disableCount > 0 && --m_disableCount == 0 && m_pendingRecordChanged) {
        m_pendingRecordChanged = false;
        emit recordChanged();
    }
}

// ---- TableDataSet

TableDataSet::TableDataSet(QObject* parent)
    : DataSet(parent)
{}

QString TableDataSet::openSource(QSqlDatabase db)
{
    QSqlQuery info = run(db, u"PRAGMA table_info("_qs + quoted(m_tableName) + u')');
    QList<FieldDef> fields;
    int primaryKeys = 0;
    int integerKey = -1;
    while (info.next()) {
        const QString name = info.value(1).toString();
        const QString type = info.value(2).toString();
        const int pk = info.value(5).toInt();
        if (pk > 0) {
            ++primaryKeys;
            if (type.compare(u"INTEGER"_qs, Qt::CaseInsensitive) == 0)
                integerKey = int(fields.size());
        }
        fields.append(fieldDefFromDeclaredType(name, type));
    }
    if (fields.isEmpty())
        throw DatabaseError(u"no such table: %1"_qs.arg(m_tableName));
    const int alias = primaryKeys == 1 ? integerKey : -1;
    if (alias >= 0)
        fields[alias] = fieldDefFromDeclaredType(fields[alias].name, QString(), true);
    setFields(std::move(fields), alias);
    return quoted(m_tableName);
}

// ---- QueryDataSet

namespace {
constexpr auto SnapshotTable = "snapshot";
}

QueryDataSet::QueryDataSet(QObject* parent)
    : DataSet(parent)
{}

QString QueryDataSet::sqlText() const
{
    QString text;
    for (const QString& line : m_sql)
        text += line + u"\r\n"_qs;
    return text;
}

int QueryDataSet::execSql()
{
    Connection connection(connectionString());
    const QSqlQuery query = run(connection.database(), sqlText());
    return query.numRowsAffected();
}

QString QueryDataSet::openSource(QSqlDatabase db)
{
    m_pages.clear();
    const QString table = u"temp."_qs + QString::fromLatin1(SnapshotTable);
    run(db, u"DROP TABLE IF EXISTS "_qs + table);
    run(db, u"CREATE TEMP TABLE "_qs + QString::fromLatin1(SnapshotTable) + u" AS "_qs + sqlText());

    // The snapshot knows only affinities; take each column's declared type from the table it came from,
    // preferring the table the statement selects from.
    QHash<QString, QString> declared;
    auto collect = [&](const QString& tableName, bool override) {
        QSqlQuery info = run(db, u"PRAGMA main.table_info("_qs + quoted(tableName) + u')');
        while (info.next()) {
            const QString key = info.value(1).toString().toLower();
            QString type = info.value(2).toString();
            if (info.value(5).toInt() == 1 && type.compare(u"INTEGER"_qs, Qt::CaseInsensitive) == 0)
                type = u"AUTONUMBER"_qs;
            if (override || !declared.contains(key))
                declared.insert(key, type);
        }
    };
    QSqlQuery tables = run(db, u"SELECT name FROM main.sqlite_master WHERE type = 'table'"_qs);
    QStringList tableNames;
    while (tables.next())
        tableNames << tables.value(0).toString();
    for (const QString& name : tableNames)
        collect(name, false);
    static const QRegularExpression fromTable(uR"re(\bfrom\s+(?:\[([^\]]+)\]|"([^"]+)"|([^\s;,()]+)))re"_qs,
                                              QRegularExpression::CaseInsensitiveOption);
    const auto match = fromTable.match(sqlText());
    if (match.hasMatch()) {
        const QString name = match.captured(1) + match.captured(2) + match.captured(3);
        for (const QString& candidate : tableNames)
            if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                collect(candidate, true);
    }

    // A result column is named as the statement spells it ("[e-mail]" gives "e-mail" although the table says
    // "E-mail"); the engine would use the table's spelling.
    QHash<QString, QString> spelling;
    static const QRegularExpression bracketedName(uR"re(\[([^\]]+)\])re"_qs);
    for (auto it = bracketedName.globalMatch(sqlText()); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!spelling.contains(name.toLower()))
            spelling.insert(name.toLower(), name);
    }

    QSqlQuery info = run(db, u"PRAGMA temp.table_info("_qs + QString::fromLatin1(SnapshotTable) + u')');
    QList<FieldDef> fields;
    while (info.next()) {
        const QString stored = info.value(1).toString();
        const QString name = spelling.value(stored.toLower(), stored);
        const QString type = declared.value(stored.toLower(), info.value(2).toString());
        fields.append(fieldDefFromDeclaredType(name, type, type == u"AUTONUMBER"_qs));
    }
    setFields(std::move(fields), -1);
    QSqlQuery count = run(db, u"SELECT coalesce(max(rowid), 0) FROM "_qs + table);
    setKnownRecordCount(count.next() ? count.value(0).toLongLong() : 0);
    return table;
}

void QueryDataSet::closeSource(QSqlDatabase db)
{
    m_pages.clear();
    if (db.isOpen()) {
        QSqlQuery query(db);
        query.exec(u"DROP TABLE IF EXISTS temp."_qs + QString::fromLatin1(SnapshotTable));
    }
}

qint64 QueryDataSet::recNo() const
{
    return isActive() && !isEmpty() ? currentRowid() - 1 : -1;
}

void QueryDataSet::moveTo(qint64 row)
{
    if (!isActive() || row < 0 || row >= recordCount() || row == recNo())
        return;
    moveToRowid(row + 1);
}

QVariant QueryDataSet::valueAt(qint64 row, int field) const
{
    if (!isActive() || row < 0 || row >= recordCount())
        return {};
    const qint64 page = row / PageSize;
    auto it = m_pages.constFind(page);
    if (it == m_pages.constEnd()) {
        if (m_pages.size() >= MaxCachedPages)
            m_pages.clear();
        it = m_pages.insert(page, readRows(page * PageSize + 1, PageSize));
    }
    const QList<Row>& rows = *it;
    const qint64 offset = row - page * PageSize;
    return offset < rows.size() ? rows.at(offset).values.value(field) : QVariant();
}

} // namespace corvella::store
