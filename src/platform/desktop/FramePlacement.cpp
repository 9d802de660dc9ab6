#include "FramePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPoint>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace Platform {

namespace {

// A frame-inclusive position: on X11 a window shown with one gets north-west
// gravity, and the window manager then puts its frame's corner wherever the
// window is asked to stand, whenever it learns of the frame.
void PlaceNow(QWidget& window, const QPoint& corner)
{
    // The widget's own record first, which Left and Top read back at once.
    window.move(corner);
    if (QWindow* handle = window.windowHandle())
        handle->setFramePosition(corner);
}

// As the window is shown, before it is mapped: Qt keeps the native window's
// frame-inclusive position only when the widget's geometry agrees with it,
// and then gives the window north-west gravity. The widget holds the corner
// as its client position until the window manager's answer corrects it.
void PlaceShowing(QWidget& window, const QPoint& corner)
{
    if (QGuiApplication::platformName() != "xcb") {
        window.move(corner);
        return;
    }
    window.setGeometry(QRect(corner, window.size()));
    QWindow* handle = window.windowHandle();
    if (handle == nullptr)
        return;
    // A size the widget took while hidden has not reached the native window.
    if (handle->size() != window.size())
        handle->resize(window.size());
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
            PlaceShowing(*static_cast<QWidget*>(watched), *m_corner);
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
    PlaceNow(window, corner);
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
