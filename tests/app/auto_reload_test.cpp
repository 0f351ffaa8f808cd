// The automatic reload driven tick by tick: the interval's tick, the countdown, the reload by
// mode, the failure message and the holding position, and the mesh kept or rebuilt.
#include "app/AutoReload.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/ContourDataCommands.h"
#include "app/ScatterCommands.h"
#include "base/Errors.h"
#include "canvas/FakeFontMetrics.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::ScriptedUserInterface;
using testing::TempDir;

// A message box that, like the platform's, keeps delivering timer ticks while it is open.
class PumpingPort : public ScriptedUserInterface {
 public:
  int TicksWhileOpen = 0;
  void ShowMessage(MessageKind kind, const std::string& text) override {
    ScriptedUserInterface::ShowMessage(kind, text);
    for (int i = 0; i < TicksWhileOpen && TimerTick; ++i) TimerTick();
  }
};

class AutoReloadTest : public ::testing::Test {
 protected:
  void SwitchOn() { doc.Options.SetChecked(OptionCheck::AutoReloadCheck, true); }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) ui.TimerTick();
  }
  void Enter(const std::string& minutes) {
    reload.IntervalTyped(minutes);
    reload.IntervalEntered();
  }
  int Renders() const { return renders; }

  TempDir dir;
  Document doc;
  PumpingPort ui;
  testing::FakeFontMetrics metrics;
  int renders = 0;
  PlatformServices platform{metrics, [this](std::string_view) {
                              ++renders;
                              return Bitmap24(doc.PictureWidth, doc.PictureHeight);
                            }};
  AutoReload reload{doc, ui, platform};
};

TEST_F(AutoReloadTest, TheIntervalSetsTheTickAndTheSwitchTheTimer) {
  EXPECT_EQ(ui.TimerInterval, 0);
  SwitchOn();
  EXPECT_EQ(ui.TimerInterval, 100);  // before any Enter, whatever the edit shows
  const std::vector<std::pair<const char*, int>> ticks = {{"1", 60}, {"0.5", 30}, {"0.0125", 1}, {"10", 600},
                                                          {"0", 0}, {"-3", 0}};
  for (const auto& [minutes, tick] : ticks) {
    Enter(minutes);
    EXPECT_EQ(doc.Reload.TickMilliseconds, tick) << minutes;
    EXPECT_EQ(ui.TimerInterval, tick) << minutes;
  }
  Enter("2");
  reload.IntervalTyped("abc");
  EXPECT_TRUE(doc.Reload.IntervalRed);
  EXPECT_THROW(reload.IntervalEntered(), ConversionError);
  EXPECT_FALSE(doc.Reload.IntervalRed);
  EXPECT_EQ(doc.Reload.TickMilliseconds, 120);
  doc.Options.SetChecked(OptionCheck::AutoReloadCheck, false);
  EXPECT_EQ(ui.TimerInterval, 0);
  EXPECT_FALSE(doc.Options.SettingsChanged());
}

TEST_F(AutoReloadTest, TheThousandthTickReloadsTheScatterFileAndRedraws) {
  const std::string file = dir.Write("s.txt", "t\ta\n0\t1\n1\t2\n");
  ui.Files = {file};
  LoadSanpudataExecute(doc, ui);
  SwitchOn();
  dir.Write("s.txt", "t\ta\tb\n0\t1\t5\n1\t2\t6\n2\t3\t7\n");
  Ticks(999);
  EXPECT_EQ(doc.Scatter.Series.size(), 1u);
  EXPECT_EQ(doc.Reload.Position, 999);
  Ticks(1);
  EXPECT_EQ(doc.Scatter.Series.size(), 2u);
  EXPECT_EQ(doc.Scatter.Grid.RowCount(), 4);
  EXPECT_TRUE(doc.GraphDrawn);
  EXPECT_FALSE(doc.Picture.empty());
  EXPECT_EQ(doc.Reload.Position, 0);
}

TEST_F(AutoReloadTest, AFailureIsReportedOnceHoldingTheBarUntilItsOk) {
  ui.TicksWhileOpen = 5;
  SwitchOn();
  Ticks(1000);  // scatter mode, but no scatter file was ever opened
  EXPECT_EQ(ui.Messages(), (std::vector<std::string>{std::string("warning: ") + kReloadFailedMessage}));
  EXPECT_EQ(doc.Reload.Position, 0);  // held at 1001 while open, then restarted
  ui.Events.clear();
  Ticks(999);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(AutoReloadTest, AContourReloadKeepsTheMeshOnlyWhileEverySampleStaysInPlace) {
  const std::string file = dir.Write("c.txt", "x\ty\tv\n0\t0\t1\n1\t0\t2\n0\t1\t3\n1\t1\t4\n");
  ui.Files = {file};
  LoadDataExecute(doc, ui);
  doc.Mesh = {{0, 1, 2, 0, 0, 0}, {1, 3, 2, 0, 0, 0}};
  doc.MeshOutdated = true;
  dir.Write("c.txt", "x\ty\tv\n0\t0\t5\n1\t0\t6\n0\t1\t7\n1\t1\t8\n");
  EXPECT_EQ(reload.ReloadNow(), ReloadOutcome::Reloaded);
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_EQ(doc.Mesh.size(), 2u);
  EXPECT_EQ(doc.DataPoints[3].Value, 8.0f);
  EXPECT_TRUE(ui.Messages().empty());  // no rebuild question

  // A fifth sample: the old mesh no longer fits, so a new one is made.
  dir.Write("c.txt", "x\ty\tv\n0\t0\t5\n1\t0\t6\n0\t1\t7\n1\t1\t8\n2\t2\t9\n");
  EXPECT_EQ(reload.ReloadNow(), ReloadOutcome::Reloaded);
  EXPECT_EQ(doc.DataPoints.size(), 5u);
  EXPECT_FALSE(doc.MeshOutdated);
  EXPECT_GE(doc.Mesh.size(), 3u);
  for (const MeshTriangle& t : doc.Mesh) EXPECT_LT(std::max({t.V1, t.V2, t.V3}), 5);
}

TEST_F(AutoReloadTest, ABadFileKeepsTheDataShownAndSavingFollowsEachReload) {
  const std::string file = dir.Write("c.txt", "x\ty\tv\n0\t0\t1\n1\t0\t2\n0\t1\t3\n");
  ui.Files = {file};
  LoadDataExecute(doc, ui);
  doc.Mesh = {{0, 1, 2, 0, 0, 0}};
  dir.Write("c.txt", "x\ty\tv\n0\t0\t1\n1\t0\tbroken\n0\t1\t3\n");
  EXPECT_EQ(reload.ReloadNow(), ReloadOutcome::Failed);
  EXPECT_EQ(doc.DataPoints.size(), 3u);  // not the half that read before the broken line
  EXPECT_EQ(doc.DataPoints[1].Value, 2.0f);

  doc.Options.SetChecked(OptionCheck::SaveAfterReload, true);
  doc.Options.SetText(OptionEdit::ReloadPictureFile, dir.Path("latest.png"));
  dir.Write("c.txt", "x\ty\tv\n0\t0\t1\n1\t0\t4\n0\t1\t3\n");
  ui.Events.clear();
  EXPECT_EQ(reload.ReloadNow(), ReloadOutcome::Reloaded);
  EXPECT_EQ(dir.Read("latest.png").substr(1, 3), "PNG");
  EXPECT_EQ(Renders(), 1);
}

}  // namespace
}  // namespace tarn
