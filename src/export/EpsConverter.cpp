#include "export/EpsConverter.h"

#include <algorithm>
#include <cmath>

#include "canvas/MetafileError.h"
#include "export/EpsNumbers.h"
#include "export/HalftonePalette.h"

namespace tarn {

namespace {

// Points per millimetre as the page has always been scaled (not 72 / 25.4).
constexpr double kPointsPerMm = 2.83;

constexpr std::size_t kHeaderBytes = 88;
constexpr std::size_t kOffHeaderSize = 4;
constexpr std::size_t kOffFrame = 24;
constexpr std::size_t kOffRecordCount = 52;
constexpr std::size_t kOffDevice = 72;
constexpr std::size_t kOffMillimeters = 80;
constexpr std::uint32_t kSetPixelV = 15;

std::uint32_t Load32(std::string_view bytes, std::size_t at) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return b[0] | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
}

std::int32_t LoadI32(std::string_view bytes, std::size_t at) { return static_cast<std::int32_t>(Load32(bytes, at)); }

[[noreturn]] void Refuse(const char* what) { throw MetafileError(std::string("EPS変換: ") + what); }

// The picture's pixels along one side: its frame in hundredths of a millimetre at the
// reference device's pixels per millimetre.
int PixelsOf(double hundredthsMm, std::int32_t devicePixels, std::int32_t deviceMm) {
  if (deviceMm <= 0 || devicePixels <= 0) Refuse("メタファイルの参照デバイスが不正です");
  return static_cast<int>(std::lround(hundredthsMm * devicePixels / (deviceMm * 100.0)));
}

std::string ColorLine(Color color, bool gray) {
  const unsigned r = RedOf(color), g = GreenOf(color), b = BlueOf(color);
  if (gray) return FixedText(((r + g + b) / 3) / 256.0) + " setgray";
  return FixedText(r / 256.0, 3) + " " + FixedText(g / 256.0, 3) + " " + FixedText(b / 256.0, 3) + " setrgbcolor";
}

}  // namespace

void Tepsf::ConvertMetafile(std::string_view metafile, bool grayMode, bool vectorMode) {
  metafile_ = metafile;
  OutLines.clear();
  TransferLog.clear();
  GrayMode = grayMode;
  VectorMode = vectorMode;
  ReadMetafileHeader(metafile);
  ReadMetafileRecords(metafile);
  TransferLog.push_back("EMF -> EPS transfer log");
  TransferLog.push_back(IntText(static_cast<std::int64_t>(RecordList.size()) - 1) + " Records(except header)");
  TransferLog.push_back("FuncNum Processing");
  EmitHeaderLines();
  RasterMode = !VectorMode || HoldsSinglePixels();
  if (RasterMode) {
    EmitRasterImage(render_(metafile_), GrayMode);
  } else {
    for (const EmfRecord& record : RecordList) TranslateRecord(record);
  }
  OutLines.push_back("grestore");
}

void Tepsf::ReadMetafileHeader(std::string_view stream) {
  if (stream.size() < kHeaderBytes || Load32(stream, 0) != 1) Refuse("メタファイルのヘッダがありません");
  std::copy_n(reinterpret_cast<const std::uint8_t*>(stream.data()), kHeaderBytes, MetafileHeader.begin());
  mmWidth_ = static_cast<double>(LoadI32(stream, kOffFrame + 8)) - LoadI32(stream, kOffFrame);
  mmHeight_ = static_cast<double>(LoadI32(stream, kOffFrame + 12)) - LoadI32(stream, kOffFrame + 4);
  width_ = PixelsOf(mmWidth_, LoadI32(stream, kOffDevice), LoadI32(stream, kOffMillimeters));
  height_ = PixelsOf(mmHeight_, LoadI32(stream, kOffDevice + 4), LoadI32(stream, kOffMillimeters + 4));
  if (width_ <= 0 || height_ <= 0) Refuse("メタファイルの大きさが不正です");
}

