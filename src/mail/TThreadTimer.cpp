#include "TThreadTimer.h"

#include "HandlerError.h"

#include <QTimerEvent>

#include <QCoreApplication>
#include <limits>

namespace corvella::mail {

TThreadTimer::TThreadTimer(QObject* parent)
    : QObject(parent)
{}

TThreadTimer::~TThreadTimer()
{
    if (m_timerId != 0)
        killTimer(m_timerId);
}

void TThreadTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    UpdateTimer();
}

void TThreadTimer::SetInterval(quint32 milliseconds)
{
    m_interval = milliseconds;
    UpdateTimer();
}

void TThreadTimer::SetOnTimer(TimerEvent handler)
{
    m_onTimer = std::move(handler);
    UpdateTimer();
}

void TThreadTimer::UpdateTimer()
{
    if (m_timerId != 0) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    if (m_interval == 0 || !m_enabled || !m_onTimer)
        return;
    const auto interval = std::min<quint32>(m_interval, std::numeric_limits<int>::max());
    m_timerId = startTimer(int(interval), Qt::PreciseTimer);
    if (m_timerId == 0)
        throw Error(QCoreApplication::translate("mail", "No Timer"));
}

void TThreadTimer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId || !m_onTimer)
        return;
    runFromEventLoop([this] { m_onTimer(*this); });
}

} // namespace corvella::mail
