#include "FieldDef.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace corvella::store {

bool FieldDef::isNumber() const
{
    switch (kind) {
    case FieldKind::SmallInt:
    case FieldKind::Integer:
    case FieldKind::Byte:
    case FieldKind::Float:
        return true;
    default:
        return false;
    }
}

FieldDef fieldDefFromDeclaredType(const QString& name, const QString& declaredType, bool isRowidAlias)
{
    FieldDef def{name, FieldKind::Text, 0};
    if (isRowidAlias) {
        def.kind = FieldKind::AutoNumber;
        return def;
    }
    static const QRegularExpression shape(uR"(^\s*([A-Za-z ]*?)\s*(?:\(\s*(\d+)\s*(?:,\s*\d+\s*)?\))?\s*$)"_qs);
    const auto match = shape.match(declaredType);
    const QString type = match.hasMatch() ? match.captured(1).toUpper() : declaredType.toUpper();
    const int length = match.hasMatch() ? match.captured(2).toInt() : 0;

    auto is = [&](std::initializer_list<const char16_t*> names) {
        for (const char16_t* n : names)
            if (type == QStringView(n))
                return true;
        return false;
    };
    if (is({u"COUNTER", u"AUTOINCREMENT", u"AUTONUMBER"}))
        def.kind = FieldKind::AutoNumber;
    else if (is({u"SMALLINT", u"SHORT", u"INT2"}))
        def.kind = FieldKind::SmallInt;
    else if (is({u"INTEGER", u"INT", u"LONG", u"INT4", u"BIGINT", u"MEDIUMINT"}))
        def.kind = FieldKind::Integer;
    else if (is({u"BYTE", u"TINYINT", u"UNSIGNED", u"UNSIGNED INTEGER"}))
        def.kind = FieldKind::Byte;
    else if (is({u"DOUBLE", u"REAL", u"FLOAT", u"SINGLE", u"NUMBER", u"DOUBLE PRECISION", u"NUM"}))
        def.kind = FieldKind::Float;
    else if (is({u"BIT", u"BOOLEAN", u"BOOL", u"YESNO", u"LOGICAL"}))
        def.kind = FieldKind::Boolean;
    else if (is({u"DATE"}))
        def.kind = FieldKind::Date;
    else if (is({u"TIME"}))
        def.kind = FieldKind::Time;
    else if (is({u"DATETIME", u"TIMESTAMP"}))
        def.kind = FieldKind::DateTime;
    else if (is({u"CURRENCY", u"MONEY", u"DECIMAL", u"NUMERIC"}))
        def.kind = FieldKind::Currency;
    else if (is({u"BLOB", u"LONGBINARY", u"OLEOBJECT", u"BINARY", u"IMAGE"}))
        def.kind = FieldKind::Blob;
    else if (length > 0)
        def.size = length; // VARCHAR(n), TEXT(n), CHAR(n) ...
    else if (is({u"MEMO", u"LONGTEXT", u"TEXT", u"CLOB", u""}))
        def.kind = FieldKind::Memo;
    return def;
}

qint64 roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even. Beyond qint64 the conversion is undefined:
    // such values end at the nearest bound, and NaN, which has none, gives 0.
    const double rounded = std::nearbyint(value);
    if (std::isnan(rounded))
        return 0;
    constexpr double Above = 9223372036854775808.0; // 2^63, the first double past qint64
    if (rounded >= Above)
        return std::numeric_limits<qint64>::max();
    if (rounded < -Above)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(rounded);
}

QString displayText(FieldKind kind, const QVariant& value)
{
    if (value.isNull())
        return {};
    const QLocale locale;
    switch (kind) {
    case FieldKind::Float:
    case FieldKind::Currency: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (!ok)
            return value.toString();
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(d, 'g', 15);
    }
    case FieldKind::Date: {
        const QDate date = QDate::fromString(value.toString().left(10), Qt::ISODate);
        return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : value.toString();
    }
    case FieldKind::DateTime: {
        const QDateTime stamp = QDateTime::fromString(value.toString(), Qt::ISODate);
        return stamp.isValid() ? locale.toString(stamp, QLocale::ShortFormat) : value.toString();
    }
    default:
        return value.toString();
    }
}

} // namespace corvella::store
