#include "app/SaveImage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "canvas/FakeFontMetrics.h"
#include "canvas/MetafileError.h"
#include "canvas/MetafileRecorder.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;
using testing::TempDir;

class SaveImageCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.GraphDrawn = true;
    doc.Picture = "recorded picture bytes";
    doc.PictureWidth = 3;
    doc.PictureHeight = 2;
  }

  // Saves under `name` in the temporary folder and returns the file's bytes ("" if none).
  std::string Save(const std::string& name) {
    ui.Files.push_back(dir.Path(name));
    SaveImageExecute(doc, ui, platform);
    return std::filesystem::exists(dir.Path(name)) ? dir.Read(name) : "";
  }

  TempDir dir;
  Document doc;
  ScriptedUserInterface ui;
  testing::FakeFontMetrics metrics;
  int renders = 0;
  PlatformServices platform{metrics, [this](std::string_view) {
                              ++renders;
                              return Bitmap24(doc.PictureWidth, doc.PictureHeight);
                            }};
};

TEST_F(SaveImageCommand, NothingBeforeTheFirstRedraw) {
  doc.GraphDrawn = false;
  EXPECT_EQ(Save("a.emf"), "");
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: まだグラフを作成していません"}));
  EXPECT_FALSE(ui.LastDialog.Filter.size());  // no dialog was shown
}

TEST_F(SaveImageCommand, ARedrawThatDrewNothingHasNothingToSave) {
  doc.Picture.clear();
  EXPECT_EQ(Save("a.emf"), "");
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: まだグラフを作成していません"}));
}

TEST_F(SaveImageCommand, TheExtensionAfterTheLastPointChoosesTheFormat) {
  EXPECT_EQ(Save("a.emf"), doc.Picture);  // the metafile bytes unchanged
  EXPECT_EQ(Save("b.EmF"), doc.Picture);
  EXPECT_TRUE(Save("c.bmp").starts_with("BM"));
  EXPECT_EQ(Save("d.png").substr(1, 3), "PNG");
  EXPECT_EQ(Save("e.jpeg").substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(Save("f.JPG").substr(0, 2), "\xFF\xD8");
  std::filesystem::create_directory(dir.Path("data.old"));
  EXPECT_EQ(Save("data.old/g.png").substr(1, 3), "PNG");
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(ui.LastDialog.DefaultExtension, "emf");
}

TEST_F(SaveImageCommand, AnUnknownExtensionIsRasterisedThenRefused) {
  EXPECT_EQ(Save("a.gif"), "");
  EXPECT_EQ(Save("noextension"), "");
  EXPECT_EQ(renders, 2);
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"warning: 扱える拡張子タイプではありません",
                                                     "warning: 扱える拡張子タイプではありません"}));
}

TEST_F(SaveImageCommand, AnExistingFileIsReplacedOnlyOnYes) {
  dir.Write("a.emf", "old");
  ui.Answers = {false};
  EXPECT_EQ(Save("a.emf"), "old");
  EXPECT_EQ(ui.Messages(),
            (std::vector<std::string>{"question: ファイル：" + dir.Path("a.emf") + "\r\nは既に存在します。上書きしますか？"}));
  EXPECT_EQ(Save("a.emf"), doc.Picture);
}

TEST_F(SaveImageCommand, CancellingTheDialogWritesNothing) {
  SaveImageExecute(doc, ui, platform);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")), {}), 0);
}

TEST_F(SaveImageCommand, EpsAsksForColourAndABrokenPictureWritesNothing) {
  EXPECT_THROW(Save("broken.eps"), MetafileError);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("broken.eps")));
  doc.Picture = MetafileRecorder(3, 2, metrics).Finish();
  ui.Events.clear();
  ui.Answers = {false, true};
  const std::string gray = Save("a.eps");
  const std::string color = Save("b.EPS");
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>(2, std::string("question: ") + kEpsColorQuestion)));
  EXPECT_NE(gray.find("\r\n/picstr 3 string def\r\n"), std::string::npos);
  EXPECT_NE(color.find("\r\n/picstr 9 string def\r\n"), std::string::npos);
  EXPECT_TRUE(color.ends_with("grestore\r\n"));
}

TEST(PictureExtension, IsTheUpperCasedTextAfterTheLastPoint) {
  EXPECT_EQ(PictureExtension("a.b.png"), "PNG");
  EXPECT_EQ(PictureExtension("dir.v2/picture"), "V2/PICTURE");
  EXPECT_EQ(PictureExtension("name."), "");
  EXPECT_EQ(PictureExtension("plain"), "");
  EXPECT_EQ(PictureExtension("図.Jpeg"), "JPEG");
}

}  // namespace
}  // namespace tarn
