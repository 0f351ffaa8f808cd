// The EPS converter on arbitrary metafile bytes, in both modes; the raster comes from a stand-in
// player, since the real one belongs to the window's platform.
#include "FuzzSupport.h"
#include "export/EpsConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) {
    tarn::Tepsf converter([](std::string_view) { return tarn::Bitmap24(3, 2); });
    const bool vector = !bytes.empty() && (bytes.back() & 1);
    converter.ConvertMetafile(bytes, !vector, vector);
  });
}
