#pragma once

#include <QImage>
#include <QString>
#include <vector>

// What a video file holds, read back with FFmpeg's demuxers and decoders.
struct VideoFacts
{
    QString codec; // FFmpeg's codec name, e.g. "h264"
    int width = 0;
    int height = 0;
    int frames = 0;               // decoded pictures
    double seconds = 0;           // from the first picture's start to the last one's end
    double containerSeconds = 0;  // the duration the file states
    std::vector<QImage> pictures; // RGB32, when asked for
    int rateNumerator = 0, rateDenominator = 0; // ffprobe's r_frame_rate
};

// Throws std::runtime_error when the file cannot be read as a video.
VideoFacts ProbeVideo(const QString& path, bool keepPictures = false);
