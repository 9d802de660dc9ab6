#pragma once

namespace Platform {

// Lets the window process all pending events, then returns.
void DoEvents();

} // namespace Platform
