#pragma once

namespace Platform {

class Form;

// Delivers the close requests that come from outside the window to the
// form on its own thread: SIGTERM, SIGINT and SIGHUP as the task manager's, the end
// of the desktop session as the session's.
void RouteCloseRequests(Form& form);

} // namespace Platform
