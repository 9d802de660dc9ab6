#include "platform/Form.h"

#include "platform/PackedColumns.h"
#include "platform/RuntimeError.h"
#include "platform/WhenFramed.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace Platform {

namespace {

// The classic fixed single border: 45 twips left, right and bottom, 330 twips
// of border and title bar at the top.
constexpr double ClassicBorderTwipsX = 90;
constexpr double ClassicBorderTwipsY = 375;

// The user sees a picture grow without a repaint for every column.
constexpr qint64 RepaintIntervalMs = 15;

int ToPixels(double twips, float twipsPerPixel)
{
    return int(std::lround(twips / twipsPerPixel));
}

} // namespace

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

void Form::setDefaultButton(QPushButton* button)
{
    m_defaultButton = button;
    showDefaultButton();
}

void Form::showDefaultButton()
{
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* shown =
        focused != nullptr && isAncestorOf(focused) ? focused : m_defaultButton.data();
    // Only the form's own buttons: a dialog on the form keeps its default.
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->window() == this)
            button->setDefault(button == shown);
}

void Form::Show()
{
    Form_Load();
    // The native window knows its border once it exists.
    winId();
    centreOnScreen();
    show();
    activateWindow();
    if (!m_focusOrder.isEmpty())
        m_focusOrder.first()->setFocus(Qt::TabFocusReason);
    // A window manager frames the window only after it is shown; centre it
    // again once its border is known, unless it was placed meanwhile.
    m_centreWhenFramed = true;
    WhenFramed(*this, [this](bool framed) {
        if (framed && m_centreWhenFramed)
            centreOnScreen();
        m_centreWhenFramed = false;
        return true;
    });
}

void Form::centreOnScreen()
{
    const ScreenMetrics screen = m_desktop.Screen();
    const bool pending = m_centreWhenFramed;
    setLeft((screen.Width - Width()) / 2);
    setTop((screen.Height - Height()) / 2);
    m_centreWhenFramed = pending;
}

