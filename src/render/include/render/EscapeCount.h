#pragma once

namespace Render {

// A pixel escapes after 0 to MaxEscapeCount steps; one still bounded after
// the step that follows counts NotEscaped and is painted black.
inline constexpr int MaxEscapeCount = 64;
inline constexpr int NotEscaped = MaxEscapeCount + 1;
// Every count a pixel can have, 0 to NotEscaped.
inline constexpr int CountValues = NotEscaped + 1;

} // namespace Render
