#include "film/ParameterCheck.h"

#include "film/SharedFrameNames.h"

#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <cmath>

namespace Film {

using namespace Platform;

namespace {

template<class Read>
auto Held(Read read) -> std::optional<decltype(read())>
{
    try {
        return read();
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

FilmNumbers ReadFilmNumbers(const ParameterTexts& texts)
{
    return {Held([&] { return Val(texts.eMin); }), Held([&] { return Val(texts.eMax); }),
            Held([&] { return CLng(Val(texts.steps)); }),
            Held([&] { return CLng(Val(texts.pixels)); })};
}

double StepsLimit(double eMin, double eMax, int decimals)
{
    return (eMax - eMin) * NameUnits(decimals);
}

ParameterCheck CheckFilmNumbers(const FilmNumbers& numbers, std::int32_t maxPixels, int decimals)
{
    ParameterCheck check;
    const auto refuse = [&check](const QString& message, ParameterField field) {
        check.message = message;
        check.field = field;
        return check;
    };
    const auto redo = [&] { return refuse("Redo From Start.", ParameterField::None); };

    if (!(check.eMin = numbers.eMin))
        return redo();
    if (*check.eMin < 1)
        return refuse("Please, 'Minimum e' >= 1.", ParameterField::EMin);

    if (!(check.eMax = numbers.eMax))
        return redo();
    if (*check.eMax <= *check.eMin)
        return refuse("Please, 'Maximum e' > 'Minimum e'.", ParameterField::EMax);

    if (!(check.steps = numbers.steps))
        return redo();
    if (*check.steps < 1)
        return refuse("Please, 'Steps' > 0.", ParameterField::Steps);
    // The exponent step must stay at least one unit of the last decimal of
    // the frame names (0.001 for the window's).
    const double stepLimit = StepsLimit(*check.eMin, *check.eMax, decimals);
    if (!std::isfinite(stepLimit))
        return redo();
    if (*check.steps > stepLimit)
        return refuse("Please, 'Steps' <= " + QString::number(qint64(Int(stepLimit))) + ".",
                      ParameterField::Steps);

    if (!(check.pixels = numbers.pixels))
        return redo();
    if (*check.pixels < MinPixels)
        return refuse("Please, 'Pixels' >= " + QString::number(MinPixels) + ".",
                      ParameterField::Pixels);
    if (*check.pixels > maxPixels)
        return refuse("Please, 'Pixels' <= " + QString::number(maxPixels) + ".",
                      ParameterField::Pixels);
    // The later of two frames named alike would replace the earlier.
    if (FramesShareNames(*check.eMin, *check.eMax, *check.steps, decimals)) {
        check.namesShared = true;
        return refuse("Please, fewer 'Steps': two frames would share one file name.",
                      ParameterField::Steps);
    }
    check.passed = true;
    return check;
}

ParameterCheck CheckParameters(const ParameterTexts& texts, std::int32_t maxPixels, int decimals)
{
    return CheckFilmNumbers(ReadFilmNumbers(texts), maxPixels, decimals);
}

std::optional<int> DecimalsThatFit(double eMin, double eMax, std::int32_t steps, int decimals)
{
    for (int finer = decimals + 1; steps >= 1 && finer <= MaxDecimals; ++finer) {
        if (steps <= StepsLimit(eMin, eMax, finer) && !FramesShareNames(eMin, eMax, steps, finer))
            return finer;
    }
    return std::nullopt;
}

FilmParameters CheckedFilm(const ParameterCheck& check, int paletteIndex)
{
    return {check.eMin.value_or(0), check.eMax.value_or(0), check.steps.value_or(0),
            check.pixels.value_or(0), paletteIndex};
}

} // namespace Film
