#include "data/MeshFile.h"

#include <gtest/gtest.h>

#include "mesh/Triangulation.h"

namespace tarn {
namespace {

// The mesh file is written from a built mesh; the build's reports play no part here.
class QuietObserver : public MeshBuildObserver {
 public:
  void Started(int) override {}
  void Pump() override {}
  bool CancelRequested() override { return false; }
  void PassFinished(int) override {}
};

TEST(MeshFileTest, UnitSquareMeshLinesAndBack) {
  const PointList square{{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  TriangleList mesh;
  QuietObserver observer;
  ASSERT_EQ(BuildMesh(square, mesh, observer), MeshBuildResult::Finished);
  const std::vector<std::string> lines = MeshFileLines(mesh);
  EXPECT_EQ(lines, (std::vector<std::string>{"0\t3\t1\t-1\t1\t-1", "2\t1\t3\t-1\t1\t-1"}));
  const MeshFileContent back = ParseMeshLines(lines);
  EXPECT_FALSE(back.Error);
  EXPECT_EQ(back.Triangles, mesh);
}

TEST(MeshFileTest, EmptyMeshGivesNoLines) { EXPECT_TRUE(MeshFileLines({}).empty()); }

TEST(MeshFileTest, LargeIndicesAndNegativeStatesRoundTrip) {
  const TriangleList mesh{{2147483647, 0, 12, -1, 0, 1}, {-5, 100000, 7, 3, -2147483647 - 1, 0}};
  const MeshFileContent back = ParseMeshLines(MeshFileLines(mesh));
  EXPECT_EQ(MeshFileLines(mesh)[1], "-5\t100000\t7\t3\t-2147483648\t0");
  EXPECT_EQ(back.Triangles, mesh);
}

TEST(MeshFileTest, FieldCountDecidesWhatIsRead) {
  const std::vector<std::string> lines{
      "1\t2\t3",                  // three fields: states 0
      "",                         // skipped
      "4\t5",                     // fewer than three: skipped
      "4\t5\t6\t1",               // four fields: corners only
      "7\t8\t9\t1\t-1",           // five: corners only
      "10\t11\t12\t1\t-1\t1",     // six: all
      "13\t14\t15\t1\t1\t1\t1",   // seven: corners only
      "16\t17\t18\t\t\t",         // six fields, empty states: not integers
  };
  const MeshFileContent content = ParseMeshLines(lines);
  EXPECT_EQ(content.Triangles, (TriangleList{{1, 2, 3, 0, 0, 0},
                                             {4, 5, 6, 0, 0, 0},
                                             {7, 8, 9, 0, 0, 0},
                                             {10, 11, 12, 1, -1, 1},
                                             {13, 14, 15, 0, 0, 0}}));
  ASSERT_TRUE(content.Error);
  EXPECT_EQ(content.Error->LineNumber, 8u);
  EXPECT_EQ(content.Error->Message, "'' は整数ではありません");
}

// Extra fields beyond the third are not read unless there are exactly six, so a bad fourth
// field of a four-field line is no error; a bad corner stops the reading at that line.
TEST(MeshFileTest, FaultyLineKeepsTheTrianglesBeforeIt) {
  const std::vector<std::string> lines{"0\t1\t2\tjunk", "3\t4\t5", "6\tx7\t8", "9\t10\t11"};
  const MeshFileContent content = ParseMeshLines(lines);
  EXPECT_EQ(content.Triangles, (TriangleList{{0, 1, 2, 0, 0, 0}, {3, 4, 5, 0, 0, 0}}));
  ASSERT_TRUE(content.Error);
  EXPECT_EQ(content.Error->LineNumber, 3u);
  EXPECT_EQ(content.Error->Message, "'x7' は整数ではありません");
}

TEST(MeshFileTest, NumbersOutsideThirtyTwoBitsAndDecimalsAreErrors) {
  for (const char* bad : {"2147483648", "1.0", "1e3", " 1", "1 "}) {
    SCOPED_TRACE(bad);
    const MeshFileContent content = ParseMeshLines({std::string(bad) + "\t1\t2"});
    EXPECT_TRUE(content.Triangles.empty());
    ASSERT_TRUE(content.Error);
    EXPECT_EQ(content.Error->LineNumber, 1u);
  }
}

}  // namespace
}  // namespace tarn
