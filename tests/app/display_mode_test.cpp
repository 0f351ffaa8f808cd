#include "app/DisplayMode.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(DisplayMode, StartsInScatterModeWithTheContourItemChecked) {
  EXPECT_EQ(DescribeMode(DisplayMode{}), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1");
}

TEST(DisplayMode, ScatterButtonClicksSwitchSides) {
  DisplayMode mode;
  SanpButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=1");
  MeshButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=1 contour=1 show-mesh=1 show-contour=1");
  SanpButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=0");
}

TEST(DisplayMode, ReleasingTheLastContourSideButtonPressesScatter) {
  DisplayMode mode;
  MeshButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=1 contour=0 show-mesh=1 show-contour=1");
  MeshButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=1");
  ContourButtonClick(mode);
  ContourButtonClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=0");
}

TEST(DisplayMode, CheckItemsFollowTheirOwnStateNotTheButtons) {
  DisplayMode mode;
  ShowContourItemClick(mode);  // was checked: unchecks, releases contour, mesh item unchecked -> scatter
  EXPECT_EQ(DescribeMode(mode), "sanp=1 mesh=0 contour=0 show-mesh=0 show-contour=0");
  ShowMeshItemClick(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=1 contour=0 show-mesh=1 show-contour=0");
  ShowContourItemClick(mode);
  ShowMeshItemClick(mode);  // contour item still checked: scatter stays up
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=1");
}

TEST(DisplayMode, DataCommandsPressButtonsWithoutTouchingTheItems) {
  DisplayMode mode;
  ShowContourItemClick(mode);
  AfterContourDataCommand(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=0 mesh=0 contour=1 show-mesh=0 show-contour=0");
  MeshButtonClick(mode);
  AfterScatterDataCommand(mode);
  EXPECT_EQ(DescribeMode(mode), "sanp=1 mesh=0 contour=0 show-mesh=1 show-contour=0");
  SanpButtonClick(mode);
  AfterSeriesEditorShown(mode);  // only in scatter mode
  EXPECT_TRUE(mode.ContourButton);
}

}  // namespace
}  // namespace tarn
