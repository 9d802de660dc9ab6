#include "platform/WhenFramed.h"

#include <QTimer>
#include <QWidget>

namespace Platform {

namespace {

// A window manager frames a window shortly after it is shown.
constexpr int PollMs = 25;
constexpr int MaxPolls = 80;

} // namespace

void WhenFramed(QWidget& window, std::function<void(bool framed)> action)
{
    auto* poll = new QTimer(&window);
    poll->setInterval(PollMs);
    QObject::connect(poll, &QTimer::timeout, &window,
                     [poll, &window, action = std::move(action), polls = 0]() mutable {
                         const bool framed = window.frameGeometry().size() != window.size();
                         if (!framed && ++polls < MaxPolls)
                             return;
                         poll->stop();
                         poll->deleteLater();
                         action(framed);
                     });
    poll->start();
}

} // namespace Platform
