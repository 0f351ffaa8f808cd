// Marks the document busy while a long operation pumps messages, and idle again however
// the operation ends.
#pragma once

#include "app/Document.h"

namespace tarn {

class BusyScope {
 public:
  explicit BusyScope(Document& doc) : doc_(doc), wasBusy_(doc.Busy()) { doc_.SetBusy(true); }
  ~BusyScope() { doc_.SetBusy(wasBusy_); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Document& doc_;
  bool wasBusy_;
};

}  // namespace tarn
