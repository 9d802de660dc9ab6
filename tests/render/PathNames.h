#pragma once

#include "render/FrameRenderer.h"

#include <string>

// Names of the math paths for parameterised test names.
inline std::string PathName(Render::MathPath path)
{
    switch (path) {
    case Render::MathPath::Reference:
        return "Reference";
    case Render::MathPath::Fast:
        return "Fast";
    case Render::MathPath::FastScalar:
        return "FastScalar";
    case Render::MathPath::FastAvx2:
        return "FastAvx2";
    case Render::MathPath::FastAvx512:
        return "FastAvx512";
    case Render::MathPath::FastAdvSimd:
        return "FastAdvSimd";
    }
    return "Unknown";
}
