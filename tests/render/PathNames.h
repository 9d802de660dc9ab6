#pragma once

#include "render/FrameRenderer.h"

#include <string>

// Names of the math paths for parameterised test names.
inline std::string PathName(Film::MathPath path)
{
    switch (path) {
    case Film::MathPath::Reference:
        return "Reference";
    case Film::MathPath::Fast:
        return "Fast";
    case Film::MathPath::FastScalar:
        return "FastScalar";
    case Film::MathPath::FastAvx2:
        return "FastAvx2";
    case Film::MathPath::FastAvx512:
        return "FastAvx512";
    case Film::MathPath::FastAdvSimd:
        return "FastAdvSimd";
    }
    return "Unknown";
}
