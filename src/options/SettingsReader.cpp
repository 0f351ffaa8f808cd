// Reading the settings file. Each line is upper-cased (ASCII letters only) and cut at the
// colons; field 1 is the key, field 2 the value word or text, fields 3 and 4 the further
// numbers of a custom size or a colour. Blanks are kept, so "TRUE " is not "TRUE".
#include <algorithm>
#include <filesystem>

#include "base/AsciiCase.h"
#include "base/NumberText.h"
#include "base/SplitText.h"
#include "base/TextCodec.h"
#include "base/TextFile.h"
#include "options/OptionKeys.h"
#include "options/SettingsFile.h"

namespace tarn {

namespace {

using Fields = std::vector<std::string>;

void ApplyCheck(const CheckRow& row, OptionsModel& model, const std::string& value) {
  if (value == "TRUE") {
    model.SetChecked(row.Check, true);
  } else if (!row.OnlyOwnWords || value == UpperAscii(row.FalseWord)) {
    model.SetChecked(row.Check, false);
  }
}

void ApplyChoice(const ChoiceRow& row, OptionsModel& model, const std::string& value) {
  for (std::size_t i = 0; i < row.Words.size(); ++i) {
    if (value == UpperAscii(row.Words[i])) {
      row.Choose(model, static_cast<int>(i));
      return;
    }
  }
}

// A preset word chooses the preset (which rewrites the size edits); with four fields the
// two numbers then go into the edits whatever the word was, which chooses the custom size
// when they differ from what the edits hold.
void ApplySize(OptionsModel& model, const Fields& fields) {
  for (std::size_t i = 0; i < std::size(kSizeWords); ++i) {
    if (fields[1] == UpperAscii(kSizeWords[i])) model.ChoosePictureSize(static_cast<PictureSize>(i));
  }
  if (fields.size() < 4) return;
  const std::int32_t width = TextToInt(fields[2]);
  const std::int32_t height = TextToInt(fields[3]);
  model.SetText(OptionEdit::ImageWidth, std::to_string(width));
  model.SetText(OptionEdit::ImageHeight, std::to_string(height));
}

// Components beyond 0 to 255 keep their low 8 bits; a line without all three is ignored.
void ApplyColor(const ColorRow& row, OptionsModel& model, const Fields& fields) {
  if (fields.size() < 4) return;
  const auto red = static_cast<unsigned>(TextToInt(fields[1]));
  const auto green = static_cast<unsigned>(TextToInt(fields[2]));
  const auto blue = static_cast<unsigned>(TextToInt(fields[3]));
  model.SetColor(row.Which, MakeColor(red, green, blue));
}

void ApplyRow(const OptionRow& row, OptionsModel& model, const Fields& fields) {
  const std::string& value = fields[1];
  if (const auto* check = std::get_if<CheckRow>(&row.Kind)) ApplyCheck(*check, model, value);
  if (const auto* edit = std::get_if<EditRow>(&row.Kind)) model.SetText(edit->Edit, value);
  if (const auto* choice = std::get_if<ChoiceRow>(&row.Kind)) ApplyChoice(*choice, model, value);
  if (std::holds_alternative<SizeRow>(row.Kind)) ApplySize(model, fields);
  if (const auto* color = std::get_if<ColorRow>(&row.Kind)) ApplyColor(*color, model, fields);
}

const OptionRow* FindRow(const std::string& upperKey) {
  const auto& rows = OptionRows();
  const auto found = std::find_if(rows.begin(), rows.end(), [&](const OptionRow& row) {
    return UpperAscii(row.Key) == upperKey;
  });
  return found == rows.end() ? nullptr : &*found;
}

// Not a text file at all: a picture or some other binary picked by mistake.
bool LooksLikeText(std::string_view bytes) {
  return bytes.size() <= kMaxSettingsFileBytes && bytes.find('\0') == std::string_view::npos;
}

void RefuseFile(UserInterface& ui, const std::string& path) {
  ui.ShowMessage(MessageKind::Warning, "ファイル " + path + " は設定ファイルとして読めません");
}

}  // namespace

OptionLineResult ApplyOptionLine(OptionsModel& model, std::string_view line, UserInterface& ui) {
  Fields fields;
  if (SplitText(UpperAscii(line), ':', fields) < 2) {
    ui.ShowMessage(MessageKind::Warning, "設定ファイルが不正です");
    return OptionLineResult::OptionLine;
  }
  const std::string& key = fields[0];
  if (key == "BEGIN" && fields[1] == "SERIES") return OptionLineResult::SeriesBlockStarts;
  if (key == "C") return OptionLineResult::OptionLine;
  if (const OptionRow* row = FindRow(key)) ApplyRow(*row, model, fields);
  return OptionLineResult::OptionLine;
}

void LoadSettings(OptionsModel& model, const std::string& path, UserInterface& ui,
                  const SeriesBlockReader& readSeries) {
  if (!FileExists(path)) {
    ui.ShowMessage(MessageKind::Information, "存在しません");
    return;
  }
  // Checked before reading, so a huge file is never loaded into memory.
  std::error_code error;
  if (std::filesystem::file_size(path, error) > kMaxSettingsFileBytes && !error) {
    return RefuseFile(ui, path);
  }
  const std::string bytes = ReadFileBytes(path);
  if (!LooksLikeText(bytes)) return RefuseFile(ui, path);

  const std::vector<std::string> lines = ToLines(DecodeText(bytes));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (ApplyOptionLine(model, lines[i], ui) == OptionLineResult::SeriesBlockStarts) {
      if (readSeries) readSeries(std::span<const std::string>(lines).subspan(i + 1));
      return;
    }
  }
}

}  // namespace tarn
