#include "cli/FilmFolder.h"

#include "cli/RenderArguments.h"
#include "film/FrameNaming.h"
#include "film/PaletteNames.h"
#include "film/ParameterCheck.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <string>

namespace Cli {

namespace {

// A general number: digits, at most one decimal separator, and the
// exponent the general format writes for very large or small values.
std::optional<double> ReadGeneralNumber(QString text)
{
    const QString userSeparator = QLocale().decimalPoint();
    if (!userSeparator.isEmpty() && userSeparator != ".")
        text.replace(userSeparator, ".");
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

// Makes Platform::Format write the given decimal separator while it lives.
class SeparatorScope
{
public:
    explicit SeparatorScope(const QLocale& numbers) : m_previous(QLocale())
    {
        QLocale::setDefault(numbers);
    }
    ~SeparatorScope() { QLocale::setDefault(m_previous); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    QLocale m_previous;
};

FilmFrames ListUnderCurrentSettings(const QString& folder, const FilmParameters& film)
{
    FilmFrames frames;
    for (std::int32_t k = 0; k <= film.steps; ++k) {
        FilmFrame frame;
        frame.k = k;
        frame.e = Film::FrameExponent(film.eMin, film.eMax, film.steps, k);
        frame.path = Film::FrameFilePath(folder, frame.e);
        (QFileInfo(frame.path).isFile() ? frames.present : frames.missing).push_back(frame);
    }
    return frames;
}

} // namespace

std::optional<FilmParameters> ParseFilmFolderName(const QString& name)
{
    static const QRegularExpression pattern(
        R"(^eMin=(\S+) eMax=(\S+) Steps=([0-9]+) Pixels=([0-9]+) (\S+)$)");
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> eMin = ReadGeneralNumber(match.captured(1));
    const std::optional<double> eMax = ReadGeneralNumber(match.captured(2));
    const int paletteIndex = PaletteIndex(match.captured(5));
    if (!eMin || !eMax || paletteIndex < 0 ||
        match.captured(5) != QLatin1String(Film::PaletteNames[paletteIndex]))
        return std::nullopt;

    // Only a film that the parameter check lets through has frames to find.
    const auto exact = [](double value) { return QString::number(value, 'g', 17); };
    const Film::ParameterCheck check = Film::CheckParameters(
        {exact(*eMin), exact(*eMax), match.captured(3), match.captured(4)}, MaxPixels);
    if (!check.passed)
        return std::nullopt;
    return FilmParameters{*check.eMin, *check.eMax, *check.steps, *check.pixels, paletteIndex};
}

FilmFrames ListFilmFrames(const QString& folder, const FilmParameters& film)
{
    FilmFrames best = ListUnderCurrentSettings(folder, film);
    const QLocale pointSettings = QLocale::c();
    const QLocale commaSettings(QLocale::German, QLocale::Germany);
    for (const QLocale& numbers : {pointSettings, commaSettings}) {
        if (best.missing.empty() || numbers.decimalPoint() == QLocale().decimalPoint())
            continue;
        const SeparatorScope scope(numbers);
        FilmFrames frames = ListUnderCurrentSettings(folder, film);
        if (frames.present.size() > best.present.size())
            best = std::move(frames);
    }
    return best;
}

} // namespace Cli
