#include "app/MeshCommands.h"

#include <gtest/gtest.h>

#include "app/CommandBoundary.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;
using testing::TempDir;

class MeshCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.DataPoints = {{0, 0, 1}, {1, 0, 2}, {1, 1, 3}, {0, 1, 4}};
    AfterContourDataCommand(doc.Mode);
    ui.SetCancelHandler([this] { doc.CancelRequested = true; });
  }

  void LoadMesh(std::string_view text) {
    ui.Files.push_back(dir.Write("mesh.txt", text));
    ASSERT_TRUE(RunCommand(ui, [&] { LoadMeshExecute(doc, ui); }));
  }

  TempDir dir;
  Document doc;
  ScriptedUserInterface ui;
};

TEST_F(MeshCommands, BuildsUnderTheProgressDialogAndClearsTheFlag) {
  MakeMeshExecute(doc, ui);
  ASSERT_FALSE(doc.Mesh.empty());
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_FALSE(doc.Busy());
  ASSERT_GE(ui.Events.size(), 3u);
  EXPECT_EQ(ui.Events.front(), std::string("progress: ") + kMeshProgressLabel + " 0..4");
  EXPECT_EQ(ui.Events.back(), "hide");
  EXPECT_EQ(ui.Events[ui.Events.size() - 2], "position: 4");  // every point is a corner
}

TEST_F(MeshCommands, RefusesInScatterModeAndForPointsOnOneLine) {
  doc.Mode = DisplayMode{};
  doc.Mesh = {{0, 1, 2, 0, 0, 0}};
  MakeMeshExecute(doc, ui);
  EXPECT_EQ(doc.Mesh.size(), 1u);
  AfterContourDataCommand(doc.Mode);
  doc.DataPoints = {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}};
  MakeMeshExecute(doc, ui);
  EXPECT_TRUE(doc.MeshOutdated);  // unchanged
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: 現在は散布図モードになっています",
                                                     "warning: メッシュを作れません"}));
}

TEST_F(MeshCommands, ACancelKeepsThePartialMeshAndMarksItOutdated) {
  for (int i = 1; i < 40; ++i) {
    const auto f = static_cast<float>(i);
    doc.DataPoints.push_back({static_cast<float>(i % 7) + 0.1f * f, f * 0.37f, 1});
  }
  ui.CancelAtPump = 1;
  MakeMeshExecute(doc, ui);
  EXPECT_TRUE(doc.MeshOutdated);
  EXPECT_FALSE(doc.Mesh.empty());
  EXPECT_EQ(ui.Events.back(), "hide");
}

TEST_F(MeshCommands, SavesAndLoadsTheMeshFile) {
  doc.Mesh = {{0, 3, 1, -1, 1, -1}, {2, 1, 3, -1, 1, -1}};
  ui.Files.push_back(dir.Path("saved.txt"));
  SaveMeshExecute(doc, ui);
  EXPECT_EQ(dir.Read("saved.txt"), "0\t3\t1\t-1\t1\t-1\r\n2\t1\t3\t-1\t1\t-1\r\n");
  const TriangleList saved = doc.Mesh;
  doc.MeshOutdated = true;
  ui.Files.push_back(dir.Path("saved.txt"));
  LoadMeshExecute(doc, ui);
  EXPECT_EQ(doc.Mesh, saved);
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(MeshCommands, CancellingTheOpenDialogLeavesNoMesh) {
  doc.Mesh = {{0, 1, 2, 0, 0, 0}};
  LoadMeshExecute(doc, ui);
  EXPECT_TRUE(doc.Mesh.empty());
  EXPECT_EQ(ui.LastDialog.Title, "等高線用メッシュデータの取り込み");
}

TEST_F(MeshCommands, ABadLineKeepsTheTrianglesBeforeIt) {
  doc.MeshOutdated = true;
  LoadMesh("0\t1\t2\n\n0\t2\n0\t2\tx\n1\t2\t3\n");
  EXPECT_EQ(doc.Mesh, (TriangleList{{0, 1, 2, 0, 0, 0}}));
  EXPECT_TRUE(doc.MeshOutdated);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: メッシュデータが不正です"}));
}

TEST_F(MeshCommands, AMeshForOtherPointsIsRejectedWhole) {
  LoadMesh("0\t1\t2\n0\t2\t4\n");
  EXPECT_TRUE(doc.Mesh.empty());
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: メッシュデータが不正です"}));
  ui.Events.clear();
  ui.Files.push_back(dir.Path("absent.txt"));
  LoadMeshExecute(doc, ui);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: メッシュデータが不正です"}));
}

}  // namespace
}  // namespace tarn
