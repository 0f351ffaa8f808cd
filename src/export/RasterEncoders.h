// The picture file formats made from a played-back picture: BMP (24-bit), PNG (8-bit
// truecolour) and JPEG (baseline, quality 90, three components). Each returns the whole
// file's bytes, so the caller can write it all or nothing.
#pragma once

#include <string>

#include "canvas/Bitmap24.h"

namespace tarn {

std::string EncodeBmp(const Bitmap24& picture);
std::string EncodePng(const Bitmap24& picture);
std::string EncodeJpeg(const Bitmap24& picture, int quality = 90);

}  // namespace tarn
