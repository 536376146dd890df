#pragma once

namespace tockly {

// Pumps the thread's messages until WM_QUIT and returns its exit code. A failing GetMessageW, and
// a fatal error deferred by a window procedure, are thrown as runtime errors.
int RunMessageLoop();

}  // namespace tockly
