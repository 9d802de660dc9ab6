#include "WhenFramed.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

namespace Platform {

namespace {

// A window manager frames a window shortly after it is shown.
constexpr int PollMs = 25;
// A busy machine may take seconds to frame it; without a window manager
// nothing waits for the answer.
constexpr int MaxPolls = 200;
// Polls a placed window must stay put to count as placed.
constexpr int SettledPolls = 4;

} // namespace

void WhenFramed(QWidget& window, std::function<bool(bool framed)> action)
{
    auto* poll = new QTimer(&window);
    poll->setInterval(PollMs);
    QObject::connect(
        poll, &QTimer::timeout, &window,
        [poll, &window, action = std::move(action), unframed = 0, framed = 0]() mutable {
            if (!window.isVisible())
                return;
            bool done = false;
            if (window.frameGeometry().size() != window.size())
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
                        placedAt = QPoint(), polls = 0](bool framed) mutable {
        if (!framed || (wanted && !wanted()))
            return true;
        if (polls > 0 && window.frameGeometry().topLeft() == placedAt)
            return ++polls > SettledPolls;
        place();
        placedAt = window.frameGeometry().topLeft();
        polls = 1;
        return false;
    });
}

} // namespace Platform
