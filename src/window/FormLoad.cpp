#include "window/frmPowerReels.h"

#include "platform/App.h"
#include "platform/Numbers.h"

using namespace Platform;

void frmPowerReels::Form_Load()
{
    const ScreenMetrics screen = desktop().Screen();
    lngTwipsX = CLng(screen.TwipsPerPixelX);
    lngTwipsY = CLng(screen.TwipsPerPixelY);
    strBasePath = desktop().AppPath();
    if (Right(strBasePath, 1) != "/")
        strBasePath += "/";
    const int major = App::Major;
    const int minor = App::Minor;
    fraPowerReels.setTitle("v" + Format(major, u"0.") + Format(minor, u"00"));
    cboColors.setCurrentIndex(0);
}
