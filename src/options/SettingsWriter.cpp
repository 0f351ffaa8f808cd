// Writing the settings file: nine comment lines, the option lines row by row, then the
// series block behind "Begin:Series".
#include <cstdint>
#include <limits>
#include <optional>

#include "base/Errors.h"
#include "base/NumberText.h"
#include "base/TextFile.h"
#include "options/OptionKeys.h"
#include "options/SettingsFile.h"

namespace tarn {

namespace {

const std::vector<std::string>& HeaderLines() {
  static const std::vector<std::string> lines = {
      "C:------------Tarnplot用初期ファイル-----------",
      "C:  \"C:\"で始まる行はコメント行として扱われます",
      "C:  このファイルは、存在しなくても動作します",
      "C:  プログラム終了時に設定がこのファイルに上書きされます",
      "C:  全ての行が必要なわけではありません",
      "C:\u3000設定したいことだけを記述すれば動作します",
      "C:  大文字と小文字は区別されません",
      "C:  行頭と行末の空白は無視されます",
      "C:-------------------------------------------------",
  };
  return lines;
}

// A size edit as the reader takes it back: an integer stays as typed, a number with a
// fraction becomes the whole pixels a redraw would use; anything else cannot be written,
// because reading it back would stop the whole file at this line.
std::optional<std::string> WholePixelText(const std::string& text) {
  try {
    TextToInt(text);
    return text;
  } catch (const ConversionError&) {
  }
  double value = 0;
  if (!TryTextToFloat(text, value)) return std::nullopt;
  const std::int64_t pixels = RoundToInt(value);
  using Limits = std::numeric_limits<std::int32_t>;
  if (pixels < Limits::min() || pixels > Limits::max()) return std::nullopt;
  return std::to_string(pixels);
}

std::string SizeLine(const OptionsModel& model) {
  const PictureSize size = model.GetPictureSize();
  std::string line = "Size:" + std::string(kSizeWords[static_cast<int>(size)]);
  if (size != PictureSize::SizeCustom) return line;
  const auto width = WholePixelText(model.Text(OptionEdit::ImageWidth));
  const auto height = WholePixelText(model.Text(OptionEdit::ImageHeight));
  if (width && height) line += ":" + *width + ":" + *height;
  return line;
}

std::string ColorText(Color color) {
  return std::to_string(RedOf(color)) + ":" + std::to_string(GreenOf(color)) + ":" +
         std::to_string(BlueOf(color));
}

// The row's line, or nothing for a choice with no word chosen.
std::optional<std::string> RowValue(const OptionRow& row, const OptionsModel& model) {
  if (const auto* check = std::get_if<CheckRow>(&row.Kind)) {
    return std::string(model.Checked(check->Check) ? check->TrueWord : check->FalseWord);
  }
  if (const auto* edit = std::get_if<EditRow>(&row.Kind)) return model.Text(edit->Edit);
  if (const auto* choice = std::get_if<ChoiceRow>(&row.Kind)) {
    const int index = choice->Chosen(model);
    if (index < 0 || index >= static_cast<int>(choice->Words.size())) return std::nullopt;
    return std::string(choice->Words[static_cast<std::size_t>(index)]);
  }
  if (const auto* color = std::get_if<ColorRow>(&row.Kind)) {
    return ColorText(model.GetColor(color->Which));
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> OptionLines(const OptionsModel& model) {
  std::vector<std::string> lines;
  for (const OptionRow& row : OptionRows()) {
    if (std::holds_alternative<SizeRow>(row.Kind)) {
      lines.push_back(SizeLine(model));
    } else if (const auto value = RowValue(row, model)) {
      lines.push_back(std::string(row.Key) + ":" + *value);
    }
  }
  return lines;
}

std::vector<std::string> EmptySeriesBlock() { return {"SeriesCount:0"}; }

std::vector<std::string> SettingsFileLines(const OptionsModel& model,
                                           const std::vector<std::string>& seriesBlock) {
  std::vector<std::string> lines = HeaderLines();
  const std::vector<std::string> options = OptionLines(model);
  lines.insert(lines.end(), options.begin(), options.end());
  lines.push_back("C: ここから散布図の各系列の設定");
  lines.push_back("Begin:Series");
  lines.insert(lines.end(), seriesBlock.begin(), seriesBlock.end());
  return lines;
}

void SaveSettings(const OptionsModel& model, const std::string& path,
                  const std::vector<std::string>& seriesBlock) {
  WriteTextLines(path, SettingsFileLines(model, seriesBlock));
}

}  // namespace tarn
