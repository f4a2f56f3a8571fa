#pragma once

#include "core/Error.h"

#include <QString>

#include <functional>

namespace corvella::mail {

/// Receives errors raised by event handlers that the mail components call from the event loop (a peer closing
/// the connection, a timer), where no caller is there to catch them. The program routes them to its general
/// error display; until then they are logged.
using HandlerErrorSink = std::function<void(const QString& message)>;

/// Replaces the sink (null restores logging) and returns the previous one.
HandlerErrorSink setHandlerErrorSink(HandlerErrorSink sink);
void reportHandlerError(const QString& message);

/// Runs a handler from event-loop context so that no exception crosses Qt's event loop.
template <class Handler> void runFromEventLoop(Handler&& handler)
{
    try {
        handler();
    } catch (const Error& error) {
        reportHandlerError(error.message());
    } catch (const std::exception& error) {
        reportHandlerError(QString::fromUtf8(error.what()));
    }
}

} // namespace corvella::mail
