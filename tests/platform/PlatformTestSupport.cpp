#include "PlatformTestSupport.h"

#include <gtest/gtest.h>

#include <QtGlobal>
#include <algorithm>

#include "canvas/MetafileRecorder.h"
#include "platform/EmfPlayer.h"
#include "platform/FontSystem.h"
#include "platform/QtFontMetrics.h"

// fontconfig keeps its caches until the process ends; the leak checker of sanitizer builds
// is told so, and reports only leaks of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace tarn::testing {
namespace {

// Fonts need a Qt application; the tests run it on the offscreen platform so they need no
// display.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EnsureFontSystem();
  }
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

Bitmap24 DrawAndPlay(int width, int height, const std::function<void(Canvas&)>& draw) {
  QtFontMetrics metrics;
  MetafileRecorder recorder(width, height, metrics);
  draw(recorder);
  return RenderEmf(recorder.Finish());
}

std::string PixelText(const Bitmap24& bitmap, const std::map<Color, char>& legend) {
  std::string text;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const auto it = legend.find(bitmap.Pixel(x, y));
      text.push_back(it == legend.end() ? '?' : it->second);
    }
    text.push_back('\n');
  }
  return text;
}

InkBox FindInk(const Bitmap24& bitmap, Color background) {
  InkBox box{bitmap.Width(), bitmap.Height(), -1, -1};
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (bitmap.Pixel(x, y) == background) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x);
      box.Bottom = std::max(box.Bottom, y);
    }
  }
  return box;
}

}  // namespace tarn::testing
