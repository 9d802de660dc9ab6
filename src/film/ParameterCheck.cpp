#include "film/ParameterCheck.h"

#include "film/SharedFrameNames.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <cmath>

namespace Film {

using namespace Platform;

ParameterCheck CheckParameters(const ParameterTexts& texts, std::int32_t maxPixels)
{
    ParameterCheck check;
    const auto refuse = [&check](const QString& message, ParameterField field) {
        check.message = message;
        check.field = field;
        return check;
    };
    try {
        check.eMin = Val(texts.eMin);
        if (*check.eMin < 1)
            return refuse("Please, 'Minimum e' >= 1.", ParameterField::EMin);

        check.eMax = Val(texts.eMax);
        if (*check.eMax <= *check.eMin)
            return refuse("Please, 'Maximum e' > 'Minimum e'.", ParameterField::EMax);

        check.steps = CLng(Val(texts.steps));
        if (*check.steps < 1)
            return refuse("Please, 'Steps' > 0.", ParameterField::Steps);
        // The exponent step must stay at least 0.001, the resolution of the
        // frame names.
        const double stepLimit = (*check.eMax - *check.eMin) * 1000;
        if (!std::isfinite(stepLimit))
            throw RuntimeError(ErrorKind::Overflow);
        if (*check.steps > stepLimit)
            return refuse("Please, 'Steps' <= " + QString::number(qint64(Int(stepLimit))) + ".",
                          ParameterField::Steps);

        check.pixels = CLng(Val(texts.pixels));
        if (*check.pixels < MinPixels)
            return refuse("Please, 'Pixels' >= " + QString::number(MinPixels) + ".",
                          ParameterField::Pixels);
        if (*check.pixels > maxPixels)
            return refuse("Please, 'Pixels' <= " + QString::number(maxPixels) + ".",
                          ParameterField::Pixels);
        // The later of two frames named alike would replace the earlier.
        if (FramesShareNames(*check.eMin, *check.eMax, *check.steps)) {
            check.namesShared = true;
            return refuse("Please, fewer 'Steps': two frames would share one file name.",
                          ParameterField::Steps);
        }
    } catch (const RuntimeError&) {
        return refuse("Redo From Start.", ParameterField::None);
    }
    check.passed = true;
    return check;
}

} // namespace Film
