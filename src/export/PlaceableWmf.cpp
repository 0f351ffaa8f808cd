// The conversion in three steps: the stream is checked as a whole, so a damaged file fails
// before any record is converted; the picture's size in pixels comes from the header's frame;
// then the records are translated in order into one byte string, returned only when complete.
#include "export/PlaceableWmf.h"

#include <string>

#include "canvas/EmfFormat.h"
#include "canvas/EmfHeader.h"
#include "canvas/EmfRecord.h"
#include "canvas/MetafileError.h"
#include "export/WmfFormat.h"
#include "export/WmfTranslator.h"
#include "export/WmfWriter.h"

namespace tarn {
namespace {

// Every record's size (the walker checks it), EMR_EOF last, and as many records as the
// header promises.
void CheckRecordStream(std::string_view emf, const EmfHeader& header) {
  EmfRecordWalker walker(emf);
  bool sawEof = false;
  while (walker.Next()) {
    if (sawEof) walker.Current().Fail("records follow the EOF record");
    sawEof = walker.Current().Type() == emf::kEof;
  }
  if (!sawEof) throw MetafileError("metafile without EOF record");
  if (walker.Count() != header.Records) {
    throw MetafileError("nRecords " + std::to_string(header.Records) + " differs from the " +
                        std::to_string(walker.Count()) + " records present");
  }
}

// Hundredths of a millimetre to 96-per-inch units, rounded to nearest: 7276 gives 275.
std::int16_t UnitsOfFrame(std::int64_t hundredthMm) {
  if (hundredthMm < 0) throw MetafileError("picture frame is inverted");
  return Fit16((hundredthMm * wmf::kUnitsPerInch + wmf::kHundredthMmPerInch / 2) / wmf::kHundredthMmPerInch);
}

// Pixel units on any device, then the playback state the EMF's records assume (the
// platform's defaults), which WMF readers do not all start from.
void WritePrologue(WmfWriter& out, std::int16_t width, std::int16_t height) {
  out.Begin(wmf::kSetMapMode, wmf::kMapModeWords);
  out.U16(wmf::kMapModeAnisotropic);
  out.Begin(wmf::kSetWindowOrg, wmf::kPointWords);
  out.I16(0);
  out.I16(0);
  out.Begin(wmf::kSetWindowExt, wmf::kPointWords);
  out.I16(height);
  out.I16(width);
  const std::pair<std::uint16_t, std::uint32_t> modes[] = {
      {wmf::kSetBkMode, emf::kBkOpaque}, {wmf::kSetRop2, emf::kRop2CopyPen},
      {wmf::kSetTextAlign, wmf::kTextAlignDefault}, {wmf::kSetPolyFillMode, wmf::kPolyFillAlternate}};
  for (const auto& [function, mode] : modes) {
    out.Begin(function, wmf::kModeWords);
    out.U16(mode);
    out.U16(0);
  }
  const std::pair<std::uint16_t, Color> colors[] = {{wmf::kSetBkColor, kWhite}, {wmf::kSetTextColor, kBlack}};
  for (const auto& [function, color] : colors) {
    out.Begin(function, wmf::kColorWords);
    out.U32(color);
  }
}

}  // namespace

std::string ConvertToPlaceableWmf(std::string_view emf) {
  const EmfHeader header = ReadEmfHeader(emf);
  CheckRecordStream(emf, header);
  const std::int16_t width = UnitsOfFrame(std::int64_t{header.Frame.Right} - header.Frame.Left);
  const std::int16_t height = UnitsOfFrame(std::int64_t{header.Frame.Bottom} - header.Frame.Top);
  std::string wmf;
  wmf.reserve(emf.size() + 1024);  // each record shrinks, bar a few stock equivalents
  WmfWriter out(wmf, width, height);
  WritePrologue(out, width, height);
  WmfTranslator translator(out, header.Handles);
  EmfRecordWalker walker(emf);
  walker.Next();  // the header
  while (walker.Next() && walker.Current().Type() != emf::kEof) translator.Translate(walker.Current());
  out.Finish(translator.NumberOfObjects());
  return wmf;
}

}  // namespace tarn
