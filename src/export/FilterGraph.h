#pragma once

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

struct AVFilterGraph;
struct AVFilterContext;

namespace Export {

struct AvFrameDeleter
{
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using AvFramePointer = std::unique_ptr<AVFrame, AvFrameDeleter>;

// A frame of this size and format with FFmpeg's padded rows (its filters and
// swscale may read and write past the end of a row). Throws VideoError.
AvFramePointer NewAvFrame(QSize size, AVPixelFormat format);

// Copies the picture's rows (of bytesPerPixel) into the frame's.
void CopyIntoFrame(const QImage& picture, AVFrame& frame, int bytesPerPixel);

// Writes the picture's pixels into an RGB24 frame of its size.
void CopyIntoRgb24Frame(const QImage& picture, AVFrame& frame);

// The RGB24 frame as a picture that owns it, without a copy: its rows keep
// FFmpeg's padding, so swscale may read them directly.
QImage WrapRgb24Frame(AvFramePointer frame);

// A chain of libavfilter's filters with one picture in and one out, written
// as ffmpeg's -vf is ("zscale=...,format=rgb24").
class FilterGraph
{
public:
    // Throws VideoError when this FFmpeg lacks a filter or refuses the chain.
    FilterGraph(QSize size, AVPixelFormat format, const QString& chain);
    ~FilterGraph();
    FilterGraph(const FilterGraph&) = delete;
    FilterGraph& operator=(const FilterGraph&) = delete;

    // The picture the chain makes of input. With last, the chain is closed
    // after input, for filters that answer only at the end (a palette taken
    // from the whole picture); it takes no picture after that.
    AvFramePointer apply(const AVFrame& input, bool last = false);

private:
    struct GraphDeleter
    {
        void operator()(AVFilterGraph* graph) const;
    };
    std::unique_ptr<AVFilterGraph, GraphDeleter> m_graph;
    AVFilterContext* m_source = nullptr; // owned by the graph
    AVFilterContext* m_sink = nullptr;
};

} // namespace Export