bool Form::focusNextPrevChild(bool next)
{
    const qsizetype count = m_focusOrder.size();
    if (count == 0)
        return QWidget::focusNextPrevChild(next);
    qsizetype current = m_focusOrder.indexOf(focusWidget());
    // From outside the order (the form itself) TAB starts at either end.
    if (current < 0)
        current = next ? count - 1 : 0;
    for (qsizetype step = 1; step <= count; ++step) {
        QWidget* candidate = m_focusOrder[(current + (next ? step : count - step)) % count];
        if (candidate->isVisibleTo(this) && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

double Form::borderTwipsX() const
{
    const int pixels = frameGeometry().width() - geometry().width();
    return pixels > 0 ? pixels * double(m_screen.TwipsPerPixelX) : ClassicBorderTwipsX;
}

double Form::borderTwipsY() const
{
    const int pixels = frameGeometry().height() - geometry().height();
    return pixels > 0 ? pixels * double(m_screen.TwipsPerPixelY) : ClassicBorderTwipsY;
}

double Form::Left() const
{
    return x() * double(m_screen.TwipsPerPixelX);
}

double Form::Top() const
{
    return y() * double(m_screen.TwipsPerPixelY);
}

double Form::Width() const
{
    return ScaleWidth() + borderTwipsX();
}

double Form::Height() const
{
    return ScaleHeight() + borderTwipsY();
}

void Form::setLeft(double twips)
{
    m_centreWhenFramed = false;
    move(ToPixels(twips, m_screen.TwipsPerPixelX), y());
}

void Form::setTop(double twips)
{
    m_centreWhenFramed = false;
    move(x(), ToPixels(twips, m_screen.TwipsPerPixelY));
}

void Form::setWidth(double twips)
{
    setFixedWidth(std::max(1, ToPixels(twips - borderTwipsX(), m_screen.TwipsPerPixelX)));
    growImage();
}

void Form::setHeight(double twips)
{
    setFixedHeight(std::max(1, ToPixels(twips - borderTwipsY(), m_screen.TwipsPerPixelY)));
    growImage();
}

double Form::ScaleWidth() const
{
    return width() * double(m_screen.TwipsPerPixelX);
}

double Form::ScaleHeight() const
{
    return height() * double(m_screen.TwipsPerPixelY);
}

void Form::growImage()
{
    if (m_image.width() >= width() && m_image.height() >= height())
        return;
    QImage grown(std::max(width(), m_image.width()), std::max(height(), m_image.height()),
                 QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter painter(&grown);
    painter.drawImage(0, 0, m_image);
    m_image = std::move(grown);
}

void Form::resizeEvent(QResizeEvent* event)
{
    growImage();
    QWidget::resizeEvent(event);
}

void Form::PSet(double xTwips, double yTwips, std::int32_t color)
{
    const int x = ToPixels(xTwips, m_screen.TwipsPerPixelX);
    const int y = ToPixels(yTwips, m_screen.TwipsPerPixelY);
    if (!m_image.valid(x, y))
        return;
    m_image.setPixel(x, y, ToRgb(color));
    requestRepaint(QRect(x, y, 1, 1));
}

void Form::PutColumn(int x, std::span<const std::int32_t> colors)
{
    PutPackedColumn(m_image, x, colors);
    requestRepaint(QRect(x, 0, 1, std::min<int>(int(colors.size()), m_image.height())));
}

void Form::requestRepaint(const QRect& rect)
{
    m_dirty |= rect;
    if (m_sinceRepaint.elapsed() < RepaintIntervalMs)
        return;
    update(m_dirty);
    m_dirty = {};
    m_sinceRepaint.restart();
}

void Form::Refresh()
{
    if (m_dirty.isEmpty())
        return;
    repaint(m_dirty);
    m_dirty = {};
    m_sinceRepaint.restart();
}

QImage Form::Image() const
{
    return m_image.copy(0, 0, width(), height());
}

void Form::setPicture(const QImage& picture)
{
    growImage();
    m_image.fill(palette().color(QPalette::Window));
    if (!picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, picture);
    }
    m_dirty = {};
    update();
}

void Form::paintEvent(QPaintEvent* event)
{
    if (!m_dirty.isEmpty()) {
        // A repaint for any reason shows what is drawn so far.
        m_dirty = {};
        m_sinceRepaint.restart();
    }
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void Form::Unload()
{
    RequestClose(UnloadOrigin::FormCode);
}

void Form::RequestClose(int unloadMode)
{
    m_unloadMode = unloadMode;
    close();
    m_unloadMode = UnloadOrigin::FormControlMenu;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (m_ended) {
        event->accept();
        return;
    }
    int cancel = 0;
    const int mode = m_unloadMode;
    RunHandler([&] { Form_QueryUnload(cancel, mode); });
    if (cancel != 0 && !m_ended)
        event->ignore();
    else
        event->accept();
}

void Form::End()
{
    if (m_ended)
        return;
    m_ended = true;
    emit Ended();
    hide();
    m_desktop.End();
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

void Form::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    const bool controlFocused =
        focus != nullptr && focus != this && focus->isVisible() && isAncestorOf(focus);
    // ENTER clicks the focused button or else the default button, ESC the
    // cancel button, while they are shown.
    auto* focusedButton = controlFocused ? qobject_cast<QPushButton*>(focus) : nullptr;
    QPushButton* target = nullptr;
    if (enter)
        target = focusedButton != nullptr ? focusedButton : m_defaultButton.data();
    else if (event->key() == Qt::Key_Escape)
        target = m_cancelButton.data();
    if (target != nullptr && target->isVisible() && target->isEnabled()) {
        target->click();
        return;
    }
    if (controlFocused) {
        QWidget::keyPressEvent(event);
        return;
    }
    int keyAscii = 0;
    if (enter)
        keyAscii = KeyEnter;
    else if (!event->text().isEmpty())
        keyAscii = event->text().at(0).unicode();
    if (keyAscii == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    RunHandler([&] { Form_KeyPress(keyAscii); });
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
