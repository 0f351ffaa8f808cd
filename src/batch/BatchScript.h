// The words of `tarnplot --batch`: each command with its arguments, checked before anything
// runs, so that a usage error is reported without touching any file.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tarn {

struct BatchStep {
  std::string Command;             // "open-contour", "print", "series", ...
  std::vector<std::string> Args;
};

struct BatchScript {
  bool KeepGoing = false;
  std::vector<BatchStep> Steps;
};

// A command line that cannot be run; exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `args` are the words after "--batch". Throws UsageError for an unknown command, a missing
// argument, an unknown word, or a command that this build cannot run yet.
BatchScript ParseBatchScript(const std::vector<std::string>& args);

}  // namespace tarn
