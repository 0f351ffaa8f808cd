#include "base/SplitText.h"

#include <cstring>

namespace tarn {

namespace {

template <typename Field>
int SplitInto(std::string_view text, char delimiter, std::vector<Field>& fields) {
  fields.clear();
  if (text.empty()) return 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(delimiter, start);
    if (at == std::string_view::npos) break;
    fields.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  fields.emplace_back(text.substr(start));
  return static_cast<int>(fields.size());
}

}  // namespace

int SplitText(std::string_view text, char delimiter, std::vector<std::string>& fields) {
  return SplitInto(text, delimiter, fields);
}

int SplitText(std::string_view text, char delimiter, std::vector<std::string_view>& fields) {
  return SplitInto(text, delimiter, fields);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* lineEnd = p;
    while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r') ++lineEnd;
    lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
    if (lineEnd < end && *lineEnd == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n') ++lineEnd;
    p = lineEnd + 1;
  }
  return lines;
}

}  // namespace tarn
