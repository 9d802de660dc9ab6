#include "export/VideoSize.h"

#include <QRegularExpression>
#include <cmath>

namespace Export {

std::optional<QSize> ReadVideoSize(const QString& text, int largest)
{
    static const QRegularExpression size(R"(^([0-9]{1,9})[xX]([0-9]{1,9})$)");
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > largest || height > largest)
        return std::nullopt;
    return QSize(width, height);
}

QSize VideoSizeFor(VideoKind kind, QSize frameSize)
{
    if (!FactsOf(kind).fourTwoZero)
        return frameSize;
    return QSize((frameSize.width() + 1) & ~1, (frameSize.height() + 1) & ~1);
}

QSize VideoSizeFor(VideoKind kind, QSize frameSize, const VideoTuning& tuning)
{
    return VideoSizeFor(kind, tuning.size.isEmpty() ? frameSize : tuning.size);
}

std::optional<QString> SizeWarning(VideoKind kind, QSize frameSize)
{
    const qint64 limit = FactsOf(kind).playableMacroblocks;
    const QSize videoSize = VideoSizeFor(kind, frameSize);
    const qint64 macroblocks =
        qint64((videoSize.width() + 15) / 16) * ((videoSize.height() + 15) / 16);
    if (limit == 0 || macroblocks <= limit)
        return std::nullopt;
    const int side = int(std::sqrt(double(limit))) * 16;
    const QString codec = QString::fromLatin1(FactsOf(kind).codec);
    return QString("A %1 x %2 %3 video is above the largest %3 level (%4 blocks of 16 x 16 "
                   "pixels, about %5 x %5); many players will not play it.")
        .arg(videoSize.width())
        .arg(videoSize.height())
        .arg(codec)
        .arg(limit)
        .arg(side);
}

} // namespace Export
