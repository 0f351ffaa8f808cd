#include "app/SettingsCommands.h"

#include <gtest/gtest.h>

#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

TEST(SettingsCommands, SavingClearsTheChangedFlagAndReadingAppliesTheFile) {
  testing::TempDir dir;
  testing::ScriptedUserInterface ui;
  Document doc;
  doc.Options.ChooseColorScheme(ColorScheme::GrayColor);
  ASSERT_TRUE(doc.Options.SettingsChanged());
  ui.Files.push_back(std::nullopt);  // cancelled: nothing written, flag stays
  SaveSettingsExecute(doc, ui);
  EXPECT_TRUE(doc.Options.SettingsChanged());
  ui.Files.push_back(dir.Path("a.tpf"));
  SaveSettingsExecute(doc, ui);
  EXPECT_FALSE(doc.Options.SettingsChanged());
  EXPECT_EQ(ui.LastDialog.Filter, "Tarnplot設定ファイル(*.tpf)|*.tpf|全てのファイル(*.*)|*.*");

  Document other;
  ui.Files.push_back(dir.Path("a.tpf"));
  ReadSettingsExecute(other, ui);
  EXPECT_EQ(other.Options.GetColorScheme(), ColorScheme::GrayColor);
  EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace tarn
