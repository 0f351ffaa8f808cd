// The recorded picture as a placeable Windows metafile: our Enhanced Metafile bytes converted
// record by record into 16-bit records, in pixel units at 96 per inch.
#pragma once

#include <string>
#include <string_view>

namespace tarn {

inline constexpr const char* kWmfRangeMessage =
    "座標がWMF形式の範囲（-32768～32767）を超えるため、WMFファイルを作成できません";

// The whole file: placeable header, META_HEADER, the anisotropic mapping for a W x H picture,
// the converted records and META_EOF. Throws MetafileError (canvas/MetafileError.h) for a
// stream it cannot read, and TarnError(kWmfRangeMessage) when a coordinate, size or width
// does not fit 16 bits: never a file with wrapped coordinates.
std::string ConvertToPlaceableWmf(std::string_view emf);

}  // namespace tarn
