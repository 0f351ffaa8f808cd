// The placeable WMF converter: headers and totals, the object table as a reader rebuilds it,
// CP932 text, the 16-bit range, damaged input, and libwmf (Debian's libwmf-bin) reading and
// drawing what we write. A missing libwmf tool fails the tests that need it.
#include <gtest/gtest.h>
#include <png.h>

#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>

#include "canvas/EmfFormat.h"
#include "canvas/EmfRecord.h"
#include "canvas/FakeFontMetrics.h"
#include "canvas/MetafileError.h"
#include "canvas/MetafileRecorder.h"
#include "export/PlaceableWmf.h"
#include "platform/EmfPlayer.h"
#include "platform/FontSystem.h"
#include "support/ExternalTools.h"
#include "support/TempDir.h"

// fontconfig keeps its caches until the process ends; sanitizer builds are told so. Weak, as
// another test file of this program may say the same.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace tarn {
namespace {

using testing::FakeFontMetrics;

std::uint32_t U16At(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]) | (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}
std::uint32_t U32At(std::string_view bytes, std::size_t at) { return U16At(bytes, at) | (U16At(bytes, at + 2) << 16); }
void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}
// 16-bit words as little-endian bytes.
std::string Words(std::initializer_list<std::uint32_t> words) {
  std::string bytes;
  for (std::uint32_t w : words) bytes += {static_cast<char>(w & 0xFFu), static_cast<char>((w >> 8) & 0xFFu)};
  return bytes;
}

// ---- The WMF read back independently of the writer -------------------------------------

struct WmfRecord {
  std::uint32_t Function = 0;
  std::uint32_t Words = 0;
  std::string Params;  // the bytes after RecordFunction
  int Param(std::size_t word) const { return static_cast<std::int16_t>(U16At(Params, 2 * word)); }
};

// The records after META_HEADER, META_EOF last and ending the file.
std::vector<WmfRecord> ReadRecords(const std::string& wmf) {
  std::vector<WmfRecord> records;
  std::size_t at = 22 + 18;
  while (at + 6 <= wmf.size() && (records.empty() || records.back().Function != 0)) {
    const std::uint32_t words = U32At(wmf, at);
    if (words < 3 || at + 2 * std::size_t{words} > wmf.size()) break;
    records.push_back({U16At(wmf, at + 4), words, wmf.substr(at + 6, 2 * std::size_t{words} - 6)});
    at += 2 * std::size_t{words};
  }
  EXPECT_EQ(at, wmf.size()) << "records must tile the file";
  EXPECT_TRUE(!records.empty() && records.back().Function == 0 && records.back().Words == 3) << "META_EOF last";
  return records;
}

// A reader's object table, each creation taking the lowest free slot, as a trace of the
// object records: "+slot pen|brush|font colour-or-height", "sel slot", "del slot".
struct WmfObjects {
  std::vector<bool> Used;
  std::string Trace;
};

WmfObjects PlayObjects(const std::vector<WmfRecord>& records) {
  WmfObjects table;
  const std::map<std::uint32_t, std::string> kinds = {{0x02FA, "pen"}, {0x02FC, "brush"}, {0x02FB, "font"}};
  for (const WmfRecord& r : records) {
    if (kinds.count(r.Function) != 0) {
      const auto slot = static_cast<std::size_t>(std::find(table.Used.begin(), table.Used.end(), false) - table.Used.begin());
      if (slot == table.Used.size()) table.Used.push_back(false);
      table.Used[slot] = true;
      const std::uint32_t what = r.Function == 0x02FA ? U32At(r.Params, 6) : r.Function == 0x02FC ? U32At(r.Params, 2) : U16At(r.Params, 0);
      char text[40];
      std::snprintf(text, sizeof text, "+%zu %s %x, ", slot, kinds.at(r.Function).c_str(), what);
      table.Trace += text;
    } else if (r.Function == 0x012D || r.Function == 0x01F0) {
      const auto slot = static_cast<std::size_t>(r.Param(0));
      EXPECT_TRUE(slot < table.Used.size() && table.Used[slot]) << "slot " << slot << " is free";
      table.Trace += (r.Function == 0x012D ? "sel " : "del ") + std::to_string(slot) + ", ";
      if (r.Function == 0x01F0 && slot < table.Used.size()) table.Used[slot] = false;
    }
  }
  return table;
}

