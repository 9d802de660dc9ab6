#pragma once

#include "cli/RenderArguments.h"
#include "terminal/Console.h"

#include <QString>
#include <atomic>

namespace Cli {

// Where a render writes its frames, and the decimal separator it names them
// with there.
struct FilmFolderChoice
{
    QString path; // empty when the film has no folder to write into
    // Null for a folder named without one: its frames' own then.
    QChar separator;
};

// The film's folder under options.parent, made if missing, tried for
// writing before any frame is rendered. The folder's name carries the
// user's decimal separator, but a film begun under other number settings
// goes on in the folder it was begun in, its new frames named as its folder
// is; when it is there under both, the one that holds more of its frames
// is taken (the point's on a tie) and the other told. Problems are told on
// console, with the system's reason.
FilmFolderChoice ChooseFilmFolder(const RenderOptions& options, Terminal::Console& console,
                                  const std::atomic<int>& stop);

} // namespace Cli
