// Cutting text into lines and fields, as every text reader of the program does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// Cuts `text` at every occurrence of `delimiter` into `fields` and returns their number;
// an empty text gives 0 fields, "a<TAB>" gives "a" and "". The text is UTF-8 (or CP932
// bytes split only at ASCII delimiters), so a delimiter byte never matches inside a
// double-byte character.
int SplitText(std::string_view text, char delimiter, std::vector<std::string>& fields);

// The same, giving views into `text` (for the hot reading loops).
int SplitText(std::string_view text, char delimiter, std::vector<std::string_view>& fields);

// Lines end at CR LF, LF or CR; a last line without an ending is a line, and a final
// ending adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The same lines one at a time: the line starting at `at` (without its ending), with `at`
// moved past the ending; false once `at` has reached the end of the text.
bool NextLine(std::string_view text, std::size_t& at, std::string_view& line);

}  // namespace tarn
