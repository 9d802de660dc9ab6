#include "platform/Form.h"

#include "platform/PackedColumns.h"

#include <QPaintEvent>
#include <QPainter>

namespace Platform {

namespace {

// The user sees a picture grow without a repaint for every column.
constexpr qint64 RepaintIntervalMs = 15;

} // namespace

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

} // namespace Platform
