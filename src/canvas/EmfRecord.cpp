#include "canvas/EmfRecord.h"

#include "canvas/EmfFormat.h"

namespace tarn {

bool EmfRecordWalker::Next() {
  if (offset_ >= stream_.size()) return false;
  const std::size_t left = stream_.size() - offset_;
  const EmfRecord prefix(stream_.substr(offset_, left < 8 ? left : 8), count_, offset_);
  if (left < emf::kRecordPrefixSize) prefix.Fail("truncated record");
  const std::uint32_t size = prefix.U32(emf::kOffRecordSize);
  if (size < emf::kRecordPrefixSize) prefix.Fail("record size below 8");
  if (size % 4 != 0) prefix.Fail("record size not a multiple of 4");
  if (size > left) prefix.Fail("record size beyond the end of the stream");
  current_ = EmfRecord(stream_.substr(offset_, size), count_, offset_);
  offset_ += size;
  ++count_;
  return true;
}

}  // namespace tarn
