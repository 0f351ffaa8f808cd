// The mesh file as text: one line per triangle in list order, the six fields V1, V2, V3,
// E1, E2, E3 as decimal integers joined by TAB. The points are not stored, so a file fits
// only the point set it was made for; the commands check that with MeshFitsPoints.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/PointSet.h"

namespace tarn {

// The lines of a mesh file (without line ends); an empty mesh gives no line.
std::vector<std::string> MeshFileLines(const TriangleList& mesh);

// A line whose corner or edge field is not an integer.
struct MeshLineError {
  std::size_t LineNumber = 0;  // counted from 1
  std::string Message;         // the conversion message, such as "'x' は整数ではありません"
};

struct MeshFileContent {
  TriangleList Triangles;  // one per accepted line; on an error, those of the lines before it
  std::optional<MeshLineError> Error;
};

// Reads the lines in order: a line with fewer than three fields is skipped; otherwise
// fields 1 to 3 are the corners, and fields 4 to 6 the edge states if the line has exactly
// six fields (else the states are 0). Reading stops at the first field that is not an
// integer; that line adds no triangle.
MeshFileContent ParseMeshLines(const std::vector<std::string>& lines);

}  // namespace tarn
