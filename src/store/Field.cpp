#include "Field.h"

#include "DataSet.h"
#include "core/Error.h"

#include <QLocale>

#include <QCoreApplication>
#include <cmath>

namespace corvella::store {

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
            throw DatabaseError(
                QCoreApplication::translate("store", "'%1' is not a valid integer value").arg(v.toString()));
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
        throw DatabaseError(
            QCoreApplication::translate("store", "'%1' is not a valid floating point value").arg(v.toString()));
    return d;
}

QString Field::caption() const
{
    const QString shown = m_dataSet->fieldCaption(name());
    return shown.isEmpty() ? name() : shown;
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
            throw DatabaseError(
                QCoreApplication::translate("store", "'%1' is not a valid floating point value for field '%2'")
                    .arg(text, caption()));
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
            throw DatabaseError(QCoreApplication::translate("store", "'%1' is not a valid integer value").arg(text));
        setValue(n);
        return;
    }
    default:
        setValue(text);
    }
}

} // namespace corvella::store
