#include "platform/Form.h"

#include "FrameExtents.h"

#include <QApplication>

namespace Platform {

Form::Form(Desktop& desktop, QWidget* parent)
    : QWidget(parent), m_desktop(desktop), m_screen(desktop.Screen())
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_sinceRepaint.start();
    connect(qApp, &QApplication::focusChanged, this, &Form::showDefaultButton);
}

void Form::Show()
{
    Form_Load();
    // Centred by its outer size, which needs the window manager's frame
    // before the window appears.
    winId();
    AskFrameExtents(*this);
    centreOnScreen();
    show();
    activateWindow();
    if (!m_focusOrder.isEmpty())
        m_focusOrder.first()->setFocus(Qt::TabFocusReason);
}

bool Form::event(QEvent* event)
{
    // Qt gives the focus back to the control that had it, even when that
    // control was hidden meanwhile; it would then take the keys meant for
    // the form.
    if (event->type() == QEvent::WindowActivate && focusWidget() != nullptr &&
        focusWidget() != this && !focusWidget()->isVisible())
        setFocus(Qt::ActiveWindowFocusReason);
    // After End nothing more is handled but the window's own closing.
    if (m_ended) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::Timer:
            return true;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

void Form::RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        m_desktop.MsgBox(QString::fromLocal8Bit(error.what()), MsgBoxFlags::Exclamation,
                         windowTitle());
    }
}

} // namespace Platform
