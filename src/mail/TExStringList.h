#pragma once

#include <QStringList>

namespace corvella::mail {

/// Header lines "name: value". The name of a line is its text before the first ":"; lines without one have none.
class TExStringList : public QStringList {
public:
    using QStringList::QStringList;
    TExStringList() = default;
    TExStringList(const QStringList& lines)
        : QStringList(lines)
    {}

    /// Index of the first line with this name, letter case ignored; -1 if none.
    int IndexOfHeader(const QString& name) const;
    /// Sets the named line in its place, or appends it; an empty value removes the line.
    void SetHeader(const QString& name, const QString& value);
};

} // namespace corvella::mail
