#pragma once

#include "FieldDef.h"

#include <QVariant>

namespace corvella::store {

class DataSet;

/// A handle on one field of a data set's current record.
class Field {
public:
    Field(DataSet* dataSet, int index)
        : m_dataSet(dataSet)
        , m_index(index)
    {}

    int index() const { return m_index; }
    const FieldDef& def() const;
    const QString& name() const { return def().name; }
    FieldKind kind() const { return def().kind; }
    /// What messages call the field: the caption a window gave it, or else its column name.
    QString caption() const;
    int size() const { return def().size; }

    QVariant value() const;
    bool isNull() const;
    /// The value as text; NULL gives an empty text, numbers use the general format.
    QString asString() const;
    /// The value as a whole number; a fractional number is rounded, halves to even.
    qint64 asInteger() const;
    double asFloat() const;

    void setValue(const QVariant& value);
    /// Stores typed text, converted by the field's kind; an empty text stores NULL in a number field.
    void setAsString(const QString& text);
    void clear() { setValue(QVariant()); }

private:
    DataSet* m_dataSet;
    int m_index;
};

} // namespace corvella::store
