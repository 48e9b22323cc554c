#pragma once
// The open phase of the program: the main window shown, the message loop
// until the window is closed, then the end of the start-up thread.
#include <chrono>

#include "app/main_window.h"

namespace tumbrix {

// Returns the message loop's exit code. When the start-up thread has not
// ended `grace` after the window closed, it is stuck where no shutdown
// request reaches it (a name lookup, say): the process then ends at once,
// without tearing down anything the thread might still touch.
int run_main_window(MainWindow::StartupSequence startup, std::chrono::milliseconds grace);

}  // namespace tumbrix
