#include "base/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "base/Errors.h"
#include "base/SplitText.h"
#include "base/TextCodec.h"

namespace tarn {

namespace {

// How often a file caught changing is read again before the reader gives up.
constexpr int kSteadyReadAttempts = 4;
// How long a file just written must stay unchanged before its content is trusted.
constexpr std::chrono::milliseconds kQuietPeriod{100};

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { ::close(fd_); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

 private:
  int fd_;
};

}  // namespace

// Only regular files are read: a named pipe would block for ever and a device such as
// /dev/zero would fill the memory.
std::string ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw FileError::CannotOpen(path);
  const FileDescriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) throw FileError::CannotOpen(path);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError::CannotOpen(path);
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
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

// A writer that truncates a file and then writes it in pieces leaves moments in which the file
// stands still but is not complete; a file changed this recently must stay still a little
// longer before it is taken.
std::optional<std::string> ReadSteadyFileBytes(const std::string& path) {
  const FileStamp before = StampOf(path);
  std::string bytes = ReadFileBytes(path);
  FileStamp after = StampOf(path);
  if (!before.Exists || before != after || bytes.size() != after.Size) return std::nullopt;
  const auto now = std::filesystem::file_time_type::clock::now().time_since_epoch();
  const auto age = now - std::filesystem::file_time_type::duration(after.ModifiedTicks);
  if (age < kQuietPeriod) {
    std::this_thread::sleep_for(kQuietPeriod - age);
    if (StampOf(path) != after) return std::nullopt;
  }
  return bytes;
}

std::string ReadDataFileBytes(const std::string& path) {
  for (int attempt = 1; attempt <= kSteadyReadAttempts; ++attempt) {
    if (auto bytes = ReadSteadyFileBytes(path)) return std::move(*bytes);
    std::this_thread::sleep_for(std::chrono::milliseconds(50 * attempt));
  }
  throw FileError::ChangedWhileRead(path);
}

std::vector<std::string> ToLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
  return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
  return ToLines(DecodeText(ReadDataFileBytes(path)));
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
