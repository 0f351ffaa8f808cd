// What the contour renderer tests draw with: a logging canvas, default options, a fake user
// interface and the main window's two flags wired into one RenderContext, and a plot area
// whose pixel map is easy to follow by hand.
#pragma once

#include "data/PointSet.h"
#include "options/OptionsModel.h"
#include "support/CallLogCanvas.h"
#include "support/FakeUserInterface.h"
#include "render/PlotArea.h"
#include "render/RenderContext.h"

namespace tarn::testing {

struct ContourTestBed {
  CallLogCanvas Canvas;
  OptionsModel Options;
  FakeUserInterface Ui;
  bool CancelRequested = false;
  bool MeshOutdated = false;
  RenderContext Ctx{Canvas, Options, Ui, CancelRequested, MeshOutdated};

  // "中断" is pressed during the n-th ProcessMessages (1 for the first).
  void CancelAtPump(int n) {
    Ui.OnProcessMessages = [this, n](int call) {
      if (call == n) CancelRequested = true;
    };
  }
};

// Data 0..10 on both axes onto a 100 by 100 plot in a picture 120 high:
// column = 10 + 10 x, row = 120 - (10 + 10 y) = 110 - 10 y.
inline PlotArea HandArea() {
  PlotArea area;
  area.Left = 10;
  area.Right = 110;
  area.Bottom = 10;
  area.Top = 110;
  area.XMin = 0;
  area.XMax = 10;
  area.YMin = 0;
  area.YMax = 10;
  area.XScale = 10;
  area.YScale = 10;
  area.PictureHeight = 120;
  return area;
}

inline MeshTriangle Triangle(PointIndex a, PointIndex b, PointIndex c) { return {a, b, c, 0, 0, 0}; }

}  // namespace tarn::testing
