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

double frmPowerReels::FrameExponent(std::int64_t k) const
{
    return film.frameExponent(k);
}

QString frmPowerReels::FrameFolderPath(QChar separator) const
{
    return film.folderPath(strBasePath, separator);
}

QString frmPowerReels::FrameFilePath(const QString& folder, std::int64_t k, QChar separator) const
{
    return film.framePath(folder, k, separator);
}

bool frmPowerReels::HasFilmsFolder()
{
    if (strBasePath.isEmpty())
        warn(m_noFilmsFolder);
    return !strBasePath.isEmpty();
}

void frmPowerReels::cmdBegin_Click()
{
    if (!CheckInput() || !HasFilmsFolder())
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
        const Render::FrameRequest request = film.frameRequest(k);
        setCaption(Film::FrameCaption(request.e, " (Calculating)", separator));
        RenderFrame(request);
        if (HasEnded())
            return;
        setCaption(Film::FrameCaption(request.e, " (Saving)", separator));
        if (!Attempt([&] { SavePicture(Image(), FrameFilePath(strFolder, k, separator)); }))
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

void frmPowerReels::RenderFrame(const Render::FrameRequest& request)
{
    Render::FrameRender render(request);
    m_render = &render;
    for (std::int32_t x = 0; x < request.pixels && render.waitForColumn(x); ++x) {
        PutColumn(x, render.column(x));
        DoEvents();
        if (HasEnded())
            break;
    }
    m_render = nullptr;
    // The last columns are shown before the frame is saved.
    Refresh();
}
