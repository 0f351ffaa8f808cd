// The option part of the settings file as a table: one row per key, in the order the
// writer puts them, each row saying which control it holds and in which words.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "options/OptionsModel.h"

namespace tarn {

// A check box written as one of two words. Reading: the upper-case true word ticks; any
// other word unticks, unless `OnlyOwnWords`, where only the upper-case false word does.
struct CheckRow {
  OptionCheck Check;
  std::string_view TrueWord = "True";
  std::string_view FalseWord = "False";
  bool OnlyOwnWords = false;
};

// An edit written and read back as its text.
struct EditRow {
  OptionEdit Edit;
};

// One of several words, by index: a radio group, the line colour list or the pattern
// buttons. An index outside the words writes no line.
struct ChoiceRow {
  std::vector<std::string_view> Words;
  int (*Chosen)(const OptionsModel&);
  void (*Choose)(OptionsModel&, int);
};

// The picture size preset with, for the custom size, the two size edits as integers.
struct SizeRow {};

// A colour shape as red, green and blue.
struct ColorRow {
  OptionColor Which;
};

struct OptionRow {
  std::string_view Key;
  std::variant<CheckRow, EditRow, ChoiceRow, SizeRow, ColorRow> Kind;
};

const std::vector<OptionRow>& OptionRows();

// The words of the size row, by PictureSize.
inline constexpr std::string_view kSizeWords[] = {"Half", "Wide", "Custom"};

}  // namespace tarn
