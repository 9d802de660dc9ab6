#pragma once

#include "export/MemoryPlan.h"
#include "export/VideoKind.h"
#include "export/VideoSize.h"
#include "export/VideoTuning.h"
#include "terminal/MessageError.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace Export {

// A video that cannot be made; the text tells why.
class VideoError : public Terminal::MessageError
{
public:
    using MessageError::MessageError;
};

// Encodes frames into a video file with FFmpeg's libraries. The file at path
// is incomplete until finish() has returned. Throws VideoError, among others
// when this FFmpeg lacks the encoder.
class VideoWriter
{
public:
    // The encoder is set up as settings says; where the system allows fewer
    // threads (a process limit), it runs with fewer, down to one.
    VideoWriter(VideoKind kind, const QString& path, QSize frameSize, const VideoTuning& tuning,
                const EncoderSettings& settings = {});
    ~VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    // The size in the video (VideoSizeFor).
    QSize videoSize() const;

    // The encoder's threads: those it was to run and those that run.
    int threadsPlanned() const;
    int threadsRunning() const;

    // Appends one frame of frameSize, scaled to the video's size if that was
    // asked for, shown for one frame time.
    void addFrame(const QImage& frame);

    // Flushes the encoder and completes the file.
    void finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace Export
