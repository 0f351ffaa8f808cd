// The series block of the settings file, after "Begin:Series": "SeriesCount:" and, for each
// series, "Series:" with its index and one line per field. Reading applies the lines in
// order to the series list, matched without regard to ASCII case.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/UserInterface.h"
#include "scatter/ScatterData.h"

namespace tarn {

// The lines from "SeriesCount:" on.
std::vector<std::string> SeriesBlockLines(const SeriesList& series);

// The most series a settings file may ask for; a larger count is reported as a bad line.
constexpr int kMaxSeriesCount = 65536;

// Applies the lines after "Begin:Series". A count line resizes the list (kept entries keep
// their fields, new ones start empty), shows "名称未設定" for every item and clears the
// selection; lines for an index outside the list are skipped. Throws ConversionError at the
// first integer field that is not an integer; what earlier lines applied stays applied.
void ApplySeriesBlock(std::span<const std::string> lines, ScatterData& scatter, UserInterface& ui);

}  // namespace tarn
