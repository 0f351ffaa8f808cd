// The table-form contour reader on arbitrary bytes.
#include "FuzzSupport.h"
#include "base/TextLines.h"
#include "data/ContourReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    tarn::PointList points;
    tarn::ReadTableRows(tarn::TextLines(bytes), points);
  });
}
