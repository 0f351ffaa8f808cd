// Starts the desktop window and runs the message loop until it closes.
#pragma once

namespace tarn {

int RunDesktopApp(int argc, char** argv);

}  // namespace tarn
