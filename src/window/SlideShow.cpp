#include "window/frmPowerReels.h"

#include "Attempt.h"
#include "film/FrameNaming.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "slideshow/Playback.h"

using namespace Platform;

namespace {

static_assert(SlideShow::MaxFrameTime <= Timer::MaxInterval, "the timer takes every frame time");

QString FrameTimePrompt()
{
    return "How Long Do You Want Each Frame to Be Displayed (1-" +
           QString::number(SlideShow::MaxFrameTime) +
           " msec)?\r\n\r\n"
           "[During SlideShow Press <SPACE> to Stop/Resume and <ENTER> to Go Back]";
}

} // namespace

void frmPowerReels::cmdSlideShow_Click()
{
    if (!CheckInput() || !HasFilmsFolder())
        return;
    const double left = Left();
    const double top = Top();
    // 11 pixels left and 32 below, with the screen's exact twips per pixel.
    const QString answer =
        desktop().InputBox(FrameTimePrompt(), "PowerReels - SlideShow!", "42",
                           left - 11.0 * twipsPerPixelX(), top + 32.0 * twipsPerPixelY());
    const std::optional<std::int32_t> frameTime = SlideShow::FrameTimeFromAnswer(answer);
    if (!frameTime) {
        desktop().Beep();
        return;
    }
    lngInterval = *frameTime;
    FitWindowToPicture();
    lngDirection = 1;
    lngFrame = 0;
    tmrSlideShow.setInterval(lngInterval);
    tmrSlideShow.setEnabled(true);
}

void frmPowerReels::tmrSlideShow_Timer()
{
    Attempt([&] { tmrSlideShow.setInterval(lngInterval); });
    double e = 0;
    Attempt([&] { e = FrameExponent(lngFrame); });
    const QChar separator = DecimalSeparator();
    Attempt([&] { setCaption(Film::FrameCaption(e, " (SlideShow)", separator)); });
    // A missing or unreadable frame leaves the picture shown before.
    Attempt([&] {
        setPicture(LoadPicture(FrameFilePath(FrameFolderPath(separator), lngFrame, separator)));
    });
    const SlideShow::Position next = SlideShow::Advance(lngFrame, lngDirection, Steps);
    lngFrame = next.frame;
    lngDirection = next.direction;
    // Beyond the timer's range the hold is refused and the frame time stays.
    if (next.turned)
        Attempt([&] { tmrSlideShow.setInterval(10 * qint64(lngInterval)); });
}

void frmPowerReels::Form_KeyPress(int& KeyAscii)
{
    if (!SlideShow::IsShowCaption(Caption()))
        return;
    if (KeyAscii == KeySpace)
        tmrSlideShow.setEnabled(!tmrSlideShow.Enabled());
    if (KeyAscii == KeyEnter)
        lngDirection = -lngDirection;
}
