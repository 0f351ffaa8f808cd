// A bucket grid over the triangles of a mesh that finds the last triangle in list order
// containing a point, exactly as testing every triangle would, in a few tests instead of all.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/PointSet.h"
#include "render/TriangleCorners.h"

namespace tarn {

class TriangleGrid {
 public:
  // Indexes `mesh` as it is now; the grid keeps its own copy of the corners.
  TriangleGrid(const PointList& points, const TriangleList& mesh);

  // The last triangle in list order for which InsideTriangle holds at (x, y), or kNoTriangle.
  TriangleIndex Find(double x, double y) const;

 private:
  // An axis-aligned box in data coordinates, both edges included.
  struct Box {
    double XMin, XMax, YMin, YMax;
  };
  // The range of cells a box touches, both ends included.
  struct CellRange {
    int Col0, Col1, Row0, Row1;
  };
  // One triangle of the list: its corners and, when it is gridded, its widened box.
  struct Candidate {
    TriangleCorners Corners;
    Box Widened;
  };

  static Box WidenedBox(const TriangleCorners& c);
  static bool Contains(const Box& box, double x, double y);
  void Classify(std::vector<TriangleIndex>& gridded);
  void ChooseCells(std::size_t triangleCount);
  void Coarsen();
  void SetUnits();
  int Column(double x) const;
  int Row(double y) const;
  CellRange CellsOf(TriangleIndex i) const;
  double CountEntries(const std::vector<TriangleIndex>& gridded) const;
  void FillCells(const std::vector<TriangleIndex>& gridded);
  std::span<const TriangleIndex> CellAt(double x, double y) const;

  std::vector<Candidate> triangles_;  // in list order
  Box domain_ = {0, 0, 0, 0};         // the union of the widened boxes
  int columns_ = 0;
  int rows_ = 0;
  double columnsPerUnit_ = 0;
  double rowsPerUnit_ = 0;
  std::vector<std::uint32_t> cellStart_;      // cell c holds cellTriangles_[cellStart_[c] .. cellStart_[c + 1])
  std::vector<TriangleIndex> cellTriangles_;  // per cell, highest index first
  std::vector<TriangleIndex> everywhere_;     // tested at every point, highest index first
};

}  // namespace tarn
