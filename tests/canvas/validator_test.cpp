// The structural check rejects each kind of broken stream with its own message, and the
// record walker never reads past the bytes it was given.
#include <gtest/gtest.h>

#include "FakeFontMetrics.h"
#include "RecordList.h"
#include "canvas/EmfFormat.h"
#include "canvas/EmfRecords.h"
#include "canvas/EmfValidator.h"
#include "canvas/MetafileError.h"
#include "canvas/MetafileRecorder.h"

namespace tarn {
namespace {

using testing::FakeFontMetrics;

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Offsets of the records in a stream.
std::vector<std::size_t> Offsets(const std::string& bytes) {
  std::vector<std::size_t> offsets;
  EmfRecordWalker walker(bytes);
  while (walker.Next()) offsets.push_back(walker.Current().Offset());
  return offsets;
}

std::string ValidationError(const std::string& bytes) {
  try {
    ValidateEmf(bytes);
  } catch (const MetafileError& error) {
    return error.what();
  }
  return "valid";
}

class ValidatorTest : public ::testing::Test {
 protected:
  // header, CREATEPEN, SELECTOBJECT, MOVETOEX, LINETO, SELECTOBJECT, DELETEOBJECT, EOF
  void SetUp() override {
    FakeFontMetrics metrics;
    MetafileRecorder recorder(100, 100, metrics);
    recorder.SetPenColor(MakeColor(255, 0, 0));
    recorder.LineTo(5, 5);
    recorder.MoveTo(1, 1);
    good_ = recorder.Finish();
    offsets_ = Offsets(good_);
    ASSERT_EQ(offsets_.size(), 8u);
  }
  std::string good_;
  std::vector<std::size_t> offsets_;
};

TEST_F(ValidatorTest, AcceptsTheRecording) { EXPECT_EQ(ValidationError(good_), "valid"); }

TEST_F(ValidatorTest, HeaderCountsMustMatchTheStream) {
  std::string bytes = good_;
  Put32(bytes, emf::kOffBytes, static_cast<std::uint32_t>(good_.size() + 4));
  EXPECT_EQ(ValidationError(bytes), "nBytes " + std::to_string(good_.size() + 4) +
                                        " differs from the stream length " + std::to_string(good_.size()));
  bytes = good_;
  Put32(bytes, emf::kOffRecords, 7);
  EXPECT_EQ(ValidationError(bytes), "nRecords 7 differs from the 8 records present");
  bytes = good_;
  Put32(bytes, emf::kOffSignature, 0x12345678);
  EXPECT_EQ(ValidationError(bytes), "not an enhanced metafile signature");
  EXPECT_EQ(ValidationError(good_.substr(0, 40)), "metafile shorter than its header");
}

TEST_F(ValidatorTest, RecordSizesAreNeverTrusted) {
  std::string bytes = good_;
  Put32(bytes, offsets_[3] + 4, 18);  // LINETO claiming 18 bytes
  EXPECT_EQ(ValidationError(bytes), "record size not a multiple of 4 (record 3 at byte " + std::to_string(offsets_[3]) + ")");
  Put32(bytes, offsets_[3] + 4, 0x7FFFFFF0);
  EXPECT_EQ(ValidationError(bytes), "record size beyond the end of the stream (record 3 at byte " +
                                        std::to_string(offsets_[3]) + ")");
  Put32(bytes, offsets_[3] + 4, 4);
  EXPECT_EQ(ValidationError(bytes), "record size below 8 (record 3 at byte " + std::to_string(offsets_[3]) + ")");
  Put32(bytes, offsets_[3] + 4, 20);  // the walk stays in bounds but the record is the wrong size
  EXPECT_NE(ValidationError(bytes), "valid");
}

TEST_F(ValidatorTest, EofMustBeLastAndCarryItsSize) {
  std::string bytes = good_;
  Put32(bytes, bytes.size() - 4, 16);
  EXPECT_EQ(ValidationError(bytes), "EOF nSizeLast differs from its size (record 7 at byte " + std::to_string(offsets_[7]) + ")");
  bytes = good_.substr(0, offsets_[7]);  // no EOF at all
  Put32(bytes, emf::kOffBytes, static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(ValidationError(bytes), "metafile without EOF record");
}

TEST_F(ValidatorTest, ObjectIndexesMustNameLiveObjectsInsideTheTable) {
  std::string bytes = good_;
  Put32(bytes, offsets_[1] + 8, 2);  // CREATEPEN into slot 2 of a 2-slot table
  EXPECT_EQ(ValidationError(bytes), "object index 2 outside the table (record 1 at byte " + std::to_string(offsets_[1]) + ")");
  bytes = good_;
  Put32(bytes, offsets_[1] + 8, 0);
  EXPECT_EQ(ValidationError(bytes), "object index 0 outside the table (record 1 at byte " + std::to_string(offsets_[1]) + ")");
  bytes = good_;
  Put32(bytes, offsets_[5] + 8, 1);  // the pen is still selected when it is deleted
  EXPECT_EQ(ValidationError(bytes), "deleting an object while it is selected (record 6 at byte " +
                                        std::to_string(offsets_[6]) + ")");
  bytes = good_;
  Put32(bytes, offsets_[6] + 8, emf::kStockBlackPen);
  EXPECT_EQ(ValidationError(bytes), "deleting a stock object (record 6 at byte " + std::to_string(offsets_[6]) + ")");
  bytes = good_;
  Put32(bytes, offsets_[2] + 8, 5);
  EXPECT_EQ(ValidationError(bytes), "selecting an object that does not exist (record 2 at byte " +
                                        std::to_string(offsets_[2]) + ")");
}

TEST(EmfRecordTest, FieldReadsStopAtTheRecordsEnd) {
  const std::string bytes(12, '\0');
  const EmfRecord record(bytes, 4, 100);
  EXPECT_EQ(record.U32(8), 0u);
  EXPECT_THROW(record.U32(9), MetafileError);
  EXPECT_THROW(record.U16(11), MetafileError);
  EXPECT_THROW(record.Require(std::size_t{1} << 62, std::size_t{1} << 62), MetafileError);
  EXPECT_THROW(ReadPoly(record), MetafileError);
}

TEST(EmfRecordTest, CountsThatOverrunTheRecordAreRejected) {
  // A polygon record claiming a million points in 36 bytes, and a text claiming a long string.
  std::string poly(36, '\0');
  Put32(poly, 0, emf::kPolygon16);
  Put32(poly, 4, 36);
  Put32(poly, 24, 1000000);
  EXPECT_THROW(ReadPoly(EmfRecord(poly, 0, 0)), MetafileError);
  std::string text(80, '\0');
  Put32(text, 0, emf::kExtTextOutW);
  Put32(text, 4, 80);
  Put32(text, 44, 2);
  Put32(text, 48, 78);  // string runs past the end
  EXPECT_THROW(ReadTextOut(EmfRecord(text, 0, 0)), MetafileError);
  Put32(text, 48, 76);
  Put32(text, 72, 0xFFFFFFF0u);  // spacing array far outside
  EXPECT_THROW(ReadTextOut(EmfRecord(text, 0, 0)), MetafileError);
}

}  // namespace
}  // namespace tarn
