#pragma once

#include <exception>

// Runs one step of a handler whose failures are skipped silently: the run
// and the show go on with their next step. True when the step succeeded.
template<typename Step>
bool Attempt(Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
