#pragma once

#include <QObject>

#include <functional>

namespace corvella::mail {

/// A repeating timer on the owning thread's event loop. It runs while `Enabled`, `Interval` is not 0 and `OnTimer`
/// is set; every change of the three restarts it.
class TThreadTimer : public QObject {
    Q_OBJECT
public:
    using TimerEvent = std::function<void(TThreadTimer& sender)>;

    explicit TThreadTimer(QObject* parent = nullptr);
    ~TThreadTimer() override;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    quint32 Interval() const { return m_interval; }
    void SetInterval(quint32 milliseconds);
    const TimerEvent& OnTimer() const { return m_onTimer; }
    void SetOnTimer(TimerEvent handler);

    bool isRunning() const { return m_timerId != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void UpdateTimer();

    bool m_enabled = true;
    quint32 m_interval = 1000;
    TimerEvent m_onTimer;
    int m_timerId = 0;
};

} // namespace corvella::mail
