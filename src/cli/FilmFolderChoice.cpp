#include "FilmFolderChoice.h"

#include "film/FilmFolder.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "platform/StagedFile.h"
#include "terminal/FolderCheck.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace Cli {

using namespace Terminal;

namespace {

// The film's folder under each decimal separator its name may carry, in the
// order that decides between folders that hold as many frames: the point's
// first, whatever the user's settings, so that parts of one film begun under
// different settings at the same time settle on one folder. A name without a
// decimal separator leaves the separator of its frames open (null).
std::vector<FilmFolderChoice> NamedFolders(const RenderOptions& options)
{
    std::vector<FilmFolderChoice> folders;
    for (const QChar separator : {QChar(u'.'), QChar(u','), Platform::DecimalSeparator()}) {
        const QString path = options.film.folderPath(options.parent, separator);
        const auto same = [&](const FilmFolderChoice& folder) { return folder.path == path; };
        const auto found = std::find_if(folders.begin(), folders.end(), same);
        if (found == folders.end())
            folders.push_back({path, separator});
        else if (found->separator != separator)
            found->separator = QChar();
    }
    return folders;
}

std::vector<FilmFolderChoice> ExistingFolders(const std::vector<FilmFolderChoice>& named)
{
    std::vector<FilmFolderChoice> existing;
    std::copy_if(named.begin(), named.end(), std::back_inserter(existing),
                 [](const FilmFolderChoice& folder) { return QFileInfo(folder.path).isDir(); });
    return existing;
}

// Puts first, of the film's folders under different separators, the one
// that holds most of its frames (on a tie the earlier, the point's), and
// says which is taken.
void TakeFullest(std::vector<FilmFolderChoice>& folders, const RenderOptions& options,
                 Console& console, const std::atomic<int>& stop)
{
    std::vector<std::pair<std::size_t, FilmFolderChoice>> held;
    for (const FilmFolderChoice& folder : folders)
        held.emplace_back(Film::ListFilmFrames(folder.path, options.film, stop).present.size(),
                          folder);
    std::stable_sort(held.begin(), held.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    console.note(QString("The film's folder is there under both decimal separators: this render "
                         "goes on in \"%1\" (%2 frames there) and leaves \"%3\" (%4) alone.")
                     .arg(held[0].second.path)
                     .arg(held[0].first)
                     .arg(held[1].second.path)
                     .arg(held[1].first));
    for (std::size_t i = 0; i < held.size(); ++i)
        folders[i] = held[i].second;
}

// The folder made under the user's own separator, unless one of the
// film's folders is there after all; empty when none is.
std::vector<FilmFolderChoice> MakeFolder(const RenderOptions& options,
                                         const std::vector<FilmFolderChoice>& named,
                                         Console& console)
{
    const QString own = options.film.folderPath(options.parent, Platform::DecimalSeparator());
    QString reason;
    try {
        Platform::MkDir(own);
    } catch (const Platform::RuntimeError& error) {
        // A parallel render of another part of the film may have made it a
        // moment ago, under these number settings or others.
        reason = error.reason();
    }
    const std::vector<FilmFolderChoice> existing = ExistingFolders(named);
    if (existing.empty())
        console.problem(WithReason(QString("Cannot make the film folder \"%1\"").arg(own), reason));
    return existing;
}

} // namespace

FilmFolderChoice ChooseFilmFolder(const RenderOptions& options, Console& console,
                                  const std::atomic<int>& stop)
{
    if (const QString problem = FolderProblem(options.parent); !problem.isEmpty()) {
        console.problem(problem);
        return {};
    }
    const std::vector<FilmFolderChoice> named = NamedFolders(options);
    std::vector<FilmFolderChoice> existing = ExistingFolders(named);
    if (existing.empty())
        existing = MakeFolder(options, named, console);
    if (existing.empty())
        return {};
    if (existing.size() > 1)
        TakeFullest(existing, options, console, stop);
    FilmFolderChoice chosen = existing.front();
    // Found now, not after every frame has been rendered in vain.
    try {
        Platform::TryStaging(chosen.path);
    } catch (const Platform::RuntimeError& error) {
        console.problem(WithReason(
            QString("Cannot write into the film folder \"%1\"").arg(chosen.path), error.reason()));
        return {};
    }
    Platform::ClearAbandonedStaging(chosen.path);
    return chosen;
}

} // namespace Cli
