// The result file: its name, how a run creates it and how each operation
// opens it for appending. Every record reaches the file with one write of its
// own, so a run that stops early leaves only whole records behind; a record
// that the file takes only in part (a full disk, a file-size limit) is cut
// back out again.
#pragma once

#include <string>
#include <string_view>

#include "scan/record_sink.h"

namespace vorlane {

// The code as typed, in UTF-8, plus ".txt"; '/' and '\' become '_' so that the
// file always lies in the current directory, and so does NUL, which the
// system would take for the end of the name.
std::string ResultFileName(std::string_view code);

// Creates the file empty, or truncates it; false when that fails.
bool CreateResultFile(std::string_view code);

// An open result file that every write appends to, even when another writer
// has extended it meanwhile. A file that could not be opened takes writes
// without effect and reports them as failed through ok().
class ResultFile final : public RecordSink {
 public:
  explicit ResultFile(int fd) : fd_(fd), ok_(fd >= 0) {}
  ResultFile(ResultFile&& other) noexcept;
  ResultFile& operator=(ResultFile&&) = delete;
  ~ResultFile();

  // Writes one whole record, or nothing: after a failed write it is removed
  // again, and later writes are skipped.
  void Write(std::string_view record) override;

  // Closes the file; returns ok().
  bool Close();

  // True while the file is open and every write so far went through whole.
  bool ok() const { return ok_; }

 private:
  // Removes the last `written` bytes, the start of a record that failed.
  void DropPartialRecord(std::size_t written);

  int fd_;
  bool ok_;
};

// Opens the file for appending, creating it if it is missing.
ResultFile AppendToResultFile(std::string_view code);

}  // namespace vorlane