// ---- Pictures ---------------------------------------------------------------------------

std::string Record(int width, int height, const std::function<void(Canvas&)>& draw) {
  FakeFontMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  draw(recorder);
  return recorder.Finish();
}

// A contour graph in small: background, five bands with their contour lines, the frame, a
// block of single pixels, tick labels and a turned title, with pens, brushes and fonts
// replaced as the graphs do.
void ContourLikePicture(Canvas& c) {
  c.SetPenColor(kWhite);
  c.Rectangle(0, 0, 275, 275);
  const Color bands[] = {MakeColor(0, 0, 255), MakeColor(0, 200, 255), MakeColor(0, 200, 0), MakeColor(255, 220, 0), MakeColor(255, 0, 0)};
  const int left[] = {30, 70, 110, 150, 190, 230}, right[] = {30, 80, 120, 160, 200, 230};
  for (int i = 0; i < 5; ++i) {
    c.SetPenColor(bands[i]);
    c.SetBrushColor(bands[i]);
    const PixelPoint band[] = {{40, left[i]}, {240, right[i]}, {240, right[i + 1]}, {40, left[i + 1]}};
    c.Polygon(band);
  }
  c.SetPen(Pen{kBlack, 1, PenStyle::Solid, PenMode::Copy});
  for (int i = 1; i < 5; ++i) {
    c.MoveTo(40, left[i]);
    c.LineTo(240, right[i]);
  }
  c.SetBrushStyle(BrushStyle::Clear);
  c.Rectangle(40, 30, 240, 230);
  for (int i = 0; i < 144; ++i) c.SetPixel(100 + i % 12, 8 + i / 12, MakeColor(128, 0, 128));  // a block of pixels
  c.SetBrush(Brush{});
  c.TextOut(30, 240, "0.0");
  c.TextOut(200, 240, "値 10");
  c.SetFontEscapement(900);
  c.TextOut(8, 160, "縦軸");
}

std::string ContourLike() { return Record(275, 275, [](Canvas& c) { ContourLikePicture(c); }); }

// libwmf reads the file: it stops with "ERROR" and status 1 on a record it cannot carry out
// (an object slot out of range, a record larger than MaxRecord). wmf2svg sizes its picture
// from the placeable header, which must give W x H.
void ExpectLibwmfReads(const std::string& wmf, int width, int height) {
  testing::RequireTool("wmf2svg");
  testing::TempDir dir;
  const std::string input = dir.Write("picture.wmf", wmf);
  const testing::CommandResult result = testing::RunCommand("wmf2svg -o '" + dir.Path("picture.svg") + "' '" + input + "'");
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_EQ(result.Output.find("ERROR"), std::string::npos) << result.Output;
  const std::string size = "width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) + "\"";
  EXPECT_NE(dir.Read("picture.svg").find(size), std::string::npos) << size;
}

// libwmf draws the file W x H pixels (its own size would be at 72 dpi).
Bitmap24 DrawWithLibwmf(const std::string& wmf, int width, int height) {
  testing::RequireTool("wmf2gd");
  testing::TempDir dir;
  const std::string input = dir.Write("picture.wmf", wmf);
  const testing::CommandResult result =
      testing::RunCommand("wmf2gd --maxwidth=" + std::to_string(width) + " --maxheight=" + std::to_string(height) +
                          " --maxsize -o '" + dir.Path("picture.png") + "' '" + input + "'");
  EXPECT_EQ(result.ExitCode, 0) << result.Output;
  EXPECT_EQ(result.Output.find("ERROR"), std::string::npos) << result.Output;
  const std::string png = dir.Read("picture.png");
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  Bitmap24 bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
  for (int y = 0; y < bitmap.Height(); ++y) std::copy_n(rgb.data() + 3 * image.width * static_cast<std::size_t>(y), 3 * image.width, bitmap.Row(y));
  return bitmap;
}

// ---- Tests ------------------------------------------------------------------------------

