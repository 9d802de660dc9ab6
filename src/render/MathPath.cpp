#include "ColumnJob.h"
#include "render/FrameRenderer.h"

namespace Render {

// The widths built for this processor family; see CMakeLists.txt.
#if defined(__x86_64__)

bool IsAvailable(MathPath path)
{
    // SLEEF's deterministic routines give the same bits on every width only
    // with fused multiply-add, so every fast width needs it.
    const bool fma = __builtin_cpu_supports("fma");
    switch (path) {
    case MathPath::Reference:
    case MathPath::Fast:
        return true;
    case MathPath::FastScalar:
        return fma;
    case MathPath::FastAvx2:
        return fma && __builtin_cpu_supports("avx2");
    case MathPath::FastAvx512:
        return fma && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    case MathPath::FastAdvSimd:
        return false;
    }
    return false;
}

static ColumnIterator WidestIterator()
{
    if (IsAvailable(MathPath::FastAvx512)) {
        return IterateColumnsAvx512;
    }
    if (IsAvailable(MathPath::FastAvx2)) {
        return IterateColumnsAvx2;
    }
    if (IsAvailable(MathPath::FastScalar)) {
        return IterateColumnsScalar;
    }
    return nullptr;
}

static ColumnIterator IteratorFor(MathPath path)
{
    switch (path) {
    case MathPath::FastAvx512:
        return IterateColumnsAvx512;
    case MathPath::FastAvx2:
        return IterateColumnsAvx2;
    default:
        return IterateColumnsScalar;
    }
}

static Logarithms WidestLogs()
{
    if (IsAvailable(MathPath::FastAvx512)) {
        return LogsAvx512;
    }
    return IsAvailable(MathPath::FastAvx2) ? LogsAvx2 : LogsScalar;
}

#elif defined(__aarch64__)

// Advanced SIMD and fused multiply-add belong to every AArch64 processor.
bool IsAvailable(MathPath path)
{
    switch (path) {
    case MathPath::Reference:
    case MathPath::Fast:
    case MathPath::FastScalar:
    case MathPath::FastAdvSimd:
        return true;
    case MathPath::FastAvx2:
    case MathPath::FastAvx512:
        return false;
    }
    return false;
}

static ColumnIterator WidestIterator()
{
    return IterateColumnsAdvSimd;
}

static ColumnIterator IteratorFor(MathPath path)
{
    return path == MathPath::FastAdvSimd ? IterateColumnsAdvSimd : IterateColumnsScalar;
}

static Logarithms WidestLogs()
{
    return LogsAdvSimd;
}

#endif

#if defined(__x86_64__) || defined(__aarch64__)

PathFunctions FunctionsFor(MathPath path)
{
    const PathFunctions reference{IterateColumnsReference, SinCosLibrary, LogsLibrary};
    if (path == MathPath::Reference) {
        return reference;
    }
    ColumnIterator iterate = nullptr;
    if (path != MathPath::Fast && IsAvailable(path)) {
        iterate = IteratorFor(path);
    }
    if (iterate == nullptr) {
        iterate = WidestIterator();
    }
    if (iterate == nullptr) {
        return reference;
    }
    // Every width's logarithms give the same bits; the widest is quickest.
    return {iterate, SinCosSleef, WidestLogs()};
}

#else

// No vector width is built here: the reference serves every path.
bool IsAvailable(MathPath path)
{
    return path == MathPath::Reference || path == MathPath::Fast;
}

PathFunctions FunctionsFor(MathPath)
{
    return {IterateColumnsReference, SinCosLibrary, LogsLibrary};
}

#endif

} // namespace Render
