// Fonts and text. Text and face names become CP932 bytes, the code page of the Japanese
// character set our fonts carry; the character set itself goes over as the EMF gives it.
// A text with advances becomes META_EXTTEXTOUT with one advance per byte, one without them
// META_TEXTOUT; the opaque background is the BkMode/BkColor state, not a text option.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "canvas/EmfFormat.h"
#include "export/WmfFormat.h"
#include "export/WmfText.h"
#include "export/WmfTranslator.h"

namespace tarn {
namespace {

constexpr std::uint32_t kTextNoRect = 0x100;  // ETO_NO_RECT: the EMF record has no rectangle
// The LogFont bytes our recordings leave at 0 (EmfFormat.h names the ones they set).
constexpr std::uint32_t kOffFontUnderline = 33;
constexpr std::uint32_t kOffFontStrikeOut = 34;
constexpr std::uint32_t kOffFontClipPrecision = 37;
constexpr std::uint32_t kOffFontQuality = 38;
constexpr std::uint32_t kOffFontPitchAndFamily = 39;
constexpr std::int32_t kFullTurn = 3600;  // tenths of a degree

// A turn that 16 bits cannot hold is the same angle less whole turns.
std::int16_t FitAngle(std::int32_t tenths) {
  return Fit16(tenths >= INT16_MIN && tenths <= INT16_MAX ? tenths : tenths % kFullTurn);
}

std::uint32_t BytePair(std::uint32_t low, std::uint32_t high) { return (low & 0xFFu) | ((high & 0xFFu) << 8); }

std::uint32_t StringWords(std::size_t bytes) { return static_cast<std::uint32_t>((bytes + 1) / 2); }

struct TextPlacement {
  std::int16_t X = 0;
  std::int16_t Y = 0;
  std::uint16_t Options = 0;  // ETO_OPAQUE and ETO_CLIPPED only
  std::optional<std::array<std::int16_t, 4>> Rectangle;  // left, top, right, bottom
};

void WriteTextOut(WmfWriter& out, const TextPlacement& at, const std::string& bytes) {
  out.Begin(wmf::kTextOut, wmf::kRecordPrefixWords + 1 + StringWords(bytes.size()) + 2);
  out.I16(static_cast<std::int16_t>(bytes.size()));
  out.PaddedBytes(bytes);
  out.I16(at.Y);
  out.I16(at.X);
}

void WriteExtTextOut(WmfWriter& out, const TextPlacement& at, const std::string& bytes, const std::vector<std::int16_t>& dx) {
  const std::uint32_t rectangleWords = at.Rectangle ? 4 : 0;
  out.Begin(wmf::kExtTextOut, wmf::kRecordPrefixWords + 4 + rectangleWords + StringWords(bytes.size()) +
                                  static_cast<std::uint32_t>(dx.size()));
  out.I16(at.Y);
  out.I16(at.X);
  out.I16(static_cast<std::int16_t>(bytes.size()));
  out.U16(at.Options);
  if (at.Rectangle) {
    for (std::int16_t side : *at.Rectangle) out.I16(side);
  }
  out.PaddedBytes(bytes);
  for (std::int16_t advance : dx) out.I16(advance);
}

// The rectangle is present exactly when the options need it; an EMF that left it out
// (ETO_NO_RECT) loses the options that would use it.
TextPlacement PlaceText(const EmfRecord& record, const EmfText& text) {
  TextPlacement at;
  at.X = Fit16(text.Reference.X);
  at.Y = Fit16(text.Reference.Y);
  if ((text.Options & kTextNoRect) != 0) return at;
  at.Options = static_cast<std::uint16_t>(text.Options & (wmf::kTextOpaque | wmf::kTextClipped));
  if (at.Options == 0) return at;
  const PixelBox box = ReadBox(record, emf::kOffTextRectangle);
  at.Rectangle = std::array<std::int16_t, 4>{Fit16(box.Left), Fit16(box.Top), Fit16(box.Right), Fit16(box.Bottom)};
  return at;
}

}  // namespace

void WmfTranslator::CreateFont(const EmfRecord& record) {
  std::uint32_t& slot = CreationSlot(record);
  WmfLogFont font;
  font.Font = ReadCreateFont(record);
  font.Width = record.I32(emf::kOffFontWidth);
  font.Underline = record.U8(kOffFontUnderline);
  font.StrikeOut = record.U8(kOffFontStrikeOut);
  font.ClipPrecision = record.U8(kOffFontClipPrecision);
  font.Quality = record.U8(kOffFontQuality);
  font.PitchAndFamily = record.U8(kOffFontPitchAndFamily);
  slot = WriteFont(font);
}

std::uint16_t WmfTranslator::WriteFont(const WmfLogFont& font) {
  const EmfFont& f = font.Font;
  const std::int16_t height = Fit16(f.Height), width = Fit16(font.Width), weight = Fit16(f.Weight);
  const std::int16_t escapement = FitAngle(f.Escapement), orientation = FitAngle(f.Orientation);
  const std::string face = EncodeCp932FaceName(f.Face) + '\0';
  out_.Begin(wmf::kCreateFontIndirect, wmf::kFontFixedWords + StringWords(face.size()));
  out_.I16(height);
  out_.I16(width);
  out_.I16(escapement);
  out_.I16(orientation);
  out_.I16(weight);
  out_.U16(BytePair(f.Italic ? 1 : 0, font.Underline));
  out_.U16(BytePair(font.StrikeOut, f.CharSet));
  out_.U16(BytePair(f.OutPrecision, font.ClipPrecision));
  out_.U16(BytePair(font.Quality, font.PitchAndFamily));
  out_.PaddedBytes(face);
  return slots_.Take();
}

void WmfTranslator::Text(const EmfRecord& record) {
  const EmfText text = ReadTextOut(record);
  if (text.Text.empty()) return;
  const TextPlacement at = PlaceText(record, text);
  const Cp932Text encoded = EncodeCp932Text(text.Text, text.Advances);
  Fit16(static_cast<std::int64_t>(encoded.Bytes.size()));  // StringLength is a 16-bit field
  std::vector<std::int16_t> dx;
  dx.reserve(encoded.Dx.size());
  for (std::int32_t advance : encoded.Dx) dx.push_back(Fit16(advance));
  if (at.Options == 0 && dx.empty()) {
    WriteTextOut(out_, at, encoded.Bytes);
  } else {
    WriteExtTextOut(out_, at, encoded.Bytes, dx);
  }
}

}  // namespace tarn
