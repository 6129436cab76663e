// Scans the files of the next list entries on worker threads while the run
// writes the records of earlier ones. Entries are opened when submitted, so
// in list order, and their records come out in the order they went in.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "run/record_buffer.h"
#include "scan/scan_file.h"
#include "scan/scenery_file.h"

namespace vorlane {

class ScanAhead {
 public:
  // Scans up to scanThreads files at once: the run's own thread takes part,
  // so scanThreads - 1 workers are started. With none, each entry is scanned
  // when its records are written, straight into their sink.
  ScanAhead(const ScanQuery& query, int scanThreads);
  // Stops the workers; entries not yet written are dropped.
  ~ScanAhead();
  ScanAhead(const ScanAhead&) = delete;
  ScanAhead& operator=(const ScanAhead&) = delete;

  // Whether another entry may be submitted. Up to 32 entries per thread are
  // in flight: small files are scanned in microseconds, and a worker that
  // finds the queue empty must be woken again, which costs more than that.
  // At most 256 are, whatever the threads, and at most a quarter of the
  // descriptor limit, so that memory and open files stay bounded however
  // long the list and however dense its files are with hits.
  bool HasRoom() const { return entries_.size() < depth_; }

  // Opens the entry's file and queues it for scanning.
  void Submit(const std::string& path, std::int64_t entryIndex);

  // Writes the records of the oldest submitted entry to sink, then forgets
  // the entry; returns its hit count. An entry that no worker has taken yet
  // is scanned here, straight into sink; otherwise its records are passed on
  // as the worker forms them. There must be a submitted entry.
  std::int64_t WriteOldest(RecordSink& sink);

 private:
  struct Entry {
    Entry(const std::string& path, std::int64_t index) : file(path), entryIndex(index) {}
    SceneryFile file;
    std::int64_t entryIndex;
    bool queued = false;  // handed to the workers
    RecordBuffer records;
  };

  // Takes the entry back from the workers' queue; false when a worker has it.
  bool Unqueue(const Entry& entry);
  void Work(const ScanQuery& query);

  FileScanner scanner_;  // the run's own thread's
  const std::size_t depth_;
  std::deque<std::unique_ptr<Entry>> entries_;  // submitted, not yet written; the run's thread only

  std::mutex mutex_;
  std::condition_variable submitted_;
  std::deque<Entry*> unscanned_;  // queued, not yet taken; shared with the workers
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace vorlane
