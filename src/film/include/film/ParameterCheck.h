#pragma once

#include "film/FilmParameters.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace Film {

// The four numbers of a film as the user typed them.
struct ParameterTexts
{
    QString eMin;
    QString eMax;
    QString steps;
    QString pixels;
};

// The smallest picture size a film may have.
inline constexpr std::int32_t MinPixels = 104;

enum class ParameterField
{
    None,
    EMin,
    EMax,
    Steps,
    Pixels,
};

// The outcome of checking a film's numbers. The values are those read
// before the check stopped: a field after the failing one is not read.
struct ParameterCheck
{
    bool passed = false;
    QString message;                             // empty when passed
    ParameterField field = ParameterField::None; // the field to correct
    std::optional<double> eMin;
    std::optional<double> eMax;
    std::optional<std::int32_t> steps;
    std::optional<std::int32_t> pixels;
    // Refused only because two frames would share a file name: a film that
    // an earlier version stored so may still be read.
    bool namesShared = false;
};

// A film's four numbers, each none when it cannot be held (too large for a
// double or a 32-bit integer).
struct FilmNumbers
{
    std::optional<double> eMin;
    std::optional<double> eMax;
    std::optional<std::int32_t> steps;
    std::optional<std::int32_t> pixels;
};

// Reads the texts as the window reads its boxes (Val, then CLng for the
// whole numbers).
FilmNumbers ReadFilmNumbers(const ParameterTexts& texts);

// (eMax - eMin) x 10^decimals: the most steps whose exponents lie at least
// one unit of the names' last decimal apart, not rounded.
double StepsLimit(double eMin, double eMax, int decimals);

// Checks the numbers in order, for frame names with the given decimals; the
// first failing rule gives its message. A number that could not be held gives
// "Redo From Start." with no field, but only once the rules before it have
// passed. The last rule refuses a film two of whose frames would get one file
// name ("Please, fewer 'Steps': ...", on Steps).
ParameterCheck CheckFilmNumbers(const FilmNumbers& numbers, std::int32_t maxPixels,
                                int decimals = DefaultDecimals);

// Both in one, as the window's parameter check does.
ParameterCheck CheckParameters(const ParameterTexts& texts, std::int32_t maxPixels,
                               int decimals = DefaultDecimals);

// The fewest decimals above the given ones, up to MaxDecimals, under which a
// film of these steps passes the rules on Steps; none if no such.
std::optional<int> DecimalsThatFit(double eMin, double eMax, std::int32_t steps, int decimals);

// The film a passed check describes, with its palette.
FilmParameters CheckedFilm(const ParameterCheck& check, int paletteIndex);

} // namespace Film
