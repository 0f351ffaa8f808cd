// The EPS converter: the header and raster layout, the record translations, bad streams, and
// Ghostscript's rendering of what it writes compared with our own playback.
#include <QImage>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "canvas/FakeFontMetrics.h"
#include "canvas/MetafileError.h"
#include "canvas/MetafileRecorder.h"
#include "canvas/Utf16.h"
#include "export/EpsConverter.h"
#include "export/HalftonePalette.h"
#include "platform/EmfPlayer.h"
#include "platform/FontSystem.h"
#include "platform/HeadlessFonts.h"
#include "support/ExternalTools.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;
using Lines = std::vector<std::string>;

Tepsf Converted(const std::string& picture, bool gray, bool vector) {
  Tepsf converter(RenderEmf);
  converter.ConvertMetafile(picture, gray, vector);
  return converter;
}

// A 275 x 275 picture: white, with a red box in its top-left corner.
std::string RedCornerPicture() {
  FakeFontMetrics metrics;
  MetafileRecorder r(275, 275, metrics);
  r.SetPenColor(kWhite);
  r.SetBrushColor(kWhite);
  r.Rectangle(0, 0, 275, 275);
  r.SetPenColor(MakeColor(255, 0, 0));
  r.SetBrushColor(MakeColor(255, 0, 0));
  r.Rectangle(0, 0, 10, 10);
  return r.Finish();
}

TEST(EpsRaster, HeaderImageLinesAndPixelsInColourAndGray) {
  const std::string picture = RedCornerPicture();
  for (const bool gray : {false, true}) {
    const Tepsf eps = Converted(picture, gray, false);
    const Lines& out = eps.OutLines;
    ASSERT_EQ(out.size(), 6u + 8u + 275u + 2u);
    EXPECT_EQ(Lines(out.begin(), out.begin() + 6),
              (Lines{"%!PS-Adobe-3.0 EPSF-3.0", "%%Title: ", "%%Creator: EPS convert system",
                     "%%BoundingBox: 0 0 205.91 205.91", "gsave", "0.75 0.75 scale"}));
    EXPECT_EQ(out[6], gray ? "/picstr 275 string def" : "/picstr 825 string def");
    EXPECT_EQ(out[8], "{ 275 275 8 [275 0 0 -275 0 275]");
    EXPECT_EQ(out[9], gray ? " {currentfile picstr readhexstring pop} image"
                           : " {currentfile picstr readhexstring pop} false 3 colorimage");
    EXPECT_EQ(out[12], "275 275 scale");
    EXPECT_EQ(out[14].size(), gray ? 550u : 1650u);
    EXPECT_EQ(out[14].substr(0, gray ? 2 : 6), gray ? "55" : "FF0000");
    EXPECT_EQ(out[out.size() - 3].substr(0, gray ? 2 : 6), gray ? "FF" : "FFFFFF");
    EXPECT_EQ(out[out.size() - 2], "grestore");
    EXPECT_EQ(out.back(), "grestore");
  }
}

TEST(HalftonePalette, KeepsCubeColoursAndGraysAndTakesTheNearestOtherwise) {
  const std::vector<std::pair<Color, Color>> cases = {
      {MakeColor(255, 0, 0), MakeColor(255, 0, 0)},       {MakeColor(102, 153, 204), MakeColor(102, 153, 204)},
      {MakeColor(250, 10, 30), MakeColor(255, 0, 51)},    {MakeColor(128, 128, 128), MakeColor(130, 130, 130)},
      {MakeColor(240, 240, 240), MakeColor(238, 238, 238)}, {MakeColor(0, 0, 0), MakeColor(0, 0, 0)}};
  for (const auto& [in, out] : cases) EXPECT_EQ(NearestHalftoneColor(in), out) << std::hex << in;
}

// The lines after the header (6 lines) and before the final grestore.
Lines Body(const Tepsf& eps) { return Lines(eps.OutLines.begin() + 6, eps.OutLines.end() - 1); }

