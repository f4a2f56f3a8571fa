#pragma once

#include <QString>

#include <functional>

namespace corvella::store {

/// Copies every contact of one contact database into another, record numbers included, in one transaction: a
/// contact file into a server database, or back. The target gets the tables it lacks; its contact table must be
/// empty, so a copy never mixes two lists. `progress` hears the number of contacts copied so far. Returns the
/// number copied.
qint64 copyContacts(const QString& fromConnectionString, const QString& toConnectionString,
                    const std::function<void(qint64 copied)>& progress = {});

} // namespace corvella::store
