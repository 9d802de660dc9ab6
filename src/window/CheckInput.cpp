#include "window/frmPowerReels.h"

#include "film/ParameterCheck.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

using namespace Platform;

void frmPowerReels::warn(const QString& message)
{
    desktop().MsgBox(message, MsgBoxFlags::Exclamation, "PowerReels - Warning!");
}

bool frmPowerReels::CheckInput()
{
    cmdSlideShow.setFocus(Qt::OtherFocusReason);
    std::int32_t lngMaxPixels = 0;
    try {
        if (lngTwipsY == 0)
            throw RuntimeError(ErrorKind::DivisionByZero);
        const double screenHeight = desktop().Screen().Height;
        lngMaxPixels = CLng((screenHeight - (Height() - ScaleHeight())) / lngTwipsY);
    } catch (const RuntimeError&) {
        warn("Redo From Start.");
        return false;
    }

    const Film::ParameterCheck check = Film::CheckParameters(
        {txteMin.text(), txteMax.text(), txtSteps.text(), txtPixels.text()}, lngMaxPixels);
    // What was read is kept, even when a later rule refused it.
    eMin = check.eMin.value_or(eMin);
    eMax = check.eMax.value_or(eMax);
    Steps = check.steps.value_or(Steps);
    Pixels = check.pixels.value_or(Pixels);
    if (check.passed) {
        film.paletteIndex = cboColors.currentIndex();
        return true;
    }

    warn(check.message);
    switch (check.field) {
    case Film::ParameterField::EMin:
        txteMin.setFocus(Qt::OtherFocusReason);
        break;
    case Film::ParameterField::EMax:
        txteMax.setFocus(Qt::OtherFocusReason);
        break;
    case Film::ParameterField::Steps:
        txtSteps.setFocus(Qt::OtherFocusReason);
        break;
    case Film::ParameterField::Pixels:
        txtPixels.setFocus(Qt::OtherFocusReason);
        break;
    case Film::ParameterField::None:
        break;
    }
    return false;
}

namespace {

// Typing then replaces the whole text.
void SelectWholeText(TextBox& box)
{
    box.setSelStart(0);
    box.setSelLength(int(box.text().length()));
}

} // namespace

void frmPowerReels::txteMin_GotFocus()
{
    SelectWholeText(txteMin);
}

void frmPowerReels::txteMax_GotFocus()
{
    SelectWholeText(txteMax);
}

void frmPowerReels::txtSteps_GotFocus()
{
    SelectWholeText(txtSteps);
}

void frmPowerReels::txtPixels_GotFocus()
{
    SelectWholeText(txtPixels);
}
