#include "platform/Timer.h"

#include "platform/RuntimeError.h"

namespace Platform {

Timer::Timer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void Timer::setInterval(qint64 milliseconds)
{
    if (milliseconds < 0 || milliseconds > MaxInterval)
        throw RuntimeError(ErrorKind::InvalidPropertyValue,
                           QStringLiteral("timer interval %1").arg(milliseconds));
    m_interval = static_cast<int>(milliseconds);
    restart();
}

void Timer::restart()
{
    m_timer.stop();
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
}

} // namespace Platform
