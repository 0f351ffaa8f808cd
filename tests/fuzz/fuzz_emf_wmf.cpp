// The WMF converter on arbitrary metafile bytes.
#include "FuzzSupport.h"
#include "export/PlaceableWmf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarn::fuzz::Fuzz(data, size, [](const std::string& bytes) { tarn::ConvertToPlaceableWmf(bytes); });
}
