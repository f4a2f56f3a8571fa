#pragma once

#include <QString>
#include <QVariant>

namespace corvella::store {

/// The kinds of column the program distinguishes (the report sizes its columns by them).
enum class FieldKind {
    Text,     // text of a declared length
    SmallInt, // 16-bit integer
    Integer,  // 32-bit integer
    Byte,     // unsigned integer
    Float,    // double precision
    Boolean,  // yes/no
    Date,     // date only
    Time,     // time only
    DateTime, // date and time in one
    AutoNumber,
    Currency, // fixed-point decimal
    Memo,     // long text
    Blob,     // long binary
};

struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Text;
    int size = 0; // declared length of a text column, 0 when none

    bool isNumber() const;
};

/// Reads a column's declared SQL type ("VARCHAR(30)", "INTEGER", "DOUBLE", ...) as a field kind and size.
FieldDef fieldDefFromDeclaredType(const QString& name, const QString& declaredType, bool isRowidAlias = false);

/// Rounds to the nearest whole number, halves to the even neighbour; beyond qint64 to its nearest bound, NaN to 0.
qint64 roundHalfEven(double value);

/// The text a field shows for a value: general number format with the locale's decimal separator,
/// dates in the locale's short format, an empty text for NULL.
QString displayText(FieldKind kind, const QVariant& value);

} // namespace corvella::store
