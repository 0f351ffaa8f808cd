// The settings file: the options (all but the automatic reload) and the scatter series as
// "key:value" lines in CP932. Writing builds the whole list of lines; reading applies the
// option lines one by one through the model's setters, so every interlock fires as if the
// person had set the control, and hands the series block to whoever owns the series.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/UserInterface.h"
#include "options/OptionsModel.h"

namespace tarn {

// The option lines in the writer's order.
std::vector<std::string> OptionLines(const OptionsModel& model);

// The series block after "Begin:Series" of a program without series.
std::vector<std::string> EmptySeriesBlock();

// The whole file: header comments, option lines, "Begin:Series" and `seriesBlock`
// (starting with its "SeriesCount:" line).
std::vector<std::string> SettingsFileLines(const OptionsModel& model,
                                           const std::vector<std::string>& seriesBlock =
                                               EmptySeriesBlock());

// Replaces the file at `path` (CP932, CR LF, all or nothing); throws FileError
// ("ファイル %s を作成できません"). Clearing SettingsChanged is left to the caller.
void SaveSettings(const OptionsModel& model, const std::string& path,
                  const std::vector<std::string>& seriesBlock = EmptySeriesBlock());

enum class OptionLineResult {
  OptionLine,     // applied, skipped as a comment or unknown, or reported as malformed
  SeriesBlockStarts,  // the line "Begin:Series": the option part ends here
};

// Applies one option line: matched without regard to ASCII case, malformed lines reported
// with "設定ファイルが不正です", unknown keys and words ignored. Throws ConversionError
// ("'%s' は整数ではありません") for a size or colour field that is not an integer.
OptionLineResult ApplyOptionLine(OptionsModel& model, std::string_view line, UserInterface& ui);

// Takes the lines after "Begin:Series", as they stand in the file.
using SeriesBlockReader = std::function<void(std::span<const std::string> lines)>;

// The largest file taken for a settings file.
constexpr std::size_t kMaxSettingsFileBytes = 4u * 1024u * 1024u;

// Applies the file at `path`: "存在しません" if there is none, a refusal for a file that is
// not text, else every option line until "Begin:Series"; the rest goes to `readSeries`
// (ignored without one). An integer error stops the reading at its line and rises to the
// caller; what the earlier lines set stays set.
void LoadSettings(OptionsModel& model, const std::string& path, UserInterface& ui,
                  const SeriesBlockReader& readSeries = nullptr);

}  // namespace tarn
