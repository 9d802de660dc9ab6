#include "FramePlacement.h"

#include <QEvent>
#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace Platform {

namespace {

void Place(QWidget& window, const QPoint& corner)
{
    // The widget's own record first: Qt passes it on to the native window
    // at the showing, and Left and Top read it back at once.
    window.move(corner);
    QWindow* handle = window.windowHandle();
    if (handle == nullptr)
        return;
    if (handle->size() != window.size())
        handle->resize(window.size());
    // A frame-inclusive position: on X11 the window gets north-west gravity
    // when it is shown, and the window manager puts its frame's corner where
    // the window was asked to stand.
    handle->setFramePosition(corner);
}

// Places a window again as it is shown, after it took its final size and
// before it is mapped.
class PlaceWhenShown : public QObject
{
public:
    static constexpr const char* Name = "PlaceWhenShown";

    explicit PlaceWhenShown(QWidget& window) : QObject(&window)
    {
        setObjectName(Name);
        window.installEventFilter(this);
    }
    void placeAt(const QPoint& corner) { m_corner = corner; }
    void cancel() { m_corner.reset(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_corner) {
            Place(*static_cast<QWidget*>(watched), *m_corner);
            m_corner.reset();
        }
        return false;
    }

private:
    std::optional<QPoint> m_corner;
};

} // namespace

void PlaceFrameAt(QWidget& window, const QPoint& corner)
{
    Place(window, corner);
    auto* pending = dynamic_cast<PlaceWhenShown*>(
        window.findChild<QObject*>(PlaceWhenShown::Name, Qt::FindDirectChildrenOnly));
    if (window.isVisible()) {
        if (pending != nullptr)
            pending->cancel();
        return;
    }
    if (pending == nullptr)
        pending = new PlaceWhenShown(window);
    pending->placeAt(corner);
}

} // namespace Platform
