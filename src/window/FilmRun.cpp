#include "window/frmPowerReels.h"

#include "Attempt.h"
#include "film/FrameNaming.h"
#include "platform/Events.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/StagedFile.h"
#include "render/FrameRenderer.h"

using namespace Platform;

namespace {

// The film the window's variables and palette list describe.
Film::FilmParameters FilmOf(const frmPowerReels& form)
{
    return {form.eMin, form.eMax, form.Steps, form.Pixels, form.cboColors.currentIndex()};
}

} // namespace

double frmPowerReels::FrameExponent(std::int64_t k) const
{
    return FilmOf(*this).frameExponent(k);
}

QString frmPowerReels::FrameFolderPath(QChar separator) const
{
    return Film::FrameFolderPath(strBasePath, FilmOf(*this), separator);
}

void frmPowerReels::cmdBegin_Click()
{
    if (!CheckInput())
        return;
    FitWindowToPicture();

    const QChar separator = DecimalSeparator();
    const QString strFolder = FrameFolderPath(separator);
    Attempt([&] { MkDir(strFolder); });
    ClearAbandonedStaging(strFolder);
    // Counted in 64 bits: the last frame of the longest film is the largest
    // 32-bit number.
    const std::int64_t frames = Steps;
    std::int64_t unsaved = 0;
    for (std::int64_t k = 0; k <= frames; ++k) {
        const double e = FilmOf(*this).renderedExponent(k);
        setCaption(Film::FrameCaption(e, " (Calculating)", separator));
        RenderFrame(e);
        if (HasEnded())
            return;
        setCaption(Film::FrameCaption(e, " (Saving)", separator));
        if (!Attempt([&] { SavePicture(Image(), Film::FrameFilePath(strFolder, e, separator)); }))
            ++unsaved;
    }
    RestoreIdleWindow();

    // A film that could not be stored must not look finished.
    if (unsaved > 0)
        warn(QString("%1 of the film's %2 frames could not be saved in the folder \"%3\".")
                 .arg(unsaved)
                 .arg(frames + 1)
                 .arg(strFolder));
}

void frmPowerReels::RenderFrame(double e)
{
    Render::FrameRequest request;
    request.e = e;
    request.pixels = Pixels;
    request.paletteIndex = cboColors.currentIndex();
    Render::FrameRender render(request);
    m_render = &render;
    for (std::int32_t x = 0; x < Pixels && render.waitForColumn(x); ++x) {
        PutColumn(x, render.column(x));
        DoEvents();
        if (HasEnded())
            break;
    }
    m_render = nullptr;
    // The last columns are shown before the frame is saved.
    Refresh();
}
