// The font system for runs without a window: always the offscreen platform, whatever
// display the environment names, and Qt's own diagnostics kept off standard error, which
// belongs to the program's messages.
#pragma once

namespace tarn {

// Call before anything creates the font system.
void PrepareHeadlessFontSystem();

}  // namespace tarn
