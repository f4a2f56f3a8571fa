#pragma once

#include <QList>
#include <QString>

namespace corvella::cli {

/// A text column of the contact table and the plain name the command line knows it by (`--map city=Town`,
/// `search --city Ankara`).
struct ContactField {
    QString name;
    QString column;
};

/// The contact's text columns in table order, each with its command-line name.
const QList<ContactField>& contactFields();

/// The contact column a field name or a column's own name (in any case) stands for; empty when none.
QString columnOfField(const QString& name);

} // namespace corvella::cli
