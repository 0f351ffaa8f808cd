#include <gtest/gtest.h>

#include <filesystem>

#include "base/Errors.h"
#include "base/SplitText.h"
#include "base/TextCodec.h"
#include "base/TextFile.h"
#include "base/TextLines.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

using testing::Cp932;
using testing::TempDir;

TEST(SplitText, CutsAtEveryDelimiter) {
  std::vector<std::string> fields;
  EXPECT_EQ(SplitText("", '\t', fields), 0);
  EXPECT_TRUE(fields.empty());
  EXPECT_EQ(SplitText("a\tb", '\t', fields), 2);
  EXPECT_EQ(fields, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitText("a\t", '\t', fields), 2);
  EXPECT_EQ(fields, (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitText("\t\t", '\t', fields), 3);
  EXPECT_EQ(SplitText("abc", '\t', fields), 1);
  EXPECT_EQ(fields[0], "abc");
}

TEST(SplitText, NeverMatchesInsideADoubleByteCharacter) {
  // In CP932 the second byte of "表" and "ソ" is the backslash; after decoding there is none.
  const std::string decoded = DecodeText(Cp932("表\\ソ"));
  std::vector<std::string> fields;
  EXPECT_EQ(SplitText(decoded, '\\', fields), 2);
  EXPECT_EQ(fields, (std::vector<std::string>{"表", "ソ"}));
  EXPECT_EQ(BareFileName(DecodeText(Cp932("C:\\データ\\表.txt"))), "表.txt");
  EXPECT_EQ(BareFileName("/home/user/ソ.txt"), "ソ.txt");
}

TEST(SplitLines, AcceptsEveryLineEnding) {
  auto lines = [](std::string_view text) {
    std::vector<std::string> out;
    for (auto line : SplitLines(text)) out.emplace_back(line);
    return out;
  };
  using Lines = std::vector<std::string>;
  EXPECT_EQ(lines(""), Lines{});
  EXPECT_EQ(lines("a"), Lines{"a"});
  EXPECT_EQ(lines("a\r\n"), Lines{"a"});
  EXPECT_EQ(lines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(lines("a\nb\rc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(lines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(lines("\n"), Lines{""});
  EXPECT_EQ(lines("a\n\r"), (Lines{"a", ""}));  // LF then a lone CR: two endings
}

TEST(TextCodec, ChoosesTheEncodingOfAFile) {
  EXPECT_EQ(DetectEncoding("plain"), TextEncoding::Ascii);
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "x"), TextEncoding::Utf8WithBom);
  EXPECT_EQ(DetectEncoding("温度"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding(Cp932("温度")), TextEncoding::Cp932);
  EXPECT_EQ(DecodeText(Cp932("X座標\t温度 (℃)")), "X座標\t温度 (℃)");
  EXPECT_EQ(DecodeText("\xEF\xBB\xBF温度"), "温度");
}

TEST(TextCodec, InvalidBytesBecomeReplacementCharacters) {
  // A lone lead byte at the end, and bytes that are neither CP932 nor UTF-8.
  EXPECT_EQ(DecodeText(std::string("a\x82", 2)), "a\xEF\xBF\xBD");
  const std::string garbage("\x81\x7F\xA0\xFD\xFE\xFF\x00" "z", 8);
  const std::string decoded = DecodeText(garbage);
  EXPECT_TRUE(IsValidUtf8(decoded));
  EXPECT_EQ(decoded.back(), 'z');
}

TEST(TextCodec, EncodesToCp932AndMarksWhatItLacks) {
  EXPECT_EQ(EncodeCp932("温度"), "\x89\xB7\x93\x78");
  EXPECT_EQ(EncodeCp932("a😀b"), "a?b");
  EXPECT_EQ(DecodeText(EncodeCp932("C:　設定")), "C:　設定");
}

TEST(TextFile, WritesCp932WithCrLfWholeOrNotAtAll) {
  TempDir dir;
  const std::string path = dir.Path("out.txt");
  WriteTextLines(path, {"温度", "b"});
  EXPECT_EQ(dir.Read("out.txt"), Cp932("温度") + "\r\nb\r\n");
  EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"温度", "b"}));
  // A folder that does not exist: the error names the file, and nothing is left behind.
  try {
    WriteTextLines(dir.Path("missing/out.txt"), {"x"});
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "ファイル " + dir.Path("missing/out.txt") + " を作成できません");
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")), {}), 1);
}

TEST(TextFile, ReadingAMissingFileOrAFolderFails) {
  TempDir dir;
  EXPECT_THROW(ReadFileBytes(dir.Path("none.txt")), FileError);
  EXPECT_THROW(ReadFileBytes(dir.Path("")), FileError);
  try {
    ReadFileBytes(dir.Path("none.txt"));
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "ファイル " + dir.Path("none.txt") + " は開けません");
  }
}

TEST(TextLines, KeepsRawBytesAndDecodesOnRequest) {
  TextLines lines(Cp932("温度\tX\r\n1\t2\r\n"));
  ASSERT_EQ(lines.Count(), 2u);
  EXPECT_EQ(lines.Raw(1), "1\t2");
  EXPECT_EQ(lines.Decoded(0), "温度\tX");
  TextLines bom("\xEF\xBB\xBF" "a\nb");
  EXPECT_EQ(bom.Raw(0), "a");
  TextLines moved = std::move(bom);  // views must survive a move
  EXPECT_EQ(moved.Raw(1), "b");
  TextLines small("x");
  TextLines target;
  target = std::move(small);
  EXPECT_EQ(target.Raw(0), "x");
}

}  // namespace
}  // namespace tarn
