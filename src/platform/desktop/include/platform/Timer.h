#pragma once

#include <QObject>
#include <QTimer>

namespace Platform {

// A form timer: ticks every Interval milliseconds while Enabled. Enabling it
// or setting its interval starts a new countdown; an interval of 0 never
// ticks.
class Timer : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 MaxInterval = 65535;

    explicit Timer(QObject* parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int Interval() const { return m_interval; }
    // Throws RuntimeError(InvalidPropertyValue) outside 0..65535 and keeps
    // the interval it had.
    void setInterval(qint64 milliseconds);

signals:
    void Tick();

private:
    void restart();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
};

} // namespace Platform
