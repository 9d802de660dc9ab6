// Writes what the renderer computes for the frames of a film, so that the
// end-to-end tests can compare the program's bitmap files with it.
//
//   e2e-frame-dump eMin eMax steps pixels palette folder [k ...]
//
// For each frame k (all frames when none is named) it writes folder/frame-<k>.rgb,
// the frame's pixels as red, green, blue bytes, row by row from the top row,
// each row from the left; and prints one line "k e" with the exponent the
// frame is rendered with.

#include "WholeFrame.h"
#include "film/FilmParameters.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: e2e-frame-dump eMin eMax steps pixels palette folder [k ...]\n");
    return 2;
}

bool WriteFrame(const std::string& path, const std::vector<std::int32_t>& colors, int pixels)
{
    std::vector<char> bytes;
    bytes.reserve(std::size_t(pixels) * pixels * 3);
    for (int row = 0; row < pixels; ++row) {
        for (int x = 0; x < pixels; ++x) {
            const std::int32_t color = colors[std::size_t(x) * pixels + row];
            bytes.push_back(char(color & 0xFF));
            bytes.push_back(char((color >> 8) & 0xFF));
            bytes.push_back(char((color >> 16) & 0xFF));
        }
    }
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 7)
        return Usage();
    Film::FilmParameters film;
    film.eMin = std::strtod(argv[1], nullptr);
    film.eMax = std::strtod(argv[2], nullptr);
    film.steps = std::int32_t(std::strtol(argv[3], nullptr, 10));
    film.pixels = std::int32_t(std::strtol(argv[4], nullptr, 10));
    film.paletteIndex = int(std::strtol(argv[5], nullptr, 10));
    const std::string folder = argv[6];
    if (film.steps < 1 || film.pixels < 1)
        return Usage();

    std::vector<std::int32_t> frames;
    for (int i = 7; i < argc; ++i)
        frames.push_back(std::int32_t(std::strtol(argv[i], nullptr, 10)));
    if (frames.empty())
        for (std::int32_t k = 0; k <= film.steps; ++k)
            frames.push_back(k);

    for (const std::int32_t k : frames) {
        const Render::FrameRequest request = film.frameRequest(k);
        const std::string path = folder + "/frame-" + std::to_string(k) + ".rgb";
        if (!WriteFrame(path, Render::RenderFrameColors(request), film.pixels)) {
            std::fprintf(stderr, "e2e-frame-dump: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%d %.17g\n", int(k), request.e);
    }
    return 0;
}
