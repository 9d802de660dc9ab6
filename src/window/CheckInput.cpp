#include "window/frmPowerReels.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <cmath>

using namespace Platform;

void frmPowerReels::warn(const QString& message)
{
    desktop().MsgBox(message, MsgBoxFlags::Exclamation, "PowerReels - Warning!");
}

bool frmPowerReels::CheckInput()
{
    // The values are stored as they are read; a field after the failing one
    // is not read at all.
    const auto refuse = [this](const QString& message, QWidget& field) {
        warn(message);
        field.setFocus(Qt::OtherFocusReason);
        return false;
    };
    try {
        cmdSlideShow.setFocus(Qt::OtherFocusReason);
        if (lngTwipsY == 0)
            throw RuntimeError(ErrorKind::DivisionByZero);
        const double screenHeight = desktop().Screen().Height;
        const std::int32_t lngMaxPixels = CLng((screenHeight - (Height() - ScaleHeight())) / lngTwipsY);

        eMin = Val(txteMin.text());
        if (eMin < 1)
            return refuse("Please, 'Minimum e' >= 1.", txteMin);

        eMax = Val(txteMax.text());
        if (eMax <= eMin)
            return refuse("Please, 'Maximum e' > 'Minimum e'.", txteMax);

        Steps = CLng(Val(txtSteps.text()));
        if (Steps < 1)
            return refuse("Please, 'Steps' > 0.", txtSteps);

        const double stepLimit = (eMax - eMin) * 1000;
        if (!std::isfinite(stepLimit))
            throw RuntimeError(ErrorKind::Overflow);
        if (Steps > stepLimit) {
            const auto largest = static_cast<qint64>(Int(stepLimit));
            return refuse("Please, 'Steps' <= " + QString::number(largest) + ".", txtSteps);
        }

        Pixels = CLng(Val(txtPixels.text()));
        if (Pixels < 104)
            return refuse("Please, 'Pixels' >= 104.", txtPixels);
        if (Pixels > lngMaxPixels)
            return refuse("Please, 'Pixels' <= " + QString::number(lngMaxPixels) + ".",
                          txtPixels);
        return true;
    } catch (const RuntimeError&) {
        warn("Redo From Start.");
        return false;
    }
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
