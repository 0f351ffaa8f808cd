#include "support/ExternalTools.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace tarn::testing {

CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.Output.append(buffer.data(), n);
  const int status = pclose(pipe);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

void RequireTool(const std::string& name) {
  ASSERT_EQ(RunCommand("command -v " + name).ExitCode, 0)
      << name << " is not installed (Debian package " << (name == "printemf" ? "printemf" : "emf2svg") << ")";
}

}  // namespace tarn::testing
