// The plot rectangle and the linear map from data to pixels that every renderer shares.
// `Bottom` and `Top` are distances above the picture's bottom edge; a pixel row is the
// picture height minus such a distance. Conversions round halves to even.
#pragma once

#include <cstdint>

#include "base/NumberText.h"

namespace tarn {

// A drawing coordinate: the real rounded to the nearest pixel, halves to even.
inline int RoundToPixel(double value) { return static_cast<int>(RoundToInt(value)); }

struct PlotArea {
  double Left = 0;
  double Right = 0;
  double Bottom = 0;
  double Top = 0;
  double XScale = 0;
  double YScale = 0;
  double XMin = 0;
  double XMax = 0;
  double YMin = 0;
  double YMax = 0;
  int PictureHeight = 0;  // H: the height of the picture being recorded

  int DataToPixelX(double x) const { return static_cast<int>(WidePixelX(x)); }
  int DataToPixelY(double y) const { return static_cast<int>(WidePixelY(y)); }
  // The same pixels before they are narrowed to int, for data that may lie far outside the
  // picture (a typed range much narrower than the data).
  std::int64_t WidePixelX(double x) const { return RoundToInt((x - XMin) * XScale + Left); }
  std::int64_t WidePixelY(double y) const { return PictureHeight - RoundToInt((y - YMin) * YScale + Bottom); }
  // The row of an upward distance u.
  int Row(double u) const { return PictureHeight - RoundToPixel(u); }
};

}  // namespace tarn
