#include "cli/RenderProgress.h"

#include "film/FrameNaming.h"
#include "platform/Numbers.h"

#include <QFileInfo>
#include <cmath>

namespace Cli {

using namespace Terminal;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Numbered as in the film, whatever part of it is rendered.
QString FrameText(std::int64_t k, double e, const ProgressState& film)
{
    return QString("frame %1 of 0-%2 (e=%3)")
        .arg(k)
        .arg(film.steps)
        .arg(Film::ExponentText(e, Platform::DecimalSeparator(), film.decimals));
}

// Shared bookkeeping of the two visible forms.
class ProgressBase : public RenderObserver
{
public:
    void filmStarted(const QString& folder, std::int64_t frameCount, std::int64_t kept,
                     const RenderOptions& film) override
    {
        m_start = Clock::now();
        m_folder = folder;
        m_plan = film.lengthPlan;
        m_kept = kept;
        m_state.frameCount = frameCount;
        m_state.steps = film.film.steps;
        m_state.decimals = film.film.decimals;
        note(QString("Rendering %1 frame%2 into \"%3\"%4.")
                 .arg(frameCount)
                 .arg(frameCount == 1 ? "" : "s")
                 .arg(folder)
                 .arg(kept > 0 ? QString(" (%1 kept from before)").arg(kept) : QString()));
    }
    void frameStarted(std::int64_t position, std::int64_t k, double e) override
    {
        m_state.position = position;
        m_state.k = k;
        m_state.e = e;
        m_state.columns = 0;
    }
    void columnsFinished(int columns, int pixels) override
    {
        m_state.columns = columns;
        m_state.pixels = pixels;
    }
    void filmSummary(std::int64_t written, std::int64_t failed) override
    {
        note(SummaryText(written, m_kept, failed, SecondsSince(m_start), m_folder, m_plan));
    }

protected:
    ProgressState current()
    {
        m_state.elapsedSeconds = SecondsSince(m_start);
        return m_state;
    }

private:
    Clock::time_point m_start = Clock::now();
    QString m_folder;
    QString m_plan;
    std::int64_t m_kept = 0;
    ProgressState m_state;
};

class LineProgress : public ProgressBase
{
public:
    void note(const QString& text) override { m_console.note(text); }
    void problem(const QString& text) override { m_console.problem(text); }
    void frameSaved(std::int64_t k, double e, const QString& path, double seconds) override
    {
        note(QString("%1 saved as %2 in %3 s")
                 .arg(FrameText(k, e, current()), QFileInfo(path).fileName(),
                      QString::number(seconds, 'f', 1)));
    }
    void filmEnded() override {}

private:
    StderrConsole m_console;
};

class BarProgress : public ProgressBase
{
public:
    void note(const QString& text) override
    {
        clearBar();
        m_console.note(text);
    }
    void problem(const QString& text) override
    {
        clearBar();
        m_console.problem(text);
    }
    void frameStarted(std::int64_t position, std::int64_t k, double e) override
    {
        ProgressBase::frameStarted(position, k, e);
        draw();
    }
    void columnsFinished(int columns, int pixels) override
    {
        ProgressBase::columnsFinished(columns, pixels);
        // A few redraws a second are enough to read and cost nothing.
        if (Clock::now() - m_lastDraw >= std::chrono::milliseconds(100) || columns == pixels)
            draw();
    }
    void frameSaved(std::int64_t, double, const QString&, double) override {}
    void filmEnded() override
    {
        if (m_drawn)
            WriteStderr("\n");
        m_drawn = false;
    }

private:
    void draw()
    {
        WriteStderr("\r" + ProgressBarText(current(), 20) + "\x1b[K");
        m_drawn = true;
        m_lastDraw = Clock::now();
    }
    void clearBar()
    {
        if (m_drawn)
            WriteStderr("\r\x1b[K");
        m_drawn = false;
    }

    StderrConsole m_console;
    bool m_drawn = false;
    Clock::time_point m_lastDraw;
};

} // namespace

double DoneFraction(const ProgressState& state)
{
    const double frame = state.pixels > 0 ? double(state.columns) / state.pixels : 0;
    return state.frameCount > 0 ? (state.position - 1 + frame) / state.frameCount : 0;
}

std::optional<double> SecondsLeft(const ProgressState& state)
{
    const double done = DoneFraction(state);
    if (done <= 0)
        return std::nullopt;
    return state.elapsedSeconds * (1 - done) / done;
}

QString ProgressBarText(const ProgressState& state, int barWidth)
{
    const double frame = state.pixels > 0 ? double(state.columns) / state.pixels : 0;
    const int filled = int(std::floor(frame * barWidth));
    const std::optional<double> left = SecondsLeft(state);
    return QString("%1 [%2%3] %4%  elapsed %5  left %6")
        .arg(FrameText(state.k, state.e, state), QString(filled, u'#'),
             QString(barWidth - filled, u'-'))
        .arg(int(std::floor(frame * 100)), 3)
        .arg(FormatDuration(state.elapsedSeconds), left ? FormatDuration(*left) : "-:--");
}

QString SummaryText(std::int64_t written, std::int64_t kept, std::int64_t failed, double seconds,
                    const QString& folder, const QString& plan)
{
    return QString("%1 frame%2 written, %3 kept, %4 failed in %5; %6the film is in \"%7\".")
        .arg(written)
        .arg(written == 1 ? "" : "s")
        .arg(kept)
        .arg(failed)
        .arg(FormatDuration(seconds), plan.isEmpty() ? QString() : plan + "; ", folder);
}

std::unique_ptr<RenderObserver> MakeBarProgress()
{
    return std::make_unique<BarProgress>();
}

std::unique_ptr<RenderObserver> MakeLineProgress()
{
    return std::make_unique<LineProgress>();
}

} // namespace Cli
