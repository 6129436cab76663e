// The records of one list entry on their way from the thread that scans it to
// the thread that writes the result file: one producer, one consumer, in
// order, in bounded memory.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "scan/record_sink.h"

namespace vorlane {

class RecordBuffer final : public RecordSink {
 public:
  // Records travel in batches of about this many bytes, and at most
  // kMaxBatches of them wait, so that a file dense with hits streams through
  // instead of piling up while earlier entries are still being written: a
  // buffer holds at most three batches, the one being filled included.
  static constexpr std::size_t kBatchBytes = std::size_t{16} << 10;
  static constexpr std::size_t kMaxBatches = 2;

  // The scanning side. Write waits while the buffer is full; after Abandon it
  // drops the record instead.
  void Write(std::string_view record) override;
  // No more records; hits is the entry's hit count.
  void Finish(std::int64_t hits);

  // The writing side: hands every record to sink in order as it arrives, and
  // returns the hit count once the scan has finished.
  std::int64_t DrainInto(RecordSink& sink);
  // Nobody will drain the buffer: the scan may go on without waiting.
  void Abandon();

 private:
  struct Batch {
    std::string bytes;
    std::vector<std::size_t> ends;  // where each record ends in bytes
  };

  void Publish(bool last, std::int64_t hits);

  Batch filling_;  // touched by the scanning side only

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> ready_;
  bool finished_ = false;
  bool abandoned_ = false;
  std::int64_t hits_ = 0;
};

}  // namespace vorlane
