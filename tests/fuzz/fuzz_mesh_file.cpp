// The mesh file on arbitrary bytes, checked against a point set of 64 samples.
#include "FuzzSupport.h"
#include "base/TextCodec.h"
#include "base/TextFile.h"
#include "data/MeshFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    static const tarn::PointList points = [] {
      tarn::PointList p;
      for (int i = 0; i < 64; ++i) p.push_back({static_cast<float>(i % 8), static_cast<float>(i / 8), 0.5f});
      return p;
    }();
    const tarn::MeshFileContent content = tarn::ParseMeshLines(tarn::ToLines(tarn::DecodeText(bytes)));
    if (tarn::MeshFitsPoints(content.Triangles, points)) tarn::MeshFileLines(content.Triangles);
  });
}
