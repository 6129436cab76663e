#include "run/scan_ahead.h"

#include <sys/resource.h>

#include <algorithm>
#include <system_error>

namespace vorlane {
namespace {

constexpr std::size_t kEntriesPerThread = 32;
// Each entry in flight may hold a record buffer's worth of records, about
// 60 KiB; this many come to about 16 MiB.
constexpr std::size_t kMaxEntriesInFlight = 256;

// Entries in flight also hold their files open; a quarter of the process's
// descriptors may go to them, so that opening one ahead never fails for want
// of descriptors and turns an existing file into a missing one.
std::size_t EntriesInFlight(int scanThreads) {
  if (scanThreads <= 1) return 1;
  std::size_t depth = std::min(kEntriesPerThread * static_cast<std::size_t>(scanThreads), kMaxEntriesInFlight);
  rlimit files{};
  if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY) {
    depth = std::min<std::size_t>(depth, files.rlim_cur / 4);
  }
  return std::max<std::size_t>(depth, 1);
}

}  // namespace

ScanAhead::ScanAhead(const ScanQuery& query, int scanThreads) : scanner_(query), depth_(EntriesInFlight(scanThreads)) {
  workers_.reserve(static_cast<std::size_t>(std::max(scanThreads - 1, 0)));
  for (int k = 1; k < scanThreads; ++k) {
    try {
      workers_.emplace_back([this, query] { Work(query); });
    } catch (const std::system_error&) {
      break;  // the system has no more threads to give; fewer scan every entry all the same
    }
  }
}

ScanAhead::~ScanAhead() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    unscanned_.clear();
  }
  submitted_.notify_all();
  // A worker may be waiting for room in the buffer of an entry nobody will write.
  for (const std::unique_ptr<Entry>& entry : entries_) entry->records.Abandon();
  for (std::thread& worker : workers_) worker.join();
}

void ScanAhead::Submit(const std::string& path, std::int64_t entryIndex) {
  entries_.push_back(std::make_unique<Entry>(path, entryIndex));
  Entry& entry = *entries_.back();
  // A file that did not open has only its missing-file record to write.
  if (workers_.empty() || entry.file.fd() < 0) return;
  entry.queued = true;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    unscanned_.push_back(&entry);
  }
  submitted_.notify_one();
}

std::int64_t ScanAhead::WriteOldest(RecordSink& sink) {
  // The entry stays queued until it is written, so that the destructor can
  // release a worker still scanning it should writing fail with an exception.
  Entry& entry = *entries_.front();
  const bool scanHere = !entry.queued || Unqueue(entry);
  const std::int64_t hits =
      scanHere ? scanner_.Scan(entry.file, entry.entryIndex, sink) : entry.records.DrainInto(sink);
  entries_.pop_front();
  return hits;
}

bool ScanAhead::Unqueue(const Entry& entry) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (unscanned_.empty() || unscanned_.front() != &entry) return false;
  unscanned_.pop_front();
  return true;
}

void ScanAhead::Work(const ScanQuery& query) {
  FileScanner scanner(query);
  for (;;) {
    Entry* entry = nullptr;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      submitted_.wait(lock, [this] { return stopping_ || !unscanned_.empty(); });
      if (stopping_) return;
      // The newest first: the run's own thread scans from the oldest end, so
      // the two meet only when the run catches up with the workers.
      entry = unscanned_.back();
      unscanned_.pop_back();
    }
    entry->records.Finish(scanner.Scan(entry->file, entry->entryIndex, entry->records));
  }
}

}  // namespace vorlane
