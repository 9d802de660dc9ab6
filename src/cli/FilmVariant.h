#pragma once

#include "cli/FilmParameters.h"

#include <QString>
#include <optional>

namespace Cli {

// What a film's folder name adds for frames drawn otherwise than the
// window's: "" for the window's frames, else " SS3", " Smooth" or
// " SS3 Smooth" (n x n samples per pixel, continuous escape values), so that
// variant and default frames never share a folder.
QString VariantSuffix(const FilmParameters& film);

// Reads such a suffix back into film; false when it is not one VariantSuffix
// writes.
bool ReadVariantSuffix(const QString& suffix, FilmParameters& film);

// The film's folder under basePath (ending in "/"): the window's name with
// the variant suffix.
QString FilmFolderPath(const QString& basePath, const FilmParameters& film);

} // namespace Cli
