#include "film/FilmFolder.h"

#include "film/FilmVariant.h"
#include "film/ParameterCheck.h"

#include "platform/Numbers.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Film {

namespace {

// A general number: digits, at most one decimal separator, and the
// exponent the general format writes for very large or small values.
std::optional<double> ReadGeneralNumber(QString text)
{
    const QChar userSeparator = Platform::DecimalSeparator();
    if (userSeparator != u'.')
        text.replace(userSeparator, u'.');
    text.replace(',', '.');
    static const QRegularExpression general(R"(^-?[0-9]+(\.[0-9]+)?(E[-+][0-9]+)?$)");
    if (!general.match(text).hasMatch())
        return std::nullopt;
    const std::string ascii = text.toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

// A frame file's name (or path) with another decimal separator.
QString WithSeparator(const QString& name, qsizetype separatorAt, QChar separator)
{
    QString changed = name;
    changed[separatorAt] = separator;
    return changed;
}

// Where the decimal separator stands in a frame file's name or path.
qsizetype SeparatorAt(const QString& name)
{
    return name.lastIndexOf(Platform::DecimalSeparator(), -5);
}

// A file found under a frame's name.
struct FoundFile
{
    QString path;
    QChar separator;
    Platform::PictureFormat format;
};

using FoundFiles = std::map<std::int64_t, std::vector<FoundFile>>;

// The frames whose name is this file's, by the separator the name uses. A
// name holds the exponent to the film's decimals, and frames lie at least one
// unit of the last of them apart, so only the nearest frames can bear it.
void MatchFile(const QString& name, const QRegularExpression& frameName, const FilmParameters& film,
               const QString& folder, FoundFiles& found)
{
    const QRegularExpressionMatch match = frameName.match(name);
    if (!match.hasMatch())
        return;
    FilmParameters stored = film;
    stored.format = *Platform::PictureFormatNamed(match.captured(4));
    const qsizetype separatorAt = match.capturedStart(2);
    const QString pointName = WithSeparator(name, separatorAt, u'.');
    const double named = (match.captured(1) + "." + match.captured(3)).toDouble();
    const double nearest = std::round((named - film.eMin) / (film.eMax - film.eMin) * film.steps);
    if (!std::isfinite(nearest))
        return;
    for (std::int64_t k = std::int64_t(std::clamp(nearest, -2.0, film.steps + 2.0)) - 2,
                      last = k + 4;
         k <= last; ++k) {
        if (k < 0 || k > film.steps)
            continue;
        const QString own = stored.frameFileName(k, Platform::DecimalSeparator());
        if (SeparatorAt(own) > 0 && WithSeparator(own, SeparatorAt(own), u'.') == pointName)
            found[k].push_back({folder + "/" + name, name[separatorAt], stored.format});
    }
}

// The separator most frames are named with; the user's own wins a tie.
QChar MostUsedSeparator(const FoundFiles& found)
{
    std::map<QChar, std::size_t> frames;
    for (const auto& [k, files] : found) {
        std::set<QChar> separators;
        for (const FoundFile& file : files)
            separators.insert(file.separator);
        for (const QChar separator : separators)
            ++frames[separator];
    }
    QChar best = Platform::DecimalSeparator();
    for (const auto& [separator, count] : frames) {
        if (count > frames[best])
            best = separator;
    }
    return best;
}

// The film's frames between present ones: the first few named (as the
// present ones are), all counted.
void FindMissing(const QString& folder, const FilmParameters& film, QChar separator,
                 FilmFrames& frames)
{
    // Named in the format most of the present frames have.
    const auto pngs =
        std::count_if(frames.present.begin(), frames.present.end(),
                      [](const FilmFrame& frame) { return frame.path.endsWith(".png"); });
    FilmParameters named = film;
    named.format = 2 * pngs > qsizetype(frames.present.size()) ? Platform::PictureFormat::Png
                                                               : Platform::PictureFormat::Bmp;
    std::int64_t next = 0;
    const auto addGap = [&](std::int64_t end) {
        frames.missingCount += end - next;
        for (; next < end && frames.missing.size() < NamedFrames; ++next) {
            const QString path = named.framePath(folder, next, Platform::DecimalSeparator());
            frames.missing.push_back({next,
                                      film.frameExponent(next),
                                      WithSeparator(path, SeparatorAt(path), separator),
                                      {}});
        }
    };
    for (const FilmFrame& frame : frames.present) {
        addGap(frame.k);
        next = frame.k + 1;
    }
    addGap(std::int64_t(film.steps) + 1);
}

} // namespace

std::optional<FilmParameters> ParseFilmFolderName(const QString& name)
{
    static const QRegularExpression pattern(
        R"(^eMin=(\S+) eMax=(\S+) Steps=([0-9]+) Pixels=([0-9]+) (\S+)((?: \S+)*)$)");
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> eMin = ReadGeneralNumber(match.captured(1));
    const std::optional<double> eMax = ReadGeneralNumber(match.captured(2));
    const int paletteIndex = PaletteIndex(match.captured(5));
    if (!eMin || !eMax || paletteIndex < 0)
        return std::nullopt;
    FilmParameters film{*eMin, *eMax, 0, 0, paletteIndex};
    // The name is the palette's exactly, as the film run wrote it.
    if (match.captured(5) != film.paletteName())
        return std::nullopt;
    // The suffix says how finely the frames are named, which the rules need.
    if (!ReadVariantSuffix(match.captured(6), film))
        return std::nullopt;

    // Only a film that the parameter check lets through has frames to find.
    const auto whole = [](const QString& digits) -> std::optional<std::int32_t> {
        bool fits = false;
        const std::int32_t value = digits.toInt(&fits);
        return fits ? std::optional(value) : std::nullopt;
    };
    const ParameterCheck check = CheckFilmNumbers(
        {eMin, eMax, whole(match.captured(3)), whole(match.captured(4))}, MaxPixels, film.decimals);
    // A film stored before its names were checked may still be exported.
    if (!check.passed && !check.namesShared)
        return std::nullopt;
    const FilmParameters numbers = CheckedFilm(check, paletteIndex);
    film.steps = numbers.steps;
    film.pixels = numbers.pixels;
    return film;
}

std::optional<QString> WholeFrameFile(const FilmFrame& frame,
                                      const std::function<bool(const QString&)>& whole)
{
    if (whole(frame.path))
        return frame.path;
    for (const QString& path : frame.otherPaths) {
        if (whole(path))
            return path;
    }
    return std::nullopt;
}

FilmFrames ListFilmFrames(const QString& folder, const FilmParameters& film,
                          const std::atomic<int>& stop)
{
    FilmFrames frames;
    frames.separator = Platform::DecimalSeparator();
    FoundFiles found;
    const QRegularExpression frameName(
        QString(R"(^PowerReels-([0-9]+)(\D)([0-9]{%1})\.(bmp|png)$)").arg(film.decimals));
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        if (stop.load() != 0) {
            frames.stopped = true;
            return frames;
        }
        MatchFile(entries.nextFileInfo().fileName(), frameName, film, folder, found);
    }
    const QChar best = MostUsedSeparator(found);
    frames.separator = best;
    // A film rendered in parts under different number settings has some
    // frames under a point and some under a comma; a frame found under
    // several names is one frame, its files tried in one order: the bitmap
    // (the same pixels, read without decompressing) before the PNG, and in
    // each format the most used separator first.
    const auto taken = [best](QChar separator) {
        return separator == best || separator == u'.' || separator == u',' ||
               separator == Platform::DecimalSeparator();
    };
    for (auto& [k, files] : found) {
        std::erase_if(files, [&](const FoundFile& file) { return !taken(file.separator); });
        std::stable_sort(
            files.begin(), files.end(), [best](const FoundFile& a, const FoundFile& b) {
                return std::pair(a.format != Platform::PictureFormat::Bmp, a.separator != best) <
                       std::pair(b.format != Platform::PictureFormat::Bmp, b.separator != best);
            });
        if (files.empty())
            continue;
        FilmFrame frame{k, film.frameExponent(k), files.front().path, {}};
        for (std::size_t i = 1; i < files.size(); ++i)
            frame.otherPaths << files[i].path;
        frames.present.push_back(frame);
    }
    FindMissing(folder, film, best, frames);
    return frames;
}

} // namespace Film
