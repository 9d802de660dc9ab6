#pragma once

#include "cli/RenderProgress.h"
#include "platform/PictureFormat.h"

#include <QImage>
#include <QString>
#include <chrono>
#include <cstdint>
#include <future>

namespace Cli {

// A frame of a render as the progress tells of it.
struct FrameOfRender
{
    std::int64_t k = 0;        // index in the film
    std::int64_t position = 0; // counted from 1 in this render
    double e = 0;
    QString path;
    std::chrono::steady_clock::time_point started;
};

// Writes finished frames on a thread of its own, one at a time and in frame
// order, while the next frame renders; a PNG is compressed there as well.
// Outcomes are told to the observer on the caller's thread.
class FrameWriter
{
public:
    FrameWriter(RenderObserver& observer, Platform::PictureFormat format);
    // Waits for the write in progress.
    ~FrameWriter();
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // Starts writing the image once the previous frame is written.
    void write(QImage image, const FrameOfRender& frame);

    // Tells the outcome of a finished write, if there is one; with wait, waits
    // for the write in progress.
    void report(bool wait);

    // Frames that could not be written so far.
    std::int64_t failures() const { return m_failures; }

private:
    RenderObserver& m_observer;
    const Platform::PictureFormat m_format;
    std::future<QString> m_pending; // empty when saved, else why not
    FrameOfRender m_frame;
    std::int64_t m_failures = 0;
};

} // namespace Cli
