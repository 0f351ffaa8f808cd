#include "data/ContourReader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {

namespace {

constexpr char kTab = '\t';

// Where a reader met a fault, for the error's detail; the command adds the file's name.
std::string LineLabel(std::size_t lineNumber) { return std::to_string(lineNumber) + "行目"; }

// A sample's number: parsed strictly in double precision, then stored in single precision.
// `lineNumber` counts the file's lines from 1.
float ToSample(std::string_view field, const TextLines& lines, std::size_t lineNumber) {
  double value = 0;
  if (!TryTextToFloat(field, value) || std::fabs(value) > FLT_MAX) {
    ConversionError error = ConversionError::NotAFloat(lines.Decode(field));
    error.SetWhere(LineLabel(lineNumber));
    throw error;
  }
  return static_cast<float>(value);
}

// Enough room for every line of the text: counting line ends is far cheaper than growing.
std::size_t LineCountBound(std::string_view text) {
  const auto feeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  if (feeds > 0) return feeds + 1;
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1;
}

// The first three TAB fields of a line, if it has at least three.
bool FirstThreeFields(std::string_view line, std::string_view fields[3]) {
  std::size_t start = 0;
  for (int i = 0; i < 2; ++i) {
    const std::size_t tab = line.find(kTab, start);
    if (tab == std::string_view::npos) return false;
    fields[i] = line.substr(start, tab - start);
    start = tab + 1;
  }
  const std::size_t tab = line.find(kTab, start);
  fields[2] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
  return true;
}

// The x values of the table's first line; its first field (the corner) is not read.
std::vector<float> TableColumns(const TextLines& lines) {
  std::vector<std::string_view> fields;
  SplitText(lines.FirstLine(), kTab, fields);
  std::vector<float> xs;
  for (std::size_t j = 1; j < fields.size(); ++j) xs.push_back(ToSample(fields[j], lines, 1));
  return xs;
}

void ReadTableRow(std::string_view row, std::size_t lineNumber, const std::vector<float>& xs, const TextLines& lines,
                  std::vector<std::string_view>& fields, PointList& points) {
  if (SplitText(row, kTab, fields) == 0) {
    ListIndexError error(0);
    error.SetWhere(LineLabel(lineNumber));
    throw error;
  }
  const float y = ToSample(fields[0], lines, lineNumber);
  const std::size_t cells = std::min(fields.size() - 1, xs.size());
  for (std::size_t j = 1; j <= cells; ++j) {
    const float value = ToSample(fields[j], lines, lineNumber);
    points.push_back({xs[j - 1], y, value});
  }
}

}  // namespace

std::vector<std::string> FirstLineFields(const TextLines& lines) {
  std::vector<std::string> fields;
  if (!lines.Text().empty()) SplitText(lines.Decode(lines.FirstLine()), kTab, fields);
  return fields;
}

// One pass over the text: no index of lines, no string per line.
void ReadStandardRows(const TextLines& lines, PointList& points) {
  const std::string_view text = lines.Text();
  points.reserve(points.size() + LineCountBound(text));
  std::size_t at = 0;
  std::string_view line;
  if (!NextLine(text, at, line)) return;  // the title line
  std::string_view fields[3];
  for (std::size_t number = 2; NextLine(text, at, line); ++number) {
    if (!FirstThreeFields(line, fields)) break;
    const float x = ToSample(fields[0], lines, number);
    const float y = ToSample(fields[1], lines, number);
    const float value = ToSample(fields[2], lines, number);
    points.push_back({x, y, value});
  }
}

void ReadTableRows(const TextLines& lines, PointList& points) {
  if (lines.Count() == 0) return;
  const std::vector<float> xs = TableColumns(lines);
  std::vector<std::string_view> fields;
  for (std::size_t i = 1; i < lines.Count(); ++i) ReadTableRow(lines.Raw(i), i + 1, xs, lines, fields, points);
}

}  // namespace tarn
