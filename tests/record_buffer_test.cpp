#include "run/record_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/support/record_text.h"

namespace vorlane {
namespace {

using testing::RecordText;

// Records of every size from empty to past a whole batch, enough of them to
// fill the buffer many times over while the writing side drains it.
TEST(RecordBuffer, HandsOverEveryRecordWholeAndInOrder) {
  RecordText expected;
  for (std::size_t k = 0; k < 3000; ++k) {
    expected.Write(std::string(k % 97 == 0 ? RecordBuffer::kBatchBytes + 5 : k % 300, static_cast<char>('a' + k % 26)));
  }
  RecordBuffer buffer;
  std::thread scanning([&] {
    for (const std::string& record : expected.records) buffer.Write(record);
    buffer.Finish(42);
  });
  RecordText written;
  EXPECT_EQ(buffer.DrainInto(written), 42);
  scanning.join();
  EXPECT_EQ(written.records, expected.records);
}

TEST(RecordBuffer, AnEntryWithoutRecordsGivesItsHitCount) {
  RecordBuffer buffer;
  RecordText written;
  buffer.Finish(0);
  EXPECT_EQ(buffer.DrainInto(written), 0);
  EXPECT_TRUE(written.records.empty());
}

TEST(RecordBuffer, AbandoningReleasesAScanThatFilledTheBuffer) {
  RecordBuffer buffer;
  std::thread scanning([&buffer] {
    const std::string record(1000, 'r');
    for (std::size_t k = 0; k < 20 * RecordBuffer::kMaxBatches * RecordBuffer::kBatchBytes / 1000; ++k) {
      buffer.Write(record);  // waits once the buffer is full, until abandoned
    }
    buffer.Finish(1);
  });
  buffer.Abandon();
  scanning.join();  // hangs, and the test times out, if the scan is never released
}

}  // namespace
}  // namespace vorlane
