// A temporary folder per test, removed afterwards, with helpers to write fixture files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarn::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path(std::string_view name) const;
  // Writes the bytes as they are (no conversion) and returns the file's path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  std::string Read(std::string_view name) const;

 private:
  std::filesystem::path root_;
};

// The CP932 bytes of a UTF-8 text, for fixtures that must look like the platform's files.
std::string Cp932(std::string_view utf8);

}  // namespace tarn::testing
