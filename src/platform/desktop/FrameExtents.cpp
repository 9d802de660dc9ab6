#include "FrameExtents.h"

#include <QAbstractNativeEventFilter>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace Platform {

namespace {

// A busy window manager may take seconds to answer; one that has not
// answered by then draws its frame around wherever the window stands.
constexpr int PatienceMs = 3000;

struct FreeDeleter
{
    void operator()(void* reply) const { std::free(reply); }
};
template<typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit items of a window's property of the given type; empty when it
// has none.
std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t property, xcb_atom_t type)
{
    constexpr std::uint32_t MaxItems = 1024;
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, MaxItems), nullptr));
    if (reply == nullptr || reply->type != type || reply->format != 32)
        return {};
    const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

std::optional<QMargins> ReadExtents(xcb_connection_t* connection, xcb_window_t window)
{
    // Left, right, top, bottom.
    const std::vector<std::uint32_t> extents =
        Property(connection, window, Atom(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() != 4)
        return std::nullopt;
    return QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
}

xcb_window_t Root(xcb_connection_t* connection, xcb_window_t window)
{
    const ReplyPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return reply != nullptr ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// A running window manager that says it answers _NET_REQUEST_FRAME_EXTENTS:
// its check window names itself, so that a dead one's leftovers do not count.
bool AnswersFrameRequests(xcb_connection_t* connection, xcb_window_t root)
{
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> manager = Property(connection, root, check, XCB_ATOM_WINDOW);
    if (manager.size() != 1 || Property(connection, manager[0], check, XCB_ATOM_WINDOW) != manager)
        return false;
    const std::vector<std::uint32_t> supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::ranges::find(supported, Atom(connection, "_NET_REQUEST_FRAME_EXTENTS")) !=
           supported.end();
}

// Ends a wait when the window manager writes the window's frame extents.
class ExtentsWritten : public QAbstractNativeEventFilter
{
public:
    ExtentsWritten(xcb_window_t window, xcb_atom_t extents, QEventLoop& loop)
        : m_window(window), m_extents(extents), m_loop(loop)
    {
        qGuiApp->installNativeEventFilter(this);
    }
    ~ExtentsWritten() override { qGuiApp->removeNativeEventFilter(this); }
    ExtentsWritten(const ExtentsWritten&) = delete;
    ExtentsWritten& operator=(const ExtentsWritten&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        Q_UNUSED(result);
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
            if (change->window == m_window && change->atom == m_extents)
                m_loop.quit();
        }
        return false;
    }

private:
    xcb_window_t m_window;
    xcb_atom_t m_extents;
    QEventLoop& m_loop;
};

} // namespace

void AskFrameExtents(QWidget& window)
{
    xcb_connection_t* connection = Connection();
    if (connection == nullptr)
        return;
    const auto id = xcb_window_t(window.internalWinId());
    if (id == XCB_WINDOW_NONE)
        return;
    const xcb_window_t root = Root(connection, id);
    if (root == XCB_WINDOW_NONE || !AnswersFrameRequests(connection, root))
        return;
    QEventLoop loop;
    const ExtentsWritten written(id, Atom(connection, "_NET_FRAME_EXTENTS"), loop);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
    // The answer may have come before the wait begins.
    if (ReadExtents(connection, id))
        return;
    QTimer::singleShot(PatienceMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<QMargins> AnnouncedFrameExtents(const QWidget& window)
{
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || window.internalWinId() == 0)
        return std::nullopt;
    return ReadExtents(connection, xcb_window_t(window.internalWinId()));
}

QMargins FrameExtents(const QWidget& window)
{
    if (const std::optional<QMargins> announced = AnnouncedFrameExtents(window))
        return *announced;
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace Platform
