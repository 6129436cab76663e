#include "run/record_buffer.h"

#include <gtest/gtest.h>

#include <atomic>
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

TEST(RecordBuffer, AbandoningReleasesAScanWaitingForRoom) {
  RecordBuffer buffer;
  const std::string record(1000, 'r');
  // Enough records to fill every waiting batch and the one being filled.
  const std::size_t fill = (RecordBuffer::kMaxBatches + 1) * RecordBuffer::kBatchBytes / record.size() + 1;
  std::atomic<std::size_t> written{0};
  std::thread scanning([&] {
    for (std::size_t k = 0; k < 10 * fill; ++k) {
      buffer.Write(record);
      ++written;
    }
    buffer.Finish(1);
  });
  while (written < fill) std::this_thread::yield();  // the scan now waits for room, or is about to
  buffer.Abandon();
  scanning.join();  // hangs, and the test times out, if the waiting scan is never released
}

}  // namespace
}  // namespace vorlane
