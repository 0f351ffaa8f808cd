#include "support/TempDir.h"

#include <fstream>
#include <random>
#include <sstream>

#include "base/TextCodec.h"

namespace tarn::testing {

TempDir::TempDir() {
  std::random_device device;
  root_ = std::filesystem::temp_directory_path() /
          ("tarnplot-test-" + std::to_string(device()) + std::to_string(device()));
  std::filesystem::create_directories(root_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::Path(std::string_view name) const { return (root_ / name).string(); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string TempDir::Read(std::string_view name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Cp932(std::string_view utf8) { return EncodeCp932(utf8); }

}  // namespace tarn::testing
