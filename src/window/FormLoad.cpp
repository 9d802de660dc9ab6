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
    // An installed program's folder is not the user's to write in, even when
    // root may; the films then go where the user keeps pictures, for the run
    // and the show alike, or nowhere when that cannot be had.
    if (App::IsInstalledProgramFolder(strBasePath) || !App::IsWritableFolder(strBasePath))
        strBasePath = App::UserFilmsFolder(m_noFilmsFolder);
    const int major = App::Major;
    const int minor = App::Minor;
    const QChar separator = DecimalSeparator();
    fraPowerReels.setTitle("v" + Format(major, u"0.", separator) + Format(minor, u"00", separator));
    cboColors.setCurrentIndex(0);
}
