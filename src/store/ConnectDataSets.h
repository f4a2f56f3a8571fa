#pragma once

class QObject;

namespace corvella::store {

/// Gives every data set the window owns the contact file's connection string, in creation order; an open data set
/// is closed first and opened again.
void ConnectDataSets(QObject* window);

} // namespace corvella::store