// The header's record count, then each record's type, size and words; every size is checked
// against the bytes that are left.
void Tepsf::ReadMetafileRecords(std::string_view stream) {
  const std::uint32_t headerSize = Load32(stream, kOffHeaderSize);
  const std::uint32_t count = Load32(stream, kOffRecordCount);
  if (headerSize < kHeaderBytes || headerSize > stream.size()) Refuse("メタファイルのヘッダの大きさが不正です");
  if (count < 1 || count - 1 > (stream.size() - headerSize) / 8) Refuse("メタファイルのレコード数が不正です");
  RecordList.assign(count - 1, EmfRecord{});
  std::size_t at = headerSize;
  for (EmfRecord& record : RecordList) {
    if (stream.size() - at < 8) Refuse("メタファイルが途中で切れています");
    record.RecType = Load32(stream, at);
    record.RecSize = Load32(stream, at + 4);
    if (record.RecSize < 8 || record.RecSize > stream.size() - at) Refuse("メタファイルのレコードの大きさが不正です");
    const std::size_t words = (record.RecSize - 8) / 4;
    record.Params.resize(words);
    for (std::size_t i = 0; i < words; ++i) record.Params[i] = Load32(stream, at + 8 + 4 * i);
    at += 8 + 4 * words;
  }
}

double Tepsf::ScaleX() const { return mmWidth_ / 100 / width_ * kPointsPerMm; }
double Tepsf::ScaleY() const { return mmHeight_ / 100 / height_ * kPointsPerMm; }

void Tepsf::EmitHeaderLines() {
  // Marked as EPS, so that importers and viewers take the file as a picture of its bounding box.
  OutLines.push_back("%!PS-Adobe-3.0 EPSF-3.0");
  OutLines.push_back("%%Title: ");
  OutLines.push_back("%%Creator: EPS convert system");
  OutLines.push_back("%%BoundingBox: 0 0 " + FixedText(mmWidth_ / 100 * kPointsPerMm) + " " +
                     FixedText(mmHeight_ / 100 * kPointsPerMm));
  OutLines.push_back("gsave");
  OutLines.push_back(FixedText(ScaleX()) + " " + FixedText(ScaleY()) + " scale");
}

bool Tepsf::HoldsSinglePixels() const {
  return std::any_of(RecordList.begin(), RecordList.end(),
                     [](const EmfRecord& record) { return record.RecType == kSetPixelV; });
}

void Tepsf::EmitRasterImage(const Bitmap24& bitmap, bool gray) {
  const int w = bitmap.Width(), h = bitmap.Height();
  OutLines.push_back("/picstr " + IntText(gray ? w : 3 * w) + " string def");
  OutLines.push_back("/ShowTheImage");
  OutLines.push_back("{ " + IntText(w) + " " + IntText(h) + " 8 [" + IntText(w) + " 0 0 " + IntText(-h) + " 0 " +
                     IntText(h) + "]");
  OutLines.push_back(gray ? " {currentfile picstr readhexstring pop} image"
                          : " {currentfile picstr readhexstring pop} false 3 colorimage");
  OutLines.push_back("}def");
  OutLines.push_back("gsave");
  OutLines.push_back(IntText(w) + " " + IntText(h) + " scale");
  OutLines.push_back("ShowTheImage");
  for (int y = 0; y < h; ++y) {
    std::string line;
    line.reserve(static_cast<std::size_t>(gray ? 2 * w : 6 * w));
    const std::uint8_t* row = bitmap.Row(y);
    for (int x = 0; x < w; ++x) {
      const Color c = NearestHalftoneColor(MakeColor(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
      if (gray) {
        AppendHex2(line, (RedOf(c) + GreenOf(c) + BlueOf(c)) / 3);
      } else {
        AppendHex2(line, RedOf(c));
        AppendHex2(line, GreenOf(c));
        AppendHex2(line, BlueOf(c));
      }
    }
    OutLines.push_back(std::move(line));
  }
  OutLines.push_back("grestore");
}

void Tepsf::EmitFillColor() { OutLines.push_back(ColorLine(BrushColor, GrayMode)); }
void Tepsf::EmitStrokeColor() { OutLines.push_back(ColorLine(PenColor, GrayMode)); }

}  // namespace tarn
