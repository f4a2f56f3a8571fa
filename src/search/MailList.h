#pragma once

#include <QString>

#include <functional>

namespace corvella::store {
class QueryDataSet;
}

namespace corvella::search {

/// Replaces the rows of table `maillist` with the "e-mail" value of every listed row, in list order, as text
/// (an empty or missing value gives an empty row). All in one transaction: a failure leaves the old list whole.
/// `keepAlive` is called every few thousand rows so that a long copy can let the window repaint.
/// Returns the number of rows written.
qint64 fillMailList(const store::QueryDataSet& listed, const QString& connectionString,
                    const std::function<void()>& keepAlive = {});

} // namespace corvella::search
