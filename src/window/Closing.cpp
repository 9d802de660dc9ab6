#include "window/frmPowerReels.h"

using namespace Platform;

void frmPowerReels::cmdExit_Click()
{
    Unload();
}

void frmPowerReels::Form_QueryUnload(int& Cancel, int UnloadMode)
{
    if (UnloadMode == UnloadOrigin::AppWindows || UnloadMode == UnloadOrigin::TaskManager) {
        Cancel = 0;
        End();
        return;
    }
    if (tmrSlideShow.Enabled()) {
        tmrSlideShow.setEnabled(false);
        RestoreIdleWindow();
        Cancel = 1;
        return;
    }
    if (Caption() == "PowerReels") {
        Cancel = 0;
        End();
        return;
    }
    const int answer = desktop().MsgBox("PowerReels Is Working. Do You Want to Close It?",
                                        MsgBoxFlags::OkCancel | MsgBoxFlags::Question |
                                            MsgBoxFlags::DefaultButton2,
                                        "PowerReels - Exit!");
    if (answer == MsgBoxOk) {
        Cancel = 0;
        End();
    } else {
        Cancel = 1;
    }
}
