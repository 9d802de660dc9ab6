#pragma once

#include "film/FilmParameters.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Film {

// Reads "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow" back, with the variant
// suffix if there is one (" SS3 Smooth D6"), under the rules for the frame
// names' decimals the suffix gives. The numbers are
// general numbers with a point or a decimal comma (or the user's decimal
// separator), as the program wrote them under some number settings. None
// when the name is not a film's or its numbers could not make a film.
std::optional<FilmParameters> ParseFilmFolderName(const QString& name);

// Frames reported one by one; past these only their number is told.
inline constexpr std::size_t NamedFrames = 20;

struct FilmFrame
{
    std::int64_t k = 0; // index in the film, 0..steps
    double e = 0;
    QString path;
    // The frame's other files (under the other decimal separator, in the
    // other format), each tried in turn after path.
    QStringList otherPaths;
};

struct FilmFrames
{
    std::vector<FilmFrame> present; // in the order of their exponents
    // The first missing frames, up to a few dozen, and how many there are in
    // all: a film may name billions of frames that were never made.
    std::vector<FilmFrame> missing;
    std::int64_t missingCount = 0;
    // The separator most present frames are named with, which the missing
    // ones are named with too; the user's own on a tie or when none is.
    QChar separator;
    bool stopped = false; // the listing was interrupted
};

// The frame files of the film in folder, named as the film run names them
// (with the film's decimals), as bitmaps or PNG, found in one read of the
// folder: time and memory follow the files there, not the film's length.
// The separator in the file names follows the number settings the film was
// made under, which need not be the user's now, nor the same for all its
// parts: a frame is found under either, and the missing ones are named with
// the separator under which most frames are found. A frame's files are
// listed in the order they are tried: bitmap before PNG, and in each format
// the separator most frames use first. Ends early, with stopped set, once
// stop is not 0.
FilmFrames ListFilmFrames(const QString& folder, const FilmParameters& film,
                          const std::atomic<int>& stop);

// The first of the frame's files that whole judges whole, in the listing's
// order; none when none is. The one rule by which a resumed render keeps a
// frame and export plays it, so that the two never disagree.
std::optional<QString> WholeFrameFile(const FilmFrame& frame,
                                      const std::function<bool(const QString&)>& whole);

} // namespace Film
