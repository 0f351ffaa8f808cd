// The Qt-backed font port: the platform's Japanese face maps to the installed IPA gothic,
// and widths are the sums of the advances the metafile records.
#include <gtest/gtest.h>

#include <numeric>

#include "platform/FontSystem.h"
#include "platform/QtFontMetrics.h"

namespace tarn {
namespace {

TEST(FontMetricsTest, FacesMapToInstalledFamilies) {
  QtFontMetrics metrics;  // starts the font system
  EXPECT_EQ(ResolveFamily(QString::fromUtf8("ＭＳ Ｐゴシック")), "IPAPGothic");
  EXPECT_EQ(ResolveFamily(QString::fromUtf8("ＭＳ 明朝")), "IPAMincho");
  EXPECT_EQ(ResolveFamily("IPAGothic"), "IPAGothic");
  EXPECT_EQ(ResolveFamily("No Such Face 12345"), "IPAPGothic") << "falls back to a Japanese gothic";
}

TEST(FontMetricsTest, WidthIsTheSumOfTheAdvancesAndHeightIgnoresTheText) {
  QtFontMetrics metrics;
  const FontChoice font;
  EXPECT_EQ(metrics.TextWidth(font, ""), 0);
  const std::vector<int> advances = metrics.Advances(font, "温度 (K)");
  ASSERT_EQ(advances.size(), 6u);
  EXPECT_EQ(std::accumulate(advances.begin(), advances.end(), 0), metrics.TextWidth(font, "温度 (K)"));
  EXPECT_GE(advances[0], 10) << "a full-width character is about as wide as the font is high";
  EXPECT_LT(metrics.TextWidth(font, "ii"), metrics.TextWidth(font, "WW")) << "proportional face";
  EXPECT_EQ(metrics.TextHeight(font, "a"), metrics.TextHeight(font, "温度"));
  EXPECT_GE(metrics.TextHeight(font, "a"), 12);
  EXPECT_LE(metrics.TextHeight(font, "a"), 18);
  FontChoice large = font;
  large.PixelHeight = 24;
  EXPECT_GT(metrics.TextHeight(large, "a"), metrics.TextHeight(font, "a"));
  EXPECT_GT(metrics.TextWidth(large, "abc"), metrics.TextWidth(font, "abc"));
}

TEST(FontMetricsTest, SurrogatePairsAdvanceOnTheirFirstUnit) {
  QtFontMetrics metrics;
  const std::vector<int> advances = metrics.Advances(FontChoice{}, "a𝑥b");
  ASSERT_EQ(advances.size(), 4u);
  EXPECT_EQ(advances[2], 0);
}

}  // namespace
}  // namespace tarn
