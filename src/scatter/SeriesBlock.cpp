#include "scatter/SeriesBlock.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "base/AsciiCase.h"
#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {

namespace {

constexpr const char* kPlotTypeWords[] = {"Line", "LineAndMarker", "Marker"};
constexpr const char* kMarkerTypeWords[] = {"Circle", "Rectangle", "Triangle", "VTriangle", "Diamond"};
constexpr const char* kBadLineMessage = "設定ファイルが不正です";

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

// A new entry of a count line: unlike InitSeries, everything empty, off or zero.
GSeries EmptySeries() {
  GSeries s;
  s.Name.clear();
  s.DataEndLine = 0;
  s.ShowInGraph = false;
  s.LineWidth = 0;
  s.MarkSize = 0;
  s.PlotType = PlotType::Line;
  s.MarkerType = MarkerType::Circle;
  s.Color = kBlack;
  s.Brushing = false;
  return s;
}

// The index of `word` among the upper-cased `words`, or -1.
template <std::size_t N>
int WordIndex(const std::string& word, const char* const (&words)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (word == UpperAscii(words[i])) return static_cast<int>(i);
  }
  return -1;
}

class SeriesBlockReader {
 public:
  SeriesBlockReader(ScatterData& scatter, UserInterface& ui) : scatter_(scatter), ui_(ui) {}

  void Apply(const std::vector<std::string>& fields) {
    const std::string& key = fields[0];
    const std::string& value = fields[1];
    if (key == "SERIESCOUNT") return SetCount(TextToInt(value));
    if (key == "SERIES") {
      current_ = TextToInt(value);
      return;
    }
    // Field lines for an index the list does not have address nothing.
    if (current_ < 0 || current_ >= static_cast<std::int64_t>(scatter_.Series.size())) return;
    ApplyField(scatter_.Series[static_cast<std::size_t>(current_)], key, fields);
  }

 private:
  void SetCount(std::int32_t count) {
    if (count < 0 || count > kMaxSeriesCount) {
      ui_.ShowMessage(MessageKind::Warning, kBadLineMessage);
      return;
    }
    scatter_.Series.resize(static_cast<std::size_t>(count), EmptySeries());
    scatter_.ListItems.assign(static_cast<std::size_t>(count), kUnnamedSeries);
    scatter_.Selected = kNoSelection;
  }

  void ApplyField(GSeries& s, const std::string& key, const std::vector<std::string>& fields) {
    const std::string& value = fields[1];
    if (key == "NAME") {
      s.Name = value;
      scatter_.ListItems[static_cast<std::size_t>(current_)] = value;
    } else if (key == "XCOL") {
      s.XCol = TextToInt(value);
    } else if (key == "YCOL") {
      s.YCol = TextToInt(value);
    } else if (key == "DATASTARTLINE") {
      s.DataStartLine = TextToInt(value);
    } else if (key == "DATAENDLINE") {
      s.DataEndLine = TextToInt(value);
    } else if (key == "SHOWINGRAPH") {
      s.ShowInGraph = value == "TRUE";
    } else if (key == "LINEWIDTH") {
      s.LineWidth = TextToInt(value);
    } else if (key == "MARKSIZE") {
      s.MarkSize = TextToInt(value);
    } else if (key == "PLOTTYPE") {
      if (const int i = WordIndex(value, kPlotTypeWords); i >= 0) s.PlotType = static_cast<PlotType>(i);
    } else if (key == "MARKERTYPE") {
      if (const int i = WordIndex(value, kMarkerTypeWords); i >= 0) s.MarkerType = static_cast<MarkerType>(i);
    } else if (key == "COLOR" && fields.size() >= 4) {
      // Components beyond 0 to 255 keep their low 8 bits.
      s.Color = MakeColor(static_cast<unsigned>(TextToInt(fields[1])), static_cast<unsigned>(TextToInt(fields[2])),
                          static_cast<unsigned>(TextToInt(fields[3])));
    } else if (key == "BRUSHING") {
      s.Brushing = value == "TRUE";
    }
  }

  ScatterData& scatter_;
  UserInterface& ui_;
  std::int64_t current_ = 0;
};

}  // namespace

std::vector<std::string> SeriesBlockLines(const SeriesList& series) {
  std::vector<std::string> lines;
  lines.reserve(1 + 14 * series.size());
  lines.push_back("SeriesCount:" + std::to_string(series.size()));
  for (std::size_t i = 0; i < series.size(); ++i) {
    const GSeries& s = series[i];
    lines.push_back("Series:" + std::to_string(i));
    lines.push_back("Name:" + s.Name);
    lines.push_back("XCol:" + std::to_string(s.XCol));
    lines.push_back("YCol:" + std::to_string(s.YCol));
    lines.push_back("DataStartLine:" + std::to_string(s.DataStartLine));
    lines.push_back("DataEndLine:" + std::to_string(s.DataEndLine));
    lines.push_back(std::string("ShowInGraph:") + TrueFalse(s.ShowInGraph));
    lines.push_back("LineWidth:" + std::to_string(s.LineWidth));
    lines.push_back("MarkSize:" + std::to_string(s.MarkSize));
    lines.push_back(std::string("PlotType:") + kPlotTypeWords[static_cast<int>(s.PlotType) % kPlotTypeCount]);
    lines.push_back(std::string("MarkerType:") + kMarkerTypeWords[static_cast<int>(s.MarkerType) % kMarkerTypeCount]);
    lines.push_back("Color:" + std::to_string(RedOf(s.Color)) + ":" + std::to_string(GreenOf(s.Color)) + ":" +
                    std::to_string(BlueOf(s.Color)));
    lines.push_back(std::string("Brushing:") + TrueFalse(s.Brushing));
  }
  return lines;
}

void ApplySeriesBlock(std::span<const std::string> lines, ScatterData& scatter, UserInterface& ui) {
  SeriesBlockReader reader(scatter, ui);
  std::vector<std::string> fields;
  for (const std::string& line : lines) {
    if (SplitText(UpperAscii(line), ':', fields) < 2 || fields[0] == "C") continue;
    reader.Apply(fields);
  }
}

}  // namespace tarn
