// A user-interface port that shows each distinct message text once: within one redraw the
// margin search repeats its measurements up to a hundred times, and a warning met in every
// trial is one warning to the person. Everything else passes through.
#pragma once

#include <set>
#include <string>

#include "base/ForwardingUserInterface.h"

namespace tarn {

class DistinctMessages : public ForwardingUserInterface {
 public:
  using ForwardingUserInterface::ForwardingUserInterface;

  void ShowMessage(MessageKind kind, const std::string& text) override {
    if (shown_.insert(text).second) Next().ShowMessage(kind, text);
  }

 private:
  std::set<std::string> shown_;
};

}  // namespace tarn
