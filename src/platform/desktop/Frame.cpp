#include "platform/Frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace Platform {

namespace {

// Where the caption stands in the top edge, and the gap on either side of it.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;

} // namespace

void Frame::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    const QString caption = title();
    const QFontMetrics metrics(font());
    QRect edge = rect();
    QRect captionRect;
    if (!caption.isEmpty()) {
        edge.setTop(metrics.height() / 2);
        captionRect = QRect(CaptionIndent, 0, metrics.horizontalAdvance(caption) + 2 * CaptionGap,
                            metrics.height());
        painter.setClipRegion(QRegion(rect()) - captionRect);
    }
    qDrawShadeRect(&painter, edge, palette(), true, 1, 0);
    painter.setClipping(false);
    style()->drawItemText(&painter, captionRect, Qt::AlignCenter | Qt::TextHideMnemonic, palette(),
                          isEnabled(), caption, QPalette::WindowText);
}

} // namespace Platform
