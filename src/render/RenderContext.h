// What a renderer draws with: the canvas being recorded, the options it reads (and writes
// automatic values back into), the port for its messages and progress, and the two flags
// of the main window that a long drawing reads and sets.
#pragma once

#include "base/UserInterface.h"
#include "canvas/Canvas.h"
#include "options/OptionsModel.h"

namespace tarn {

struct RenderContext {
  Canvas& Target;
  OptionsModel& Options;
  UserInterface& Ui;
  bool& CancelRequested;  // set by "中断" while a long drawing pumps messages
  bool& MeshOutdated;     // a cancelled long drawing sets it
  // Data drawings are kept inside the plot rectangle; off only to compare with the unclipped.
  bool ClipToPlot = true;
};

}  // namespace tarn
