// Saving respects what the user's file is and leaves nothing behind; reading refuses what is not
// a regular file and never takes a mixture of two versions; quoted input stays short.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/NumberText.h"
#include "support/TempDir.h"

namespace tarn {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(SavingAFile, KeepsLinksPermissionsAndNothingElseInTheFolder) {
  TempDir dir;
  const std::string target = dir.Write("picture.emf", "old");
  ::chmod(target.c_str(), 0600);
  fs::create_symlink("picture.emf", dir.Path("link.emf"));
  fs::create_hard_link(target, dir.Path("second-name.emf"));
  fs::create_directory(dir.Path("sub"));
  fs::create_symlink("../picture.emf", dir.Path("sub/deep.emf"));

  WriteFileAtomically(dir.Path("link.emf"), "through the link");
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.emf")));
  EXPECT_EQ(dir.Read("picture.emf"), "through the link");
  EXPECT_EQ(dir.Read("second-name.emf"), "through the link");  // a hard link keeps its links
  EXPECT_EQ(ModeOf(target), 0600u);

  fs::remove(dir.Path("second-name.emf"));
  WriteFileAtomically(dir.Path("sub/deep.emf"), "renamed into place");
  EXPECT_EQ(dir.Read("picture.emf"), "renamed into place");
  EXPECT_EQ(ModeOf(target), 0600u);
  EXPECT_TRUE(fs::is_symlink(dir.Path("sub/deep.emf")));
  EXPECT_EQ(Names(dir.Path("")), (std::vector<std::string>{"link.emf", "picture.emf", "sub"}));
}

TEST(SavingAFile, LeavesReadOnlyFilesAndFoldersAlone) {
  TempDir dir;
  const std::string locked = dir.Write("locked.png", "keep me");
  ::chmod(locked.c_str(), 0444);
  EXPECT_THROW(WriteFileAtomically(locked, "new"), FileError);
  EXPECT_EQ(dir.Read("locked.png"), "keep me");

  fs::create_directory(dir.Path("shut"));
  dir.Write("shut/inside.png", "keep me too");
  ::chmod(dir.Path("shut").c_str(), 0555);
  EXPECT_THROW(WriteFileAtomically(dir.Path("shut/inside.png"), "new"), FileError);
  EXPECT_THROW(WriteFileAtomically(dir.Path("shut/fresh.png"), "new"), FileError);
  EXPECT_EQ(dir.Read("shut/inside.png"), "keep me too");
  ::chmod(dir.Path("shut").c_str(), 0755);
  EXPECT_EQ(Names(dir.Path("shut")), (std::vector<std::string>{"inside.png"}));
}

TEST(SavingAFile, RemovesWhatACrashedSaveLeftAndGivesNewFilesTheUsualMode) {
  TempDir dir;
  const std::string target = dir.Path("out.txt");
  dir.Write(fs::path(HiddenSaveName(target)).filename().string(), "half of an old save");
  const mode_t mask = ::umask(022);
  WriteFileAtomically(target, "complete");
  ::umask(mask);
  EXPECT_EQ(dir.Read("out.txt"), "complete");
  EXPECT_EQ(ModeOf(target), 0644u);
  EXPECT_EQ(Names(dir.Path("")), (std::vector<std::string>{"out.txt"}));
}

TEST(ReadingAFile, RefusesPipesAndDevicesAtOnce) {
  TempDir dir;
  const std::string pipe = dir.Path("pipe.txt");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_THROW(ReadFileBytes(pipe), FileError);  // would block for ever if it waited for a writer
  EXPECT_THROW(ReadDataFileBytes(pipe), FileError);
  EXPECT_THROW(ReadFileBytes("/dev/zero"), FileError);
  EXPECT_THROW(ReadFileBytes(dir.Path("")), FileError);
}

TEST(ReadingAFile, NeverTakesAMixtureOfTwoVersions) {
  TempDir dir;
  const std::string path = dir.Path("data.txt");
  const std::string a(400000, 'a'), b(300000, 'b');
  dir.Write("data.txt", a);
  std::atomic<bool> stop = false;
  // Another program rewriting the file in place, in pieces.
  std::thread writer([&] {
    for (int version = 0; !stop; ++version) {
      const std::string& text = version % 2 ? a : b;
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      for (std::size_t at = 0; at < text.size(); at += 50000) {
        out.write(text.data() + at, static_cast<std::streamsize>(std::min<std::size_t>(50000, text.size() - at)));
        out.flush();
        std::this_thread::sleep_for(std::chrono::microseconds(300));
      }
      out.close();
      // Now and then the writer rests, as a logger does between records.
      if (version % 4 == 3) std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
  });
  int whole = 0;
  for (int read = 0; read < 8; ++read) {
    try {
      const std::string bytes = ReadDataFileBytes(path);
      EXPECT_TRUE(bytes == a || bytes == b) << "a read of " << bytes.size() << " bytes mixed two versions";
      ++whole;
    } catch (const FileError&) {
      // Caught changing every time it was tried: reported, not loaded.
    }
  }
  stop = true;
  writer.join();
  EXPECT_GT(whole, 0) << "while the writer rested, the file was read whole";
}

TEST(QuotedInput, IsShortAndShowsControlBytes) {
  std::string message;
  try {
    TextToFloat(std::string(500, '9') + "x");
  } catch (const ConversionError& e) {
    message = e.what();
  }
  EXPECT_EQ(message, "'" + std::string(80, '9') + "…' は浮動小数点数ではありません");
  try {
    TextToInt("1\x1b[2J\t温度");
  } catch (const ConversionError& e) {
    message = e.what();
  }
  EXPECT_EQ(message, "'1\\x1B[2J\\x09温度' は整数ではありません");
}

}  // namespace
}  // namespace tarn
