// Independent EMF readers accept our recordings. The readers are system tools; a missing
// tool fails these tests, since without it nothing independent has been checked.
#include <gtest/gtest.h>

#include "FakeFontMetrics.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileRecorder.h"
#include "support/ExternalTools.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::CommandResult;
using testing::FakeFontMetrics;
using testing::RequireTool;
using testing::RunCommand;
using testing::TempDir;

// Every kind of record the recorder writes, as the graphs use them.
std::string TypicalPicture(int width, int height) {
  FakeFontMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  recorder.SetPenColor(MakeColor(200, 220, 255));
  recorder.SetBrushColor(MakeColor(200, 220, 255));
  recorder.Rectangle(0, 0, width, height);
  recorder.SetPenColor(MakeColor(255, 0, 0));
  recorder.SetBrushColor(MakeColor(255, 0, 0));
  const PixelPoint band[] = {{20, 20}, {120, 30}, {100, 120}, {30, 100}, {30, 100}};
  recorder.Polygon(band);
  recorder.SetPenMode(PenMode::Not);
  recorder.MoveTo(10, 200);
  recorder.LineTo(200, 10);
  recorder.SetPenMode(PenMode::Copy);
  recorder.SetPen(Pen{kBlack, 3, PenStyle::Solid, PenMode::Copy});
  recorder.Ellipse(150, 150, 170, 170);
  recorder.SetPen(Pen{kBlack, 1, PenStyle::Dash, PenMode::Copy});
  recorder.LineTo(250, 250);
  recorder.SetFont(FontChoice{"ＭＳ Ｐゴシック", 12});
  recorder.SetBrushColor(MakeColor(255, 255, 200));
  recorder.TextOut(40, 230, "値 1.5E-0003");
  recorder.SetFontEscapement(900);
  recorder.TextOut(5, 180, "縦軸タイトル");
  for (int x = 0; x < 20; ++x) recorder.SetPixel(200 + x, 100, MakeColor(0, 0, static_cast<unsigned>(x * 12)));
  return recorder.Finish();
}

TEST(IndependentReadersTest, Emf2SvgConvertsARecordedPicture) {
  RequireTool("emf2svg-conv");
  TempDir dir;
  const std::string input = dir.Write("picture.emf", TypicalPicture(275, 275));
  const CommandResult result = RunCommand("emf2svg-conv -i '" + input + "' -o '" + dir.Path("picture.svg") + "'");
  ASSERT_EQ(result.ExitCode, 0) << result.Output;
  const std::string svg = dir.Read("picture.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"274"), std::string::npos) << "sized from the bounds: " << svg.substr(0, 400);
  EXPECT_NE(svg.find("<text"), std::string::npos);
  EXPECT_NE(svg.find("<ellipse"), std::string::npos);
}

TEST(IndependentReadersTest, PrintEmfListsEveryRecord) {
  RequireTool("printemf");
  TempDir dir;
  const std::string picture = TypicalPicture(550, 275);
  const std::string input = dir.Write("picture.emf", picture);
  const CommandResult result = RunCommand("printemf '" + input + "'");
  ASSERT_EQ(result.ExitCode, 0) << result.Output;
  // SETROP2 is not among the records printemf knows; it warns and reads on.
  for (const char* name : {"*HEADER*", "*POLYGON16*", "*EXTTEXTOUTW*", "*EXTCREATEFONTINDIRECTW*", "*SETPIXELV*",
                           "*ELLIPSE*", "*RECTANGLE*", "*LINETO*", "*SETBKCOLOR*", "*EOF*"}) {
    EXPECT_NE(result.Output.find(name), std::string::npos) << name << " missing in:\n" << result.Output.substr(0, 2000);
  }
  EXPECT_NO_THROW(ValidateEmf(picture));
}

// printemf's reader fails on any file under 196 bytes, however valid, so the empty picture
// (128 bytes) goes to emf2svg only.
TEST(IndependentReadersTest, ReadersAcceptAnEmptyPictureAndAPixelPicture) {
  RequireTool("emf2svg-conv");
  RequireTool("printemf");
  TempDir dir;
  FakeFontMetrics metrics;
  const std::string empty = dir.Write("empty.emf", MetafileRecorder(1, 1, metrics).Finish());
  EXPECT_EQ(RunCommand("emf2svg-conv -i '" + empty + "' -o '" + dir.Path("empty.svg") + "'").ExitCode, 0);
  MetafileRecorder pixels(7, 1, metrics);
  for (int x = 0; x < 7; ++x) pixels.SetPixel(x, 0, MakeColor(static_cast<unsigned>(30 * x), 0, 0));
  const std::string input = dir.Write("pixels.emf", pixels.Finish());
  EXPECT_EQ(RunCommand("emf2svg-conv -i '" + input + "' -o '" + dir.Path("pixels.svg") + "'").ExitCode, 0);
  const CommandResult listing = RunCommand("printemf '" + input + "'");
  EXPECT_EQ(listing.ExitCode, 0) << listing.Output;
  EXPECT_NE(listing.Output.find("ptlPixel\t: (6, 0)"), std::string::npos) << listing.Output;
}

}  // namespace
}  // namespace tarn
