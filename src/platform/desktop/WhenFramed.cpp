#include "WhenFramed.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace Platform {

namespace {

// A window manager frames a window shortly after it is shown.
constexpr int PollMs = 25;
// A busy machine may take seconds to frame it; without a window manager
// nothing waits for the answer.
constexpr int MaxPolls = 200;
// A window that is never put on the screen is given up after a minute.
constexpr int MaxUnshownPolls = 2400;
// Polls a placed window must stay put to count as placed: a second, for the
// window manager's answer to a move to come back from a busy X server. After
// a move the window reports the place asked for until that answer comes; a
// window manager that puts it elsewhere is only seen then.
constexpr int SettledPolls = 40;

} // namespace

void WhenFramed(QWidget& window, std::function<bool(bool framed)> action)
{
    auto* poll = new QTimer(&window);
    poll->setInterval(PollMs);
    QObject::connect(poll, &QTimer::timeout, &window,
                     [poll, &window, action = std::move(action), unshown = 0, unframed = 0,
                      framed = 0]() mutable {
                         if (!window.isVisible())
                             return;
                         bool done = false;
                         // A window manager tells a window its border when asked, before
                         // it takes the window on, and a busy one may take seconds to put
                         // it on the screen; a move before that is undone by its placing.
                         // Without a window manager the window is on the screen at once,
                         // unframed.
                         const QWindow* handle = window.windowHandle();
                         if (handle == nullptr || !handle->isExposed())
                             done = ++unshown >= MaxUnshownPolls;
                         else if (window.frameGeometry().size() != window.size())
                             done = action(true) || ++framed >= MaxPolls;
                         else if (++unframed >= MaxPolls) {
                             action(false);
                             done = true;
                         }
                         if (done) {
                             poll->stop();
                             poll->deleteLater();
                         }
                     });
    poll->start();
}

void PlaceWhenFramed(QWidget& window, std::function<void()> place, std::function<bool()> wanted)
{
    WhenFramed(window, [&window, place = std::move(place), wanted = std::move(wanted),
                        still = 0](bool framed) mutable {
        if (!framed || (wanted && !wanted()))
            return true;
        // Placed again at every poll, not only when the window is seen to
        // move: a move the window believes done sends nothing, and one that
        // a stale frame or the window manager undid is made again.
        const QPoint before = window.frameGeometry().topLeft();
        place();
        still = window.frameGeometry().topLeft() == before ? still + 1 : 0;
        return still > SettledPolls;
    });
}

} // namespace Platform
