// PostScript font names for the faces a picture uses, and the ANSI bytes of UTF-16 text.
#include <algorithm>
#include <cctype>

#include "base/TextCodec.h"
#include "canvas/Utf16.h"
#include "export/EpsConverter.h"

namespace tarn {

namespace {

struct FontRule {
  std::vector<std::string_view> Faces;
  std::string_view Plain, Italic, Bold, BoldItalic;
  bool StyleMatters = true;  // the Japanese faces have one name whatever the style
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

const std::vector<FontRule>& Rules() {
  static const std::vector<FontRule> rules = {
      {{"Times New Roman"}, "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic"},
      {{"Arial", "Helvetica"}, "Helvetica", "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique"},
      {{"Courier", "Courier New"}, "Courier", "Courier-Oblique", "Courier-Bold", "Courier-BoldOblique"},
      {{"ＭＳ Ｐゴシック"}, "MS-PGothic", "MS-PGothic", "MS-PGothic", "MS-PGothic", false},
      {{"ＭＳ ゴシック"}, "MS-Gothic", "MS-Gothic", "MS-Gothic", "MS-Gothic", false},
      {{"ＭＳ Ｐ明朝"}, "MS-PMincho", "MS-PMincho", "MS-PMincho", "MS-PMincho", false},
      {{"ＭＳ 明朝"}, "MS-Mincho", "MS-Mincho", "MS-Mincho", "MS-Mincho", false},
  };
  return rules;
}

}  // namespace

std::string FaceToAnsi(std::u16string_view face) { return EncodeCp932(Utf16ToUtf8(face)); }

// `face` is in the ANSI code page, as the rules' Japanese faces are compared.
std::string MapFontName(std::string_view face, bool bold, std::uint32_t italic) {
  std::string name;
  for (const FontRule& rule : Rules()) {
    const bool matches = std::any_of(rule.Faces.begin(), rule.Faces.end(), [&](std::string_view f) {
      return SameIgnoringCase(face, rule.StyleMatters ? std::string(f) : EncodeCp932(f));
    });
    if (!matches) continue;
    // Italic is only 0 or 1; any other byte gives the styled faces no name.
    if (rule.StyleMatters && italic > 1) continue;
    const bool slanted = italic == 1;
    name = std::string(bold ? (slanted ? rule.BoldItalic : rule.Bold) : (slanted ? rule.Italic : rule.Plain));
  }
  if (!name.empty()) return name;
  if (face.empty()) return "Times-Roman";
  if (Utf8ToUtf16(DecodeText(face, TextEncoding::Cp932)).size() == 1) return std::string(face);
  return "MS-PGothic";
}

}  // namespace tarn
