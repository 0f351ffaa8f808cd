// The records of a metafile as a list, for tests that look at what a recording wrote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/EmfRecord.h"

namespace tarn::testing {

struct RecordCopy {
  std::uint32_t Type = 0;
  std::string Bytes;
  EmfRecord View() const { return EmfRecord(Bytes, 0, 0); }
  std::uint32_t Value() const { return View().U32(8); }  // the field of one-value records
};

inline std::vector<RecordCopy> ListRecords(std::string_view stream) {
  std::vector<RecordCopy> records;
  EmfRecordWalker walker(stream);
  while (walker.Next()) records.push_back({walker.Current().Type(), std::string(walker.Current().Bytes())});
  return records;
}

// The records of the given type, in order.
inline std::vector<RecordCopy> RecordsOfType(std::string_view stream, std::uint32_t type) {
  std::vector<RecordCopy> out;
  for (RecordCopy& record : ListRecords(stream)) {
    if (record.Type == type) out.push_back(std::move(record));
  }
  return out;
}

// The record types between the header and EOF.
inline std::vector<std::uint32_t> BodyTypes(std::string_view stream) {
  std::vector<std::uint32_t> types;
  for (const RecordCopy& record : ListRecords(stream)) types.push_back(record.Type);
  return std::vector<std::uint32_t>(types.begin() + 1, types.end() - 1);
}

}  // namespace tarn::testing
