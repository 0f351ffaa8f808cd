// The automatic reload of the data file that another program keeps rewriting: a countdown of
// 1000 ticks of the interval's length, at whose end the file of the current mode is read again
// and the picture redrawn. Optionally the reload follows the file's changes on disk instead,
// once the file has been quiet for a moment, and the new picture is saved to a chosen file.
//
// A file caught while another program writes it is not taken: the data and picture shown stay,
// and the next tick tries again.
#pragma once

#include <string>

#include "app/Document.h"
#include "app/PlatformServices.h"
#include "base/TextFile.h"
#include "base/UserInterface.h"

namespace tarn {

inline constexpr const char* kReloadFailedMessage =
    "データがロード出来ませんでした。\r\n始めに一度読み込み、描画して下さい";

enum class ReloadOutcome {
  Reloaded,  // read, redrawn (and saved when asked)
  FileBusy,  // the file was changing or could not be read; tried again at the next tick
  Failed,    // reported with the failure message
};

class AutoReload {
 public:
  // Follows the options' reload switches from now on; the timer and the file watcher are the
  // port's.
  AutoReload(Document& doc, UserInterface& ui, PlatformServices& platform);
  ~AutoReload();
  AutoReload(const AutoReload&) = delete;
  AutoReload& operator=(const AutoReload&) = delete;

  // The interval edit: typing turns it red; Enter turns it black and applies it, the tick
  // becoming Round(minutes x 60) milliseconds. Throws ConversionError for a text that is no
  // number, the tick left as it was.
  void IntervalTyped(const std::string& text);
  void IntervalEntered();

  // One tick of the timer.
  void Tick();
  // One reload now, as at the end of the countdown.
  ReloadOutcome ReloadNow();

  bool Watching() const { return !watched_.empty(); }

 private:
  void OnOptionChange(const OptionChange& change);
  void Restart();
  void Stop();
  void WatchCurrentFile();
  void CountdownTick();
  void SettleTick();
  void SetPosition(int position);
  ReloadOutcome ReloadData();
  void ReloadContour(const std::string& bytes);
  void SaveAfterReload();
  const std::string& DataFile() const;

  Document& doc_;
  UserInterface& ui_;
  PlatformServices& platform_;
  int listener_ = 0;
  bool reloading_ = false;
  int busyTries_ = 0;
  // Watching: the file, whether a change waits to be read, and its stamp while it settles.
  std::string watched_;
  bool changePending_ = false;
  FileStamp settling_;
  int quietTicks_ = 0;
};

}  // namespace tarn