TEST(WmfTest, HeadersGivePhysicalSizeAndTotalsMatchTheRecords) {
  struct Case { int Width, Height; };
  for (const Case size : {Case{275, 275}, Case{550, 275}, Case{1, 1}, Case{7, 1}}) {
    SCOPED_TRACE(std::to_string(size.Width) + " x " + std::to_string(size.Height));
    const std::string emf = Record(size.Width, size.Height, [](Canvas& c) { ContourLikePicture(c); });
    const std::string wmf = ConvertToPlaceableWmf(emf);
    if (size.Width == 275 && size.Height == 275) {
      // Key, handle, box 0 0 275 275, 96 per inch, reserved; checksum 0xCDD7 ^ 0x9AC6 ^ 0x0060.
      EXPECT_EQ(wmf.substr(0, 22), std::string("\xD7\xCD\xC6\x9A\0\0\0\0\0\0\x13\x01\x13\x01\x60\0\0\0\0\0\x71\x57", 22));
    }
    std::uint32_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) checksum ^= U16At(wmf, at);
    EXPECT_EQ(U16At(wmf, 20), checksum);
    EXPECT_EQ(static_cast<int>(U16At(wmf, 10)), size.Width);
    EXPECT_EQ(static_cast<int>(U16At(wmf, 12)), size.Height);
    const std::vector<WmfRecord> records = ReadRecords(wmf);
    ASSERT_GE(records.size(), 3u);
    std::uint32_t maxRecord = 0;
    for (const WmfRecord& r : records) maxRecord = std::max(maxRecord, r.Words);
    // Memory metafile, 9 words, version 3; Size counts the words after the placeable header.
    const auto words = static_cast<std::uint32_t>((wmf.size() - 22) / 2);
    const auto objects = static_cast<std::uint32_t>(PlayObjects(records).Used.size());
    EXPECT_EQ(wmf.substr(22, 18), Words({1, 9, 0x0300, words & 0xFFFF, words >> 16, objects, maxRecord & 0xFFFF, maxRecord >> 16, 0}));
    // MM_ANISOTROPIC, window origin 0 0, extent H W.
    EXPECT_EQ(Words({records[0].Function, records[1].Function, records[2].Function}), Words({0x0103, 0x020B, 0x020C}));
    EXPECT_EQ(records[0].Params + records[1].Params + records[2].Params,
              Words({8, 0, 0, static_cast<std::uint32_t>(size.Height), static_cast<std::uint32_t>(size.Width)}));
    ExpectLibwmfReads(wmf, size.Width, size.Height);
  }
}

TEST(WmfTest, ObjectsTakeTheLowestFreeSlotAndStockObjectsAreCreatedOnce) {
  const std::string emf = Record(275, 275, [](Canvas& c) {
    c.SetPenColor(MakeColor(255, 0, 0));
    c.LineTo(5, 5);                          // pen -> 0
    c.SetBrushColor(MakeColor(0, 0, 255));
    c.Rectangle(1, 1, 9, 9);                 // brush -> 1
    c.SetPenColor(MakeColor(0, 255, 0));
    c.LineTo(9, 9);                          // stock black pen -> 2, red pen freed, green -> 0
    c.SetBrushStyle(BrushStyle::Clear);
    c.Ellipse(1, 1, 9, 9);                   // stock white brush -> 3, blue freed, null -> 1
    c.SetPenColor(MakeColor(0, 0, 0));
    c.LineTo(1, 1);                          // black pen again: stock 2 reselected, black -> 0
  });
  const WmfObjects objects = PlayObjects(ReadRecords(ConvertToPlaceableWmf(emf)));
  EXPECT_EQ(objects.Trace,
            "+0 pen ff, sel 0, +1 brush ff0000, sel 1, "
            "+2 pen 0, sel 2, del 0, +0 pen ff00, sel 0, "
            "+3 brush ffffff, sel 3, del 1, +1 brush ff0000, sel 1, "
            "sel 2, del 0, +0 pen 0, sel 0, "
            "sel 2, del 0, sel 3, del 1, ");
  EXPECT_EQ(objects.Used.size(), 4u);
  ExpectLibwmfReads(ConvertToPlaceableWmf(emf), 275, 275);
}

