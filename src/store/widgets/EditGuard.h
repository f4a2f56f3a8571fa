#pragma once

#include "store/Connection.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"

namespace corvella::ui {

/// Asks, under the message of a store refused because another user changed or deleted the record meanwhile, whether
/// to read the record again. Returns true for Yes.
bool askReload(QWidget* parent, const QString& refusal);

/// Runs an event handler that may store the data set's record, as `guard` does; when the store is refused because
/// another user changed or deleted the record meanwhile, offers to read it again: Yes shows what is stored now, No
/// leaves the edit as typed.
template <class Handler> void guardEdit(QWidget* parent, store::DataSet& dataSet, Handler&& handler)
{
    guard(parent, [&] {
        try {
            handler();
        } catch (const store::RecordChangedError& error) {
            if (askReload(parent, error.message()))
                dataSet.reloadRecord();
        }
    });
}

} // namespace corvella::ui