TEST(EpsVector, ARectangleWithAZeroWidthPen) {
  FakeFontMetrics metrics;
  MetafileRecorder r(275, 275, metrics);
  r.SetPen(Pen{kBlack, 0, PenStyle::Solid, PenMode::Copy});
  r.SetBrushColor(kWhite);
  r.Rectangle(10, 20, 110, 70);
  const Tepsf eps = Converted(r.Finish(), false, true);
  EXPECT_EQ(Body(eps), (Lines{"[1 0] 0 setdash", "0.00 setlinewidth", "gsave", "newpath", "10 255 moveto",
                              "10 205 lineto", "110 205 lineto", "110 255 lineto", "closepath", "gsave",
                              "0.996 0.996 0.996 setrgbcolor", "fill", "grestore", "0.000 0.000 0.000 setrgbcolor",
                              "stroke", "grestore"}));
  EXPECT_EQ(eps.TransferLog.back(), "14 NotUsed");
}

// Records made by hand: type, then the words after type and size.
std::string Stream(const std::vector<std::pair<std::uint32_t, std::vector<std::uint32_t>>>& records) {
  FakeFontMetrics metrics;
  std::string header = MetafileRecorder(275, 275, metrics).Finish();
  header.resize(108);
  std::string body;
  auto put = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) body += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  for (const auto& [type, words] : records) {
    put(type);
    put(static_cast<std::uint32_t>(8 + 4 * words.size()));
    for (std::uint32_t w : words) put(w);
  }
  put(14), put(20), put(0), put(16), put(20);
  std::string stream = header + body;
  const auto count = static_cast<std::uint32_t>(records.size() + 2);
  for (int i = 0; i < 4; ++i) stream[static_cast<std::size_t>(52 + i)] = static_cast<char>((count >> (8 * i)) & 0xFF);
  return stream;
}

std::uint32_t Pair16(int x, int y) { return static_cast<std::uint32_t>(x & 0xFFFF) | static_cast<std::uint32_t>(y) << 16; }

struct TranslationCase {
  const char* Name;
  std::vector<std::pair<std::uint32_t, std::vector<std::uint32_t>>> Records;
  Lines Body;
  Lines LogTail;
};

class EpsTranslation : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(EpsTranslation, WritesTheLinesOfEachRecord) {
  const Tepsf eps = Converted(Stream(GetParam().Records), false, true);
  EXPECT_EQ(Body(eps), GetParam().Body);
  const Lines& log = eps.TransferLog;
  EXPECT_EQ(Lines(log.end() - static_cast<long>(GetParam().LogTail.size()), log.end()), GetParam().LogTail);
}

const std::vector<std::uint32_t> kNoBounds = {0, 0, 0, 0};
std::vector<std::uint32_t> WithBounds(std::vector<std::uint32_t> words) {
  words.insert(words.begin(), kNoBounds.begin(), kNoBounds.end());
  return words;
}

