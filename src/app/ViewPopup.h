#pragma once

namespace app {

// Right-clicks over a player control open the control's popup menu (the
// view menu) instead of reaching the control: a mouse hook on the
// user-interface thread, installed before the first window and kept until
// the thread ends. Failing to install it is not reported.
void InstallViewPopupHook();

} // namespace app
