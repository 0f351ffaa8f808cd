#include "data/ContourReader.h"

#include <cfloat>
#include <cmath>
#include <string_view>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/SplitText.h"

namespace tarn {

namespace {

constexpr char kTab = '\t';

// A sample's number: parsed strictly in double precision, then stored in single precision.
float ToSample(std::string_view field, const TextLines& lines) {
  double value = 0;
  if (!TryTextToFloat(field, value) || std::fabs(value) > FLT_MAX) {
    throw ConversionError::NotAFloat(lines.Decode(field));
  }
  return static_cast<float>(value);
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
  SplitText(lines.Raw(0), kTab, fields);
  std::vector<float> xs;
  for (std::size_t j = 1; j < fields.size(); ++j) xs.push_back(ToSample(fields[j], lines));
  return xs;
}

void ReadTableRow(std::string_view row, const std::vector<float>& xs, const TextLines& lines,
                  std::vector<std::string_view>& fields, PointList& points) {
  if (SplitText(row, kTab, fields) == 0) throw ListIndexError(0);
  const float y = ToSample(fields[0], lines);
  const std::size_t cells = std::min(fields.size() - 1, xs.size());
  for (std::size_t j = 1; j <= cells; ++j) {
    const float value = ToSample(fields[j], lines);
    points.push_back({xs[j - 1], y, value});
  }
}

}  // namespace

std::vector<std::string> FirstLineFields(const TextLines& lines) {
  std::vector<std::string> fields;
  if (lines.Count() > 0) SplitText(lines.Decoded(0), kTab, fields);
  return fields;
}

void ReadStandardRows(const TextLines& lines, PointList& points) {
  points.reserve(points.size() + lines.Count());
  std::string_view fields[3];
  for (std::size_t i = 1; i < lines.Count(); ++i) {
    if (!FirstThreeFields(lines.Raw(i), fields)) break;
    const float x = ToSample(fields[0], lines);
    const float y = ToSample(fields[1], lines);
    const float value = ToSample(fields[2], lines);
    points.push_back({x, y, value});
  }
}

void ReadTableRows(const TextLines& lines, PointList& points) {
  if (lines.Count() == 0) return;
  const std::vector<float> xs = TableColumns(lines);
  std::vector<std::string_view> fields;
  for (std::size_t i = 1; i < lines.Count(); ++i) ReadTableRow(lines.Raw(i), xs, lines, fields, points);
}

}  // namespace tarn
