#include "ColumnJob.h"
#include "FrameRenderer.h"

namespace Film {

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
    }
    return false;
}

PathFunctions FunctionsFor(MathPath path)
{
    if (path == MathPath::Reference) {
        return {IterateColumnsReference, SinCosLibrary};
    }
    if (path != MathPath::Fast && IsAvailable(path)) {
        switch (path) {
        case MathPath::FastAvx512:
            return {IterateColumnsAvx512, SinCosSleef};
        case MathPath::FastAvx2:
            return {IterateColumnsAvx2, SinCosSleef};
        default:
            return {IterateColumnsScalar, SinCosSleef};
        }
    }
    if (IsAvailable(MathPath::FastAvx512)) {
        return {IterateColumnsAvx512, SinCosSleef};
    }
    if (IsAvailable(MathPath::FastAvx2)) {
        return {IterateColumnsAvx2, SinCosSleef};
    }
    if (IsAvailable(MathPath::FastScalar)) {
        return {IterateColumnsScalar, SinCosSleef};
    }
    return {IterateColumnsReference, SinCosLibrary};
}

} // namespace Film
