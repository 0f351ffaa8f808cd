// `tarnplot --batch`: runs the window's own commands in order on a document without a
// window, printing state on standard output and messages on standard error.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarn {

// Exit status: 0 with no error report, 1 after one (the run stops there unless
// --keep-going), 2 for a usage error reported before anything ran.
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarn
