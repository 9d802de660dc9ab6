#pragma once

#include "render/FrameRenderer.h"

#include <cstddef>
#include <cstdint>

namespace Render {

// Which samples of one claimed column are taken and where they go. Without a
// list, the column's whole grid in sample order: sub-column by sub-column,
// each from its top row down. With one, count samples, sample i at sample row
// rows[i] and sample column columns[i], stored at index i.
struct ColumnSamples
{
    std::uint8_t* counts = nullptr;
    double* moduli = nullptr; // the modulus each sample stopped at; may be null
    const std::int32_t* rows = nullptr;
    const std::int32_t* columns = nullptr;
    int count = 0;
};

// What an iteration routine needs to compute whole columns of one frame.
// Plain pointers only: the vector routines are compiled for other processors
// than the rest of the library and must not share inline library code with it.
// A claimed column is subColumns sample columns of rows samples each; a frame
// without supersampling has one sample column of one sample per pixel.
struct ColumnJob
{
    double e = 0;
    double bailout = 0;
    int pixels = 0;                   // samples down a sample column: the frame's rows times n
    int subColumns = 1;               // sample columns per claimed column, n
    const double* rho = nullptr;      // by sample row, row 0 at the top
    const double* theta = nullptr;    // by sample column, x * subColumns + j
    const double* cosTheta = nullptr; // by sample column, for the vector routines
    const double* sinTheta = nullptr;
    // Next column to compute, or -1 when there is none left.
    int (*claimColumn)(void* context) = nullptr;
    // Where the samples of the claimed column x go; when null, the counts go
    // to counts + x * pixels * subColumns and no modulus is kept.
    ColumnSamples (*samplesOf)(void* context, int x) = nullptr;
    std::uint8_t* counts = nullptr;
    // Called once every sample of column x is stored.
    void (*finishColumn)(void* context, int x) = nullptr;
    void* context = nullptr;
};

// Computes claimed columns until no column is left.
using ColumnIterator = void (*)(const ColumnJob& job);

// Sine and cosine of a column's angle, taken with the same library as the
// iteration so that every vector width starts from the same point.
using SinCos = void (*)(double angle, double& sine, double& cosine);

// Natural logarithms of count values, in place, for smooth colours.
using Logarithms = void (*)(double* values, std::size_t count);

struct PathFunctions
{
    ColumnIterator iterate = nullptr;
    SinCos sinCos = nullptr;
    Logarithms logs = nullptr;
};

// The routines of a path; Fast and unavailable widths resolve to the widest
// width the processor has.
PathFunctions FunctionsFor(MathPath path);

void IterateColumnsReference(const ColumnJob& job);
void IterateColumnsScalar(const ColumnJob& job);
void IterateColumnsAvx2(const ColumnJob& job);
void IterateColumnsAvx512(const ColumnJob& job);
void IterateColumnsAdvSimd(const ColumnJob& job);

void SinCosLibrary(double angle, double& sine, double& cosine);
void SinCosSleef(double angle, double& sine, double& cosine);
void LogsLibrary(double* values, std::size_t count);
void LogsScalar(double* values, std::size_t count);
void LogsAvx2(double* values, std::size_t count);
void LogsAvx512(double* values, std::size_t count);
void LogsAdvSimd(double* values, std::size_t count);

} // namespace Render
