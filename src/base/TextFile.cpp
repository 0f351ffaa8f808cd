#include "base/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "base/Errors.h"
#include "base/SplitText.h"
#include "base/TextCodec.h"

namespace tarn {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string TemporaryNameBeside(const std::string& path) {
  std::random_device device;
  return path + ".tmp" + std::to_string(device() % 1000000u);
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) throw FileError::CannotOpen(path);
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) throw FileError::CannotOpen(path);
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) throw FileError::CannotOpen(path);
  return bytes;
}

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.Size = std::filesystem::file_size(path, error);
  if (error) return {};
  const auto modified = std::filesystem::last_write_time(path, error);
  if (error) return {};
  stamp.ModifiedTicks = static_cast<std::int64_t>(modified.time_since_epoch().count());
  stamp.Exists = true;
  return stamp;
}

std::optional<std::string> ReadSteadyFileBytes(const std::string& path) {
  const FileStamp before = StampOf(path);
  std::string bytes = ReadFileBytes(path);
  const FileStamp after = StampOf(path);
  if (!before.Exists || before != after || bytes.size() != after.Size) return std::nullopt;
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryNameBeside(path);
  {
    FileHandle file(std::fopen(temporary.c_str(), "wb"));
    if (!file) throw FileError::CannotCreate(path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    if (!written) {
      file.reset();
      std::remove(temporary.c_str());
      throw FileError::CannotCreate(path);
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    throw FileError::CannotCreate(path);
  }
}

std::vector<std::string> ToLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
  return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
  return ToLines(DecodeText(ReadFileBytes(path)));
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  WriteFileAtomically(path, EncodeCp932(text));
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string BareFileName(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace tarn
