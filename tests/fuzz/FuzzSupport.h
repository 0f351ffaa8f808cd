// What the fuzz targets share: a port that answers nothing and shows nothing, and the rule that
// the program's own errors are expected answers to bad input, while anything else is a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "base/ForwardingUserInterface.h"

namespace tarn::fuzz {

using QuietPort = SilentUserInterface;

// Runs `read` on the input; the program's own errors are fine, anything else escapes and fails.
template <typename Read>
int Fuzz(const std::uint8_t* data, std::size_t size, Read read) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  try {
    read(bytes);
  } catch (const TarnError&) {
  }
  return 0;
}

}  // namespace tarn::fuzz
