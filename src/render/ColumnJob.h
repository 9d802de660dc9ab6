#pragma once

#include "render/FrameRenderer.h"

#include <cstdint>

namespace Render {

// What an iteration routine needs to compute whole columns of one frame.
// Plain pointers only: the vector routines are compiled for other processors
// than the rest of the library and must not share inline library code with it.
struct ColumnJob
{
    double e = 0;
    double bailout = 0;
    int pixels = 0;
    const double* rho = nullptr;      // by row, row 0 at the top
    const double* theta = nullptr;    // by column
    const double* cosTheta = nullptr; // by column, for the vector routines
    const double* sinTheta = nullptr;
    std::uint8_t* counts = nullptr; // column-major, x * pixels + row
    // Next column to compute, or -1 when there is none left.
    int (*claimColumn)(void* context) = nullptr;
    // Called once every pixel of column x has its count.
    void (*finishColumn)(void* context, int x) = nullptr;
    void* context = nullptr;
};

// Computes claimed columns until no column is left.
using ColumnIterator = void (*)(const ColumnJob& job);

// Sine and cosine of a column's angle, taken with the same library as the
// iteration so that every vector width starts from the same point.
using SinCos = void (*)(double angle, double& sine, double& cosine);

struct PathFunctions
{
    ColumnIterator iterate = nullptr;
    SinCos sinCos = nullptr;
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

} // namespace Render
