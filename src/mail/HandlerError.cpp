#include "HandlerError.h"

#include <QDebug>

namespace corvella::mail {

namespace {
HandlerErrorSink& sink()
{
    static HandlerErrorSink instance;
    return instance;
}
} // namespace

HandlerErrorSink setHandlerErrorSink(HandlerErrorSink newSink)
{
    return std::exchange(sink(), std::move(newSink));
}

void reportHandlerError(const QString& message)
{
    if (sink())
        sink()(message);
    else
        qWarning().noquote() << "mail event handler:" << message;
}

} // namespace corvella::mail
