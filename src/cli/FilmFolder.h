#pragma once

#include "cli/FilmParameters.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace Cli {

// Reads "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow" back. The numbers are
// general numbers with a point or a decimal comma (or the user's decimal
// separator), as the program wrote them under some number settings. None
// when the name is not a film's or its numbers could not make a film.
std::optional<FilmParameters> ParseFilmFolderName(const QString& name);

struct FilmFrame
{
    std::int32_t k = 0; // index in the film, 0..steps
    double e = 0;
    QString path;
};

struct FilmFrames
{
    std::vector<FilmFrame> present; // in the order of their exponents
    std::vector<FilmFrame> missing;
};

// The frame files of the film in folder, named as the film run names them.
// The separator in the file names follows the number settings the film was
// made under, which need not be the user's now: the settings under which
// most frames are found are taken.
FilmFrames ListFilmFrames(const QString& folder, const FilmParameters& film);

} // namespace Cli
