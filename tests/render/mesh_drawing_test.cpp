#include "render/MeshDrawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/ContourTestBed.h"

namespace tarn::testing {
namespace {

TEST(MeshDrawingTest, OutlinesEveryTriangleInOrderWithTheCallersPenSharedEdgesTwice) {
  ContourTestBed bed;
  bed.Canvas.SetPenColor(MakeColor(0x12, 0x34, 0x56));
  // A square 0..10 split along the diagonal B-C; x = 2.25 -> column 32.5 -> 32 (half to even).
  const PointList points = {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}, {2.25f, 5, 0}};
  DrawMesh(bed.Ctx, points, {Triangle(0, 1, 2), Triangle(1, 3, 2), Triangle(0, 4, 2)}, HandArea());
  const std::string pen = " pen=123456 w=1 mode=copy";
  EXPECT_EQ(
      bed.Canvas.Calls(),
      (std::vector<std::string>{"MoveTo 10 110", "LineTo 110 110" + pen, "LineTo 10 10" + pen, "LineTo 10 110" + pen,
                                "MoveTo 110 110", "LineTo 110 10" + pen, "LineTo 10 10" + pen, "LineTo 110 110" + pen,
                                "MoveTo 10 110", "LineTo 32 60" + pen, "LineTo 10 10" + pen, "LineTo 10 110" + pen}));
  EXPECT_TRUE(bed.Ui.ProgressCalls.empty());
}

}  // namespace
}  // namespace tarn::testing
