#include "data/MeshFile.h"

#include <string_view>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {

namespace {

constexpr char kTab = '\t';

std::string MeshLine(const MeshTriangle& t) {
  std::string line;
  for (const std::int32_t field : {t.V1, t.V2, t.V3, t.E1, t.E2, t.E3}) {
    if (!line.empty()) line += kTab;
    line += std::to_string(field);
  }
  return line;
}

// The triangle of a line of at least three fields; throws ConversionError.
MeshTriangle TriangleOf(const std::vector<std::string_view>& fields) {
  MeshTriangle t;
  t.V1 = TextToInt(fields[0]);
  t.V2 = TextToInt(fields[1]);
  t.V3 = TextToInt(fields[2]);
  if (fields.size() == 6) {
    t.E1 = TextToInt(fields[3]);
    t.E2 = TextToInt(fields[4]);
    t.E3 = TextToInt(fields[5]);
  }
  return t;
}

}  // namespace

std::vector<std::string> MeshFileLines(const TriangleList& mesh) {
  std::vector<std::string> lines;
  lines.reserve(mesh.size());
  for (const MeshTriangle& t : mesh) lines.push_back(MeshLine(t));
  return lines;
}

MeshFileContent ParseMeshLines(const std::vector<std::string>& lines) {
  MeshFileContent content;
  std::vector<std::string_view> fields;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (SplitText(lines[i], kTab, fields) < 3) continue;
    try {
      content.Triangles.push_back(TriangleOf(fields));
    } catch (const ConversionError& error) {
      content.Error = MeshLineError{i + 1, error.what()};
      break;
    }
  }
  return content;
}

}  // namespace tarn
