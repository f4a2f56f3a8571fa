#include "ConnectDataSets.h"

#include "ConnectionString.h"
#include "DataSet.h"

namespace corvella::store {

void ConnectDataSets(QObject* window)
{
    const QString connectionString = ContactConnectionString();
    for (QObject* child : window->children()) {
        auto* dataSet = qobject_cast<DataSet*>(child);
        if (!dataSet)
            continue;
        const bool wasOpen = dataSet->isActive();
        if (wasOpen)
            dataSet->close();
        dataSet->setConnectionString(connectionString);
        if (wasOpen)
            dataSet->open();
    }
}

} // namespace corvella::store