INSTANTIATE_TEST_SUITE_P(
    Records, EpsTranslation,
    ::testing::Values(
        // A box before any pen is filled, not stroked; a line before any pen is stroked in black.
        TranslationCase{"BoxAndLineBeforeAnyPen",
                        {{39, {1, 0, 0x0000FF}}, {43, {0, 0, 2, 2}}, {54, {5, 75}}},
                        {"gsave", "newpath", "0 275 moveto", "0 273 lineto", "2 273 lineto", "2 275 lineto",
                         "closepath", "gsave", "0.996 0.000 0.000 setrgbcolor", "fill", "grestore", "grestore",
                         "5 200 lineto", "0.000 0.000 0.000 setrgbcolor", "stroke", "5 200 moveto"},
                        {"39 EMRCREATEBRUSHINDIRECT", "43 EMRRECTANGLE", "54 EMRLINETO", "14 NotUsed"}},
        TranslationCase{"PolylineOfOnePointAfterADashedPen",
                        {{38, {1, 1, 2, 0, 0x00FF00}}, {87, WithBounds({1, Pair16(3, 5)})}},
                        {"[3 1] 0 setdash", "1.50 setlinewidth", "gsave", "3 270 moveto",
                         "0.000 0.996 0.000 setrgbcolor", "stroke", "grestore"},
                        {"38 MERCREATEPEN", "87 EMRPOLYLINE16", "14 NotUsed"}},
        TranslationCase{"PolyPolygonOfTwoFigures",
                        {{91, WithBounds({2, 5, 3, 2, Pair16(0, 0), Pair16(4, 0), Pair16(4, 4), Pair16(9, 9),
                                          Pair16(8, 8)})}},
                        {"gsave", "0 275 moveto", "4 275 lineto", "4 271 lineto", "closepath", "gsave",
                         "0.000 0.000 0.000 setrgbcolor", "fill", "grestore", "grestore", "gsave", "9 266 moveto",
                         "8 267 lineto", "closepath", "gsave", "0.000 0.000 0.000 setrgbcolor", "fill", "grestore",
                         "grestore"},
                        {"91 EMRPOLYPOLYGON16", "14 NotUsed"}},
        TranslationCase{"PolylineToReturnsToItsLastPoint",
                        {{6, WithBounds({2, 1, 2, 3, 4})}},
                        {"1 273 lineto", "3 271 lineto", "3 271 moveto"},
                        {" 6 EMRPOLYLINETO", "14 NotUsed"}},
        // ANSI and UTF-16 text give the same line; the baseline is the bounds' bottom.
        TranslationCase{"TextAnsiAndWide",
                        {{83, {0, 0, 0, 30, 0, 0, 0, 7, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0x4241}},
                         {84, {0, 0, 0, 30, 0, 0, 0, 7, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0x00420041}}},
                        {"7 245 moveto", "0.000 0.000 0.000 setrgbcolor", "<4142> show", "7 245 moveto",
                         "0.000 0.000 0.000 setrgbcolor", "<4142> show"},
                        {"83 EMREXTTEXTOUTA", "84 EMREXTTEXTOUTW", "14 NotUsed"}},
        // Twelve records in all, header and end included, are ten besides the header.
        TranslationCase{"StateRecordsOnlyLog",
                        {{37, {0x80000000}}, {24, {0}}, {25, {0}}, {18, {1}}, {18, {2}}, {20, {13}}, {22, {0}},
                         {24, {0}}, {24, {0}}, {37, {0x80000007}}},
                        {},
                        {"10 Records(except header)", "FuncNum Processing", "37 NotUsed", "24 NotUsed", "18 NotUsed",
                         "18 NotUsed", "20 NotUsed", "22 NotUsed", "24 NotUsed", "24 NotUsed", "37 NotUsed",
                         "14 NotUsed"}},
        // Boxes of no width have no scale: they are skipped.
        TranslationCase{"EmptyEllipseSkipped", {{42, {5, 5, 5, 9}}}, {}, {"42 EMRELLIPSE", "14 NotUsed"}}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST(EpsVector, APenSelectedAgainTakesEffectAgain) {
  FakeFontMetrics metrics;
  MetafileRecorder r(275, 275, metrics, kKeepPensAndBrushes);
  for (const Color color : {MakeColor(255, 0, 0), MakeColor(0, 0, 255), MakeColor(255, 0, 0)}) {
    r.SetPenColor(color);
    r.MoveTo(0, 0);
    r.LineTo(10, 10);
  }
  std::vector<std::string> strokes;
  const Lines body = Body(Converted(r.Finish(), false, true));
  for (std::size_t i = 0; i + 1 < body.size(); ++i) {
    if (body[i + 1] == "stroke") strokes.push_back(body[i]);
  }
  EXPECT_EQ(strokes, (std::vector<std::string>{"0.996 0.000 0.000 setrgbcolor", "0.000 0.000 0.996 setrgbcolor",
                                               "0.996 0.000 0.000 setrgbcolor"}));
}

TEST(EpsVector, EllipseArcsAndFonts) {
  const Tepsf ellipse = Converted(Stream({{38, {1, 0, 1, 0, 0}}, {42, {0, 0, 10, 20}}}), true, true);
  EXPECT_EQ(Body(ellipse), (Lines{"[1 0] 0 setdash", "0.75 setlinewidth", "gsave", "newpath", "5.00 265.00 translate",
                                  "5.00 10.00 scale", "0 0 1 0.000 360.000 arc", "closepath", "0.20 0.10 scale",
                                  "gsave", "0.00 setgray", "fill", "grestore", "-5.00 -265.00 translate",
                                  "0.00 setgray", "stroke", "-5.00 -265.00 translate", "grestore"}));

  struct FontCase {
    const char* Face;
    bool Bold;
    std::uint32_t Italic;
    const char* Name;
  };
  for (const FontCase& c : {FontCase{"Arial", true, 0, "Helvetica-Bold"}, FontCase{"courier new", false, 1, "Courier-Oblique"},
                            FontCase{"Times New Roman", false, 0, "Times-Roman"}, FontCase{"Arial", false, 2, "MS-PGothic"},
                            FontCase{"ＭＳ 明朝", true, 1, "MS-Mincho"}, FontCase{"Verdana", false, 0, "MS-PGothic"},
                            FontCase{"", false, 0, "Times-Roman"}, FontCase{"Q", false, 0, "Q"}}) {
    EXPECT_EQ(MapFontName(FaceToAnsi(Utf8ToUtf16(c.Face)), c.Bold, c.Italic), c.Name) << c.Face;
  }

  // A recorded font: the face's name and the character height.
  FakeFontMetrics metrics;
  MetafileRecorder r(275, 275, metrics);
  r.SetFont(FontChoice{"ＭＳ Ｐゴシック", 12});
  r.TextOut(5, 5, "温度");
  const Lines body = Body(Converted(r.Finish(), false, true));
  EXPECT_NE(std::find(body.begin(), body.end(), "/MS-PGothic findfont 12 scalefont setfont"), body.end());
  EXPECT_NE(std::find(body.begin(), body.end(), "<89B79378> show"), body.end());
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

TEST(EpsConverter, RefusesStreamsThatDoNotHoldWhatTheyPromise) {
  const std::string good = Stream({{87, WithBounds({2, Pair16(1, 1), Pair16(2, 2)})}});
  const std::vector<std::pair<const char*, std::function<void(std::string&)>>> faults = {
      {"truncated header", [](std::string& s) { s.resize(60); }},
      {"no header record", [](std::string& s) { Put32(s, 0, 2); }},
      {"header size past the end", [](std::string& s) { Put32(s, 4, 100000); }},
      {"record count beyond the stream", [](std::string& s) { Put32(s, 52, 9999); }},
      {"record size below 8", [](std::string& s) { Put32(s, 112, 4); }},
      {"record size past the end", [](std::string& s) { Put32(s, 112, 4000); }},
      {"stream cut inside a record", [](std::string& s) { s.resize(s.size() - 24); }},
      {"more points than the record holds", [](std::string& s) { Put32(s, 108 + 24, 50); }},
      {"no pixel size", [](std::string& s) { Put32(s, 72, 0); }},
  };
  EXPECT_NO_THROW(Converted(good, false, true));
  for (const auto& [name, damage] : faults) {
    std::string bad = good;
    damage(bad);
    EXPECT_THROW(Converted(bad, false, true), MetafileError) << name;
  }
}

// Our own playback of a picture: the reference the independent rendering is compared with.
struct PictureCheck {
  testing::TempDir Dir;
  std::string Picture;
  Bitmap24 Ours;

  explicit PictureCheck(std::string picture) : Picture(std::move(picture)), Ours(Render(Picture)) {}

  static Bitmap24 Render(const std::string& picture) {
    PrepareHeadlessFontSystem();
    EnsureFontSystem();
    return RenderEmf(picture);
  }

  // Ghostscript's rendering of the EPS at one device pixel per picture pixel.
  QImage Ghostscript(bool gray, bool vector) {
    const Tepsf eps = Converted(Picture, gray, vector);
    std::string text;
    for (const std::string& line : eps.OutLines) text += line + "\r\n";
    const std::string path = Dir.Write("picture.eps", text);
    const std::string png = Dir.Path("picture.png");
    // The page is 2.83 points per millimetre: 275 pixels make 205.91 points.
    const auto run = testing::RunCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -dEPSCrop -r" +
                                         std::to_string(72.0 * Ours.Width() / 205.91 * 275 / Ours.Width()) +
                                         " -sOutputFile='" + png + "' '" + path + "'");
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    return QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
  }
};

int Gray(Color c) { return static_cast<int>((RedOf(c) + GreenOf(c) + BlueOf(c)) / 3); }

// A contour-like picture: background, bands of several colours, a frame and text.
std::string BandPicture() {
  FakeFontMetrics metrics;
  MetafileRecorder r(275, 275, metrics);
  r.SetPenColor(kWhite);
  r.SetBrushColor(kWhite);
  r.Rectangle(0, 0, 275, 275);
  const Color colors[] = {MakeColor(0, 0, 255), MakeColor(0, 200, 200), MakeColor(20, 220, 20), MakeColor(250, 240, 0),
                          MakeColor(255, 30, 0)};
  for (int i = 0; i < 5; ++i) {
    r.SetPenColor(colors[i]);
    r.SetBrushColor(colors[i]);
    const PixelPoint band[] = {{40 + 40 * i, 40}, {80 + 40 * i, 40}, {80 + 40 * i, 230}, {40 + 40 * i, 230}};
    r.Polygon(band);
  }
  r.SetPenColor(kBlack);
  r.MoveTo(40, 230);
  r.LineTo(240, 230);
  r.SetBrushColor(kWhite);
  r.SetFont(FontChoice{"Arial", 12});
  r.TextOut(100, 245, "X");
  return r.Finish();
}

TEST(EpsIndependentReader, GhostscriptDrawsTheRasterAsOurPaletteColoursPixelForPixel) {
  testing::RequireTool("gs");
  PictureCheck check(BandPicture());
  for (const bool gray : {false, true}) {
    const QImage drawn = check.Ghostscript(gray, false);
    ASSERT_EQ(drawn.width(), 275);
    ASSERT_EQ(drawn.height(), 275);
    int off = 0;
    for (int y = 0; y < 275; ++y) {
      for (int x = 0; x < 275; ++x) {
        const Color want = NearestHalftoneColor(check.Ours.Pixel(x, y));
        const QRgb got = drawn.pixel(x, y);
        const int dr = std::abs(qRed(got) - static_cast<int>(gray ? Gray(want) : RedOf(want)));
        const int dg = std::abs(qGreen(got) - static_cast<int>(gray ? Gray(want) : GreenOf(want)));
        const int db = std::abs(qBlue(got) - static_cast<int>(gray ? Gray(want) : BlueOf(want)));
        if (std::max({dr, dg, db}) > 1) ++off;
      }
    }
    EXPECT_EQ(off, 0) << (gray ? "gray" : "colour");
  }
}

TEST(EpsIndependentReader, GhostscriptDrawsTheVectorPictureWithOurAreasAndFrame) {
  testing::RequireTool("gs");
  PictureCheck check(BandPicture());
  const QImage drawn = check.Ghostscript(false, true);
  ASSERT_EQ(drawn.width(), 275);
  // Inside each band, away from its edges (two pixels at 1:1 scale), the colour is the band's
  // within the divisor 256 of the colour lines; the frame line lies on the same row.
  for (int i = 0; i < 5; ++i) {
    for (int y = 45; y < 225; y += 7) {
      const int x = 60 + 40 * i;
      const Color want = check.Ours.Pixel(x, y);
      const QRgb got = drawn.pixel(x, y);
      EXPECT_LE(std::abs(qRed(got) - static_cast<int>(RedOf(want))), 2) << x << "," << y;
      EXPECT_LE(std::abs(qGreen(got) - static_cast<int>(GreenOf(want))), 2) << x << "," << y;
      EXPECT_LE(std::abs(qBlue(got) - static_cast<int>(BlueOf(want))), 2) << x << "," << y;
    }
  }
  EXPECT_GE(qGray(drawn.pixel(10, 10)), 253);  // white background, written as 0.996
  int darkOnFrameRow = 0;
  for (int x = 40; x < 240; ++x) darkOnFrameRow += qGray(drawn.pixel(x, 230)) < 100 || qGray(drawn.pixel(x, 229)) < 100;
  EXPECT_GE(darkOnFrameRow, 190);
}

}  // namespace
}  // namespace tarn