TEST(WmfTest, TextAndFaceNamesAreCp932WithOneAdvancePerByte) {
  std::string emf = Record(275, 275, [](Canvas& c) {
    c.SetFont(FontChoice{"ＭＳ Ｐゴシック", 12});
    c.TextOut(40, 230, "値 1.5");
    c.SetFontEscapement(900);
    c.TextOut(5, 180, "縦軸1");
  });
  const std::vector<WmfRecord> records = ReadRecords(ConvertToPlaceableWmf(emf));
  std::vector<const WmfRecord*> fonts, texts;
  for (const WmfRecord& r : records) {
    if (r.Function == 0x02FB) fonts.push_back(&r);
    if (r.Function == 0x0A32) texts.push_back(&r);
  }
  ASSERT_EQ(fonts.size(), 3u) << "the upright font, the system font's stand-in, the turned font";
  // Height -12, width 0, escapement and orientation 900, weight 400; italic, underline,
  // strike-out 0, SHIFTJIS 128, outline precision 4, then the face and its NUL.
  EXPECT_EQ(fonts[2]->Params, std::string("\xF4\xFF\0\0\x84\x03\x84\x03\x90\x01\0\0\0\x80\x04\0\0\0", 18) +
                                  std::string("\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\0", 16));
  // FakeFontMetrics: 7 pixels a character; a double-byte one has its advance on the lead byte.
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->Params, std::string("\xE6\0\x28\0\x06\0\0\0", 8) + "\x92\x6C 1.5" +
                                  std::string("\x07\0\0\0\x07\0\x07\0\x07\0\x07\0", 12));
  EXPECT_EQ(texts[1]->Params, std::string("\xB4\0\x05\0\x05\0\0\0", 8) + "\x8F\x63\x8E\xB2" + "1" + std::string(1, '\0') +
                                  std::string("\x07\0\0\0\x07\0\0\0\x07\0", 10))
      << "five bytes, padded, then five advances";
  // Without advances the text goes out as META_TEXTOUT: length, bytes, y, x.
  EmfRecordWalker walker(emf);
  while (walker.Next() && walker.Current().Type() != emf::kExtTextOutW) {}
  PutU32(emf, walker.Current().Offset() + emf::kOffTextDx, 0);
  const std::vector<WmfRecord> plain = ReadRecords(ConvertToPlaceableWmf(emf));
  const auto textOut = std::find_if(plain.begin(), plain.end(), [](const WmfRecord& r) { return r.Function == 0x0521; });
  ASSERT_NE(textOut, plain.end());
  EXPECT_EQ(textOut->Params, std::string("\x06\0", 2) + "\x92\x6C 1.5" + std::string("\xE6\0\x28\0", 4));
  ExpectLibwmfReads(ConvertToPlaceableWmf(emf), 275, 275);
}

