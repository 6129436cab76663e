#include "run/record_buffer.h"

#include <utility>

#include "run/list_file.h"

namespace vorlane {
namespace {

// A record holds one list entry and less than a hundred bytes of text.
constexpr std::size_t kMaxRecordBytes = kMaxEntryLength + 256;

}  // namespace

void RecordBuffer::Write(std::string_view record) {
  // Room for a whole batch and its longest record at once, so that growing
  // the batch never doubles it past that.
  if (filling_.bytes.empty()) filling_.bytes.reserve(kBatchBytes + kMaxRecordBytes);
  filling_.bytes += record;
  filling_.ends.push_back(filling_.bytes.size());
  if (filling_.bytes.size() >= kBatchBytes) Publish(false, 0);
}

void RecordBuffer::Finish(std::int64_t hits) { Publish(true, hits); }

void RecordBuffer::Publish(bool last, std::int64_t hits) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return ready_.size() < kMaxBatches || abandoned_; });
  if (!abandoned_ && !filling_.ends.empty()) {
    ready_.push_back(std::move(filling_));
  }
  filling_ = Batch{};
  if (last) {
    finished_ = true;
    hits_ = hits;
  }
  // Notified under the lock: once the writing side sees the scan finished it
  // may destroy the buffer, so this side must not touch it after unlocking.
  changed_.notify_all();
}

std::int64_t RecordBuffer::DrainInto(RecordSink& sink) {
  for (;;) {
    Batch batch;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
      if (ready_.empty()) return hits_;
      batch = std::move(ready_.front());
      ready_.pop_front();
      changed_.notify_all();
    }
    std::size_t start = 0;
    for (const std::size_t end : batch.ends) {
      sink.Write(std::string_view(batch.bytes).substr(start, end - start));
      start = end;
    }
  }
}

void RecordBuffer::Abandon() {
  const std::lock_guard<std::mutex> lock(mutex_);
  abandoned_ = true;
  ready_.clear();
  changed_.notify_all();
}

}  // namespace vorlane
