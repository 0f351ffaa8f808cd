// The settings file on arbitrary bytes: the option lines through the model, then the series block.
#include "FuzzSupport.h"
#include "base/TextCodec.h"
#include "base/TextFile.h"
#include "options/SettingsFile.h"
#include "scatter/SeriesBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    tarn::fuzz::QuietPort port;
    tarn::OptionsModel options;
    tarn::ScatterData scatter;
    const std::vector<std::string> lines = tarn::ToLines(tarn::DecodeText(bytes));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (tarn::ApplyOptionLine(options, lines[i], port) == tarn::OptionLineResult::SeriesBlockStarts) {
        tarn::ApplySeriesBlock(std::span<const std::string>(lines).subspan(i + 1), scatter, port);
        break;
      }
    }
    tarn::SeriesBlockLines(scatter.Series);
  });
}
