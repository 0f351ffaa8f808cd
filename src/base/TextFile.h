// Reading and writing whole text files at the file boundary: bytes in, UTF-8 lines out,
// and UTF-8 lines out to CP932 with CR LF, written whole or not at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The raw bytes of a file; throws FileError ("ファイル %s は開けません") if it cannot be read.
std::string ReadFileBytes(const std::string& path);

// The size and modification time of a file, to tell whether another program changed it.
struct FileStamp {
  std::uintmax_t Size = 0;
  std::int64_t ModifiedTicks = 0;
  bool Exists = false;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
FileStamp StampOf(const std::string& path);

// The bytes of a file that no other program changed while they were read: nothing when its
// size or modification time moved meanwhile (a writer was at work). Throws FileError when it
// cannot be read at all.
std::optional<std::string> ReadSteadyFileBytes(const std::string& path);

// Writes `bytes` beside `path` and renames it into place, so a failure never leaves a torn
// file; throws FileError ("ファイル %s を作成できません").
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The decoded lines of a text file.
std::vector<std::string> ReadTextLines(const std::string& path);

// The lines of a decoded text.
std::vector<std::string> ToLines(std::string_view text);

// Each line followed by CR LF, in CP932.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

bool FileExists(const std::string& path);

// The text after the last "/" or "\".
std::string BareFileName(std::string_view path);

}  // namespace tarn
