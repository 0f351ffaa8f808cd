// Running the independent tools that check our output files (EMF readers and the like).
// A missing tool fails the test: without it nothing independent has been checked.
#pragma once

#include <string>

namespace tarn::testing {

struct CommandResult {
  int ExitCode = -1;
  std::string Output;  // standard output and standard error together
};

CommandResult RunCommand(const std::string& command);

// Fails the current test (fatally) when `name` is not on the PATH.
void RequireTool(const std::string& name);

}  // namespace tarn::testing
