// Reading and writing whole text files at the file boundary: bytes in, UTF-8 lines out,
// and UTF-8 lines out to CP932 with CR LF, written whole or not at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

// The raw bytes of a regular file; throws FileError ("ファイル %s は開けません") if it cannot
// be read or is not a regular file (a pipe, a device, a folder).
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

// The bytes of a data file, read again (a few times, after short pauses) while another program
// is caught writing it; then FileError rather than a mixture of two versions.
std::string ReadDataFileBytes(const std::string& path);

// Replaces the file at `path` with `bytes`, whole or not at all: the content is written to a
// file no one sees, flushed to the disk, and put in place by renaming. What the target is stays
// as it was: a symbolic link keeps pointing where it did (its target gets the content), the
// permission bits (and owner, where allowed) are kept, a hard-linked file keeps its links (it is
// then rewritten in place once the content is complete). A target the user may not write is
// left alone. Throws FileError ("ファイル %s を作成できません").
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// The hidden name a save of `path` uses while the new content is put in place.
std::string HiddenSaveName(const std::string& path);

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
