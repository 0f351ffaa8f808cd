// The standard-form contour reader on arbitrary bytes.
#include "FuzzSupport.h"
#include "base/TextLines.h"
#include "data/ContourReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    const tarn::TextLines lines(bytes);
    tarn::PointList points;
    if (tarn::FirstLineFields(lines).size() <= static_cast<std::size_t>(tarn::kMaxTitleFields)) {
      tarn::ReadStandardRows(lines, points);
    }
  });
}
