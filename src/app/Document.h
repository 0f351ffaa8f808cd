// The main window's data without the window: the contour data, the graph font, the flags
// that tie the commands together, the display mode, the caption and the options.
// Views subscribe to one typed change notification and re-read what they show.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/DisplayMode.h"
#include "base/FontChoice.h"
#include "data/PointSet.h"
#include "options/OptionsModel.h"
#include "render/PlotArea.h"
#include "scatter/ScatterData.h"

namespace tarn {

inline constexpr const char* kInitialCaption = "Tarnplot - ver 2.2";
inline constexpr const char* kCaptionPrefix = "Tarnplot - ";

// Scatter: the table, the series list or the selection of the series editor. Reload: the
// reload countdown or its interval edit.
enum class DocumentChange { Caption, Mode, Points, Mesh, Font, Picture, Busy, Scatter, Reload };

// The automatic reload's countdown: 1000 ticks to the next reload, 1001 holding while a reload
// or its failure message is still open.
inline constexpr int kReloadAtTick = 1000;
inline constexpr int kReloadHoldTick = 1001;
struct ReloadState {
  int Position = 0;
  int TickMilliseconds = 100;  // until an interval is applied with Enter
  bool IntervalRed = false;    // the interval edit typed but not applied
};

class Document {
 public:
  using Listener = std::function<void(DocumentChange)>;

  PointList DataPoints;
  TriangleList Mesh;
  FontChoice GraphFont;
  bool MeshOutdated = true;
  bool CancelRequested = false;
  bool GraphDrawn = false;
  bool LegendPending = false;
  DisplayMode Mode;
  OptionsModel Options;
  // The series editor's table, series and legend placement, and the scatter file last
  // opened (the one the automatic reload reads again).
  ScatterData Scatter;
  std::string ScatterFileName;
  // The file last picked in the contour-data dialog, which the automatic reload reads again.
  std::string ContourFileName;
  ReloadState Reload;

  // GraphImage: the size of the picture area and the metafile of the last redraw (empty
  // until a redraw recorded one).
  int ImageWidth = 275;
  int ImageHeight = 275;
  std::string Picture;
  int PictureWidth = 0;
  int PictureHeight = 0;
  // Counts the pictures recorded, so that a view can tell a new picture without keeping a copy.
  std::uint64_t PictureRevision = 0;
  // The plot rectangle and scales the picture was recorded with, for reading values off it
  // under the mouse; nothing while the picture has no plot.
  std::optional<PlotArea> PlotOfPicture;
  // The main window's outer size that goes with the picture area.
  int WindowWidth = 390;
  int WindowHeight = 362;

  // A new picture of the picture area: recorded bytes, their size in pixels and their plot.
  void SetPicture(std::string picture, int width, int height, std::optional<PlotArea> plot);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // True while a long operation pumps messages; commands that would change the point
  // set or the mesh must not run meanwhile.
  bool Busy() const { return busy_; }
  void SetBusy(bool busy);

  void Notify(DocumentChange change);
  int Subscribe(Listener listener);
  void Unsubscribe(int id);

 private:
  std::string caption_ = kInitialCaption;
  bool busy_ = false;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListenerId_ = 1;
};

}  // namespace tarn
