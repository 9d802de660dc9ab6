#pragma once

namespace Terminal {

inline constexpr int ExitSuccess = 0;
// Something could not be read or written.
inline constexpr int ExitFailure = 1;
// The command line itself is wrong.
inline constexpr int ExitUsage = 2;

// The shell's convention for a program stopped by a signal.
inline constexpr int ExitForSignal(int signal)
{
    return 128 + signal;
}

} // namespace Terminal