TEST(WmfTest, ValuesBeyondSixteenBitsAreRefusedAndTheLastFittingOnesKept) {
  struct Case {
    const char* Name;
    int Fits, Past;
    std::function<std::string(int)> Picture;
  };
  const auto draw = [](std::function<void(Canvas&, int)> f) {
    return [f](int v) { return Record(275, 275, [&](Canvas& c) { f(c, v); }); };
  };
  const Case cases[] = {
      {"MoveTo", 32767, 32768, draw([](Canvas& c, int v) { c.MoveTo(v, 0); })},
      {"LineTo", -32768, -32769, draw([](Canvas& c, int v) { c.LineTo(0, v); })},
      {"Polygon", 32767, 32768, draw([](Canvas& c, int v) { const PixelPoint p[] = {{0, 0}, {v, 5}, {5, 9}}; c.Polygon(p); })},
      {"Rectangle", 32767, 32768, draw([](Canvas& c, int v) { c.Rectangle(0, 0, v, 9); })},
      {"Ellipse", -32768, -32769, draw([](Canvas& c, int v) { c.Ellipse(0, v, 9, 9); })},
      {"SetPixel", -32768, -32769, draw([](Canvas& c, int v) { c.SetPixel(v, 0, kBlack); })},
      {"TextOut", 32767, 32768, draw([](Canvas& c, int v) { c.TextOut(0, v, "a"); })},
      {"PenWidth", 32767, 32768, draw([](Canvas& c, int v) { c.SetPenWidth(v); c.LineTo(1, 1); })},
      {"FontHeight", 32768, 32769, draw([](Canvas& c, int v) { c.SetFont(FontChoice{"Arial", v}); c.TextOut(0, 0, "a"); })},
      {"PictureWidth", 32767, 32768, [](int v) { return Record(v, 1, [](Canvas&) {}); }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    EXPECT_NO_THROW(ConvertToPlaceableWmf(test.Picture(test.Fits)));
    try {
      ConvertToPlaceableWmf(test.Picture(test.Past));
      ADD_FAILURE() << "converted";
    } catch (const MetafileError& e) {
      ADD_FAILURE() << e.what();
    } catch (const TarnError& e) {
      EXPECT_STREQ(e.what(), kWmfRangeMessage);
    }
  }
}

// The first record of a type (or, for 0, the header), and where MetafileError says it lies.
EmfRecord First(std::string_view emf, std::uint32_t type) {
  EmfRecordWalker walker(emf);
  while (walker.Next() && type != 0 && walker.Current().Type() != type) {}
  return walker.Current();
}
std::string At(std::size_t index, std::size_t offset) {
  return " (record " + std::to_string(index) + " at byte " + std::to_string(offset) + ")";
}
std::string At(const EmfRecord& record) { return At(record.Index(), record.Offset()); }

TEST(WmfTest, DamagedStreamsAreRefusedWithTheirFault) {
  const std::string good = ContourLike();
  const EmfRecord header = First(good, 0), eof = First(good, emf::kEof), polygon = First(good, emf::kPolygon16),
                  text = First(good, emf::kExtTextOutW), select = First(good, emf::kSelectObject),
                  font = First(good, emf::kExtCreateFontIndirectW), brush = First(good, emf::kCreateBrushIndirect);
  const EmfRecord second(std::string_view(good).substr(header.Size()), 1, header.Size());
  const auto field = [&](const EmfRecord& record, std::size_t at, std::uint32_t value) {
    std::string emf = good;
    PutU32(emf, record.Offset() + at, value);
    return emf;
  };
  const auto withBytes = [](std::string emf) {
    PutU32(emf, emf::kOffBytes, static_cast<std::uint32_t>(emf.size()));
    return emf;
  };
  std::string shortFont = field(font, 4, 96);  // the font record cut to 96 bytes
  shortFont.erase(font.Offset() + 96, font.Size() - 96);
  std::string afterEof = field(header, emf::kOffRecords, static_cast<std::uint32_t>(eof.Index() + 2));
  afterEof += std::string("\x46\0\0\0\x0C\0\0\0\0\0\0\0", 12);  // EMR_COMMENT
  const std::string records = std::to_string(eof.Index() + 1);
  const struct {
    const char* Name;
    std::string Emf;
    std::string Message;
  } cases[] = {
      {"SizeBelow8", field(second, 4, 4), "record size below 8" + At(second)},
      {"SizeNotMultipleOf4", field(second, 4, 26), "record size not a multiple of 4" + At(second)},
      {"SizePastTheEnd", field(eof, 4, 24), "record size beyond the end of the stream" + At(eof)},
      {"BytesBeyondTheStream", field(header, emf::kOffBytes, static_cast<std::uint32_t>(good.size() + 4)),
       "nBytes " + std::to_string(good.size() + 4) + " differs from the stream length " + std::to_string(good.size())},
      {"RecordsBeyondTheStream", field(header, emf::kOffRecords, static_cast<std::uint32_t>(eof.Index() + 2)),
       "nRecords " + std::to_string(eof.Index() + 2) + " differs from the " + records + " records present"},
      {"HandlesTooFew", field(header, emf::kOffHandles, 1), "object index 1 outside the table" + At(brush)},  // the background's brush comes first
      {"PointsBeyondTheRecord", field(polygon, emf::kOffPolyCount, 5), "more points than the record holds" + At(polygon)},
      {"TextBeyondTheRecord", field(text, emf::kOffTextChars, 100), "text longer than its record" + At(text)},
      {"FontTooShort", withBytes(shortFont), "record shorter than its fixed fields" + At(font)},
      {"SelectsNothing", field(select, 8, 7), "object index 7 names no object" + At(select)},
      {"UnknownStock", field(select, 8, 0x80000020u), "unknown stock object" + At(select)},
      {"NoEof", field(eof, 0, 70), "metafile without EOF record"},
      {"RecordAfterEof", withBytes(afterEof), "records follow the EOF record" + At(eof.Index() + 1, good.size())},
      {"InvertedFrame", field(header, emf::kOffFrame + 8, static_cast<std::uint32_t>(-5)), "picture frame is inverted"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.Name);
    try {
      ConvertToPlaceableWmf(test.Emf);
      ADD_FAILURE() << "converted";
    } catch (const MetafileError& e) {
      EXPECT_EQ(std::string(e.what()), test.Message);
    }
  }
}

// Every cut, with nBytes fixed so the cut must be found among the records, and random bytes
// changed in the records: a MetafileError or range refusal, or a well-formed WMF; never a read
// outside the buffer (the sanitizer build checks that).
TEST(WmfTest, TruncatedOrScrambledStreamsNeverReadOutsideTheirBytes) {
  const std::string good = ContourLike();
  for (std::size_t length = 0; length < good.size(); ++length) {
    std::string cut = good.substr(0, length);
    if (length >= emf::kOffBytes + 4) PutU32(cut, emf::kOffBytes, static_cast<std::uint32_t>(length));
    EXPECT_THROW(ConvertToPlaceableWmf(cut), MetafileError) << "cut at " << length;
  }
  std::mt19937 random(20240611);
  int converted = 0;
  for (int round = 0; round < 400; ++round) {
    std::string emf = good;
    for (int i = 0; i < 3; ++i) emf[emf::kHeaderSize + random() % (good.size() - emf::kHeaderSize)] = static_cast<char>(random());
    try {
      ReadRecords(ConvertToPlaceableWmf(emf));
      ++converted;
    } catch (const TarnError&) {
      // MetafileError or the range refusal
    }
  }
  EXPECT_GT(converted, 0) << "some changes (colours, coordinates) leave a readable stream";
}

// Large areas must agree: pixels whose 5 x 5 neighbourhood is one colour in our playback
// (away from every edge, line and glyph), outside the margins where the text lies, match
// within 2 per channel; the frame lies within a pixel of ours. libwmf's fonts and its
// disregard of CP932 make the text differ, so text is only checked to leave ink.
TEST(WmfTest, LibwmfDrawsWhatOurPlayerDraws) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  EnsureFontSystem();
  const std::string emf = ContourLike();
  const Bitmap24 ours = RenderEmf(emf);
  const Bitmap24 theirs = DrawWithLibwmf(ConvertToPlaceableWmf(emf), 275, 275);
  ASSERT_EQ(theirs.Width(), 275);
  ASSERT_EQ(theirs.Height(), 275);
  const auto close = [](Color a, Color b) {
    return std::abs(int(RedOf(a)) - int(RedOf(b))) <= 2 && std::abs(int(GreenOf(a)) - int(GreenOf(b))) <= 2 &&
           std::abs(int(BlueOf(a)) - int(BlueOf(b))) <= 2;
  };
  int compared = 0, differing = 0;
  for (int y = 2; y < 273; ++y) {
    for (int x = 2; x < 273; ++x) {
      if (x < 36 || y > 234) continue;
      bool uniform = true;
      for (int dy = -2; dy <= 2 && uniform; ++dy) {
        for (int dx = -2; dx <= 2 && uniform; ++dx) uniform = ours.Pixel(x + dx, y + dy) == ours.Pixel(x, y);
      }
      if (!uniform) continue;
      ++compared;
      if (!close(ours.Pixel(x, y), theirs.Pixel(x, y))) ++differing;
    }
  }
  EXPECT_GT(compared, 30000);
  EXPECT_EQ(differing, 0) << "of " << compared;
  // The frame's left, right, top and bottom lines: 40, 239, 30, 229 in ours.
  const auto dark = [](const Bitmap24& b, int x, int y) { return RedOf(b.Pixel(x, y)) + GreenOf(b.Pixel(x, y)) + BlueOf(b.Pixel(x, y)) < 150; };
  const auto firstDark = [&](const Bitmap24& b, int x, int y, int dx, int dy) {
    while (b.Contains(x, y) && !dark(b, x, y)) {
      x += dx;
      y += dy;
    }
    return dx != 0 ? x : y;
  };
  for (const Bitmap24* b : {&ours, &theirs}) {
    SCOPED_TRACE(b == &ours ? "ours" : "libwmf");
    EXPECT_NEAR(firstDark(*b, 20, 50, 1, 0), 40, 1);
    EXPECT_NEAR(firstDark(*b, 260, 50, -1, 0), 239, 1);
    EXPECT_NEAR(firstDark(*b, 140, 10, 0, 1), 30, 1);
    EXPECT_NEAR(firstDark(*b, 140, 262, 0, -1), 229, 1);
    int ink = 0;
    for (int y = 238; y < 260; ++y) {
      for (int x = 28; x < 60; ++x) ink += dark(*b, x, y) ? 1 : 0;
    }
    EXPECT_GT(ink, 5) << "the label 0.0";
  }
}

}  // namespace
}  // namespace tarn
