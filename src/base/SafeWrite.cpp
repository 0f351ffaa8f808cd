// Replacing a file whole or not at all, the way the user's file is: the new content goes into an
// unnamed file in the target's folder (or, where the file system has none, a hidden one), is
// flushed to the disk, given the old file's permissions, and then renamed over the target. A
// crash leaves the old file and at most a complete hidden copy, which the next save removes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "base/Errors.h"
#include "base/TextFile.h"

namespace tarn {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkDepth = 40;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return fd_; }
  bool Valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

// The file a path finally names, following symbolic links (also one whose target is missing).
fs::path FinalTarget(const fs::path& path) {
  fs::path current = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error)) || error) return current;
    const fs::path next = fs::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Read-only means read-only also for an administrator, who may write anything: a file or folder
// without any write permission is left alone.
bool MayWrite(const fs::path& path, const struct stat& info) {
  return ::access(path.c_str(), W_OK) == 0 && (info.st_mode & 0222) != 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A file with more than one name is rewritten in place once the content is ready, so that every
// name keeps showing it.
void RewriteInPlace(const fs::path& target, std::string_view bytes, const std::string& shown) {
  const Descriptor fd(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  if (!fd.Valid() || !WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) throw FileError::CannotCreate(shown);
}

// An unnamed file in the folder where the file system offers them, else the hidden name itself.
int OpenForContent(const fs::path& folder, const fs::path& hidden, bool& unnamed) {
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  unnamed = fd >= 0;
  return unnamed ? fd : ::open(hidden.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
}

// The complete content under the hidden name.
bool WriteHidden(const fs::path& folder, const fs::path& hidden, std::string_view bytes, mode_t mode,
                 const struct stat* old) {
  bool unnamed = false;
  const Descriptor fd(OpenForContent(folder, hidden, unnamed));
  if (!fd.Valid()) return false;
  bool ok = WriteAll(fd.Get(), bytes) && ::fchmod(fd.Get(), mode) == 0;
  if (ok && old) {
    // Keeping the owner needs the right to give files away; without it the file is the user's.
    [[maybe_unused]] const int kept = ::fchown(fd.Get(), old->st_uid, old->st_gid);
  }
  ok = ok && ::fsync(fd.Get()) == 0;
  if (ok && unnamed) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd.Get());
    ok = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, hidden.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }
  if (!ok) ::unlink(hidden.c_str());
  return ok;
}

void SyncFolder(const fs::path& folder) {
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

}  // namespace

std::string HiddenSaveName(const std::string& path) {
  const fs::path target = FinalTarget(path);
  return (target.parent_path() / ("." + target.filename().string() + ".tarnplot-save")).string();
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const fs::path target = FinalTarget(path);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const fs::path hidden = HiddenSaveName(path);
  ::unlink(hidden.c_str());  // what a crash during an earlier save left

  struct stat old {}, place {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || !MayWrite(target, old))) throw FileError::CannotCreate(path);
  if (::stat(folder.c_str(), &place) != 0 || !MayWrite(folder, place)) throw FileError::CannotCreate(path);
  if (exists && old.st_nlink > 1) return RewriteInPlace(target, bytes, path);

  const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
  if (!WriteHidden(folder, hidden, bytes, mode, exists ? &old : nullptr)) throw FileError::CannotCreate(path);
  if (::rename(hidden.c_str(), target.c_str()) != 0) {
    ::unlink(hidden.c_str());
    throw FileError::CannotCreate(path);
  }
  SyncFolder(folder);
}

}  // namespace tarn
