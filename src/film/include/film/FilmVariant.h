#pragma once

#include "film/FilmParameters.h"

#include <QString>

namespace Film {

// What a film's folder name adds for frames drawn or named otherwise than
// the window's: "" for the window's frames, else " SS3", " SS3 Adaptive",
// " Smooth" and " D6" in this order (n x n samples per pixel, only near
// edges, continuous escape values, six decimals in the frame names), so that
// variant and default frames never share a folder.
QString VariantSuffix(const FilmParameters& film);

// Reads such a suffix back into film; false when it is not one VariantSuffix
// writes.
bool ReadVariantSuffix(const QString& suffix, FilmParameters& film);

} // namespace Film
