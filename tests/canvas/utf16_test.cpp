#include <gtest/gtest.h>

#include "canvas/Utf16.h"

namespace tarn {
namespace {

TEST(Utf16Test, RoundTripsEveryPlane) {
  const std::string text = "Aé温𝑥\x7F";
  EXPECT_EQ(Utf8ToUtf16(text), u"Aé温𝑥\x7F");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
}

TEST(Utf16Test, MalformedInputBecomesReplacementCharacters) {
  // A stray continuation byte, a truncated sequence, an overlong "/", an encoded surrogate.
  EXPECT_EQ(Utf8ToUtf16("a\x80" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xE6\xB8"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  const char16_t lone[] = {u'x', 0xD800, u'y', 0};
  EXPECT_EQ(Utf16ToUtf8(lone), "x\xEF\xBF\xBDy");
}

}  // namespace
}  // namespace tarn
