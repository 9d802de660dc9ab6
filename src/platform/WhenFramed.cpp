#include "platform/WhenFramed.h"

#include <QTimer>
#include <QWidget>

namespace Platform {

namespace {

// A window manager frames a window shortly after it is shown.
constexpr int PollMs = 25;
constexpr int MaxPolls = 80;

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

} // namespace Platform
