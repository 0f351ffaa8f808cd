#include "platform/EmfPlayer.h"

#include <string>

#include "canvas/EmfFormat.h"
#include "canvas/EmfHeader.h"
#include "canvas/EmfRecord.h"
#include "canvas/MetafileError.h"
#include "platform/Playback.h"

namespace tarn {

void PlayEmf(std::string_view stream, Bitmap24& target) {
  const EmfHeader header = ReadEmfHeader(stream);
  Playback playback(target, header.Handles);
  EmfRecordWalker walker(stream);
  walker.Next();  // the header
  while (walker.Next()) {
    const EmfRecord& record = walker.Current();
    if (record.Type() == emf::kEof) break;
    playback.Play(record);
  }
}

Bitmap24 RenderEmf(std::string_view stream) {
  const PixelSize size = PictureSizeOf(ReadEmfHeader(stream));
  // A frame from a damaged header must not make us allocate gigabytes.
  constexpr int kLargestSide = 32767;
  if (size.Width < 0 || size.Height < 0 || size.Width > kLargestSide || size.Height > kLargestSide) {
    throw MetafileError("picture size " + std::to_string(size.Width) + " x " + std::to_string(size.Height) +
                        " is out of range");
  }
  Bitmap24 bitmap(size.Width, size.Height, kWhite);
  PlayEmf(stream, bitmap);
  return bitmap;
}

}  // namespace tarn
