// The display mode: the three tool-bar toggles (scatter, mesh, contour) and the two check
// items of the options menu, with the transitions of clicks and of the data commands.
//
// A click handler runs after the clicked control has changed its own state. Pressing or
// releasing a button from code runs no handler, so the check items may disagree with the
// buttons (at start the scatter button is down while "等高線を表示する" is checked).
#pragma once

#include <string>

namespace tarn {

struct DisplayMode {
  bool SanpButton = true;
  bool MeshButton = false;
  bool ContourButton = false;
  bool ShowMeshItem = false;     // "メッシュを表示する"
  bool ShowContourItem = true;   // "等高線を表示する"
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// Clicks: each toggles its control, then runs its handler.
void SanpButtonClick(DisplayMode& mode);
void MeshButtonClick(DisplayMode& mode);
void ContourButtonClick(DisplayMode& mode);
void ShowMeshItemClick(DisplayMode& mode);     // N4Click
void ShowContourItemClick(DisplayMode& mode);  // N5Click

// The mode changes at the end of the data commands and when the series editor is shown.
void AfterContourDataCommand(DisplayMode& mode);
void AfterScatterDataCommand(DisplayMode& mode);
void AfterSeriesEditorShown(DisplayMode& mode);

// "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1".
std::string DescribeMode(const DisplayMode& mode);

}  // namespace tarn
