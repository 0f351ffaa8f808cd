// The scatter table on arbitrary bytes: filled, cut into series, and each fitting series' values read.
#include "FuzzSupport.h"
#include "base/TextLines.h"
#include "scatter/CellValues.h"
#include "scatter/ScatterData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    tarn::OptionsModel options;
    tarn::ScatterData scatter;
    tarn::FillGrid(scatter, options, tarn::TextLines(bytes));
    if (!tarn::SeriesFitTable(scatter.Series, scatter.Grid)) return;
    tarn::CellValues values(scatter.Grid);
    for (const tarn::GSeries& s : scatter.Series) {
      values.Column(s.XCol);
      values.Column(s.YCol);
    }
  });
}
