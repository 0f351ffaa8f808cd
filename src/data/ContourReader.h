// Reading the samples of a contour data file in its two forms.
//
// Standard form: a title line (x, y and value titles), then one sample per line,
// x TAB y TAB value, further fields ignored; reading stops at the first line with fewer
// than three fields. Table form: x values across the first line (its first field is the
// corner), then rows of a y value followed by the values at (x2, y), (x3, y), ...
//
// These functions append to the caller's point set as they go, so that a failure leaves
// the samples before the faulty line or cell in place, as the load command promises. An
// error they throw carries the faulty line's number as its Where() ("12行目"); the caller
// knows the file's name and may put it in front.
#pragma once

#include <string>
#include <vector>

#include "base/TextLines.h"
#include "data/PointSet.h"

namespace tarn {

// The standard form has at most three title fields; more means the file is a table.
inline constexpr int kMaxTitleFields = 3;

// The fields of the first line, decoded.
std::vector<std::string> FirstLineFields(const TextLines& lines);

// Appends the samples of lines 2, 3, ... Throws ConversionError for a field that is not a
// number (or does not fit single precision).
void ReadStandardRows(const TextLines& lines, PointList& points);

// Appends one sample per value cell, row by row, left to right. Cells beyond the last x
// of the first line are ignored. Throws ConversionError for a cell that is not a number
// and ListIndexError for an empty row (its y is missing).
void ReadTableRows(const TextLines& lines, PointList& points);

}  // namespace tarn
