#include "DialogHooks.h"

#include <utility>

namespace corvella::ui {

namespace {

DialogHooks& installed()
{
    static DialogHooks hooks;
    return hooks;
}

} // namespace

DialogHooks setDialogHooks(DialogHooks hooks)
{
    return std::exchange(installed(), std::move(hooks));
}

const DialogHooks& dialogHooks()
{
    return installed();
}

} // namespace corvella::ui
