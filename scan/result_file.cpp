#include "scan/result_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "scan/code_page.h"
#include "scan/file_io.h"

namespace vorlane {
namespace {

// Never through a symbolic link: the result must not land outside the folder.
constexpr int kResultFileFlags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
constexpr mode_t kResultFileMode = 0666;

}  // namespace

std::string ResultFileName(std::string_view code) {
  std::string name = Cp1252ToUtf8(code);
  for (char& c : name) {
    // A NUL would end the name early, so the file would have another one.
    if (c == '/' || c == '\\' || c == '\0') c = '_';
  }
  return name + ".txt";
}

bool CreateResultFile(std::string_view code) {
  const int fd = io::Open(ResultFileName(code).c_str(), kResultFileFlags | O_TRUNC, kResultFileMode);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

ResultFile AppendToResultFile(std::string_view code) {
  return ResultFile(io::Open(ResultFileName(code).c_str(), kResultFileFlags | O_APPEND, kResultFileMode));
}

ResultFile::ResultFile(ResultFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), ok_(other.ok_) {}

ResultFile::~ResultFile() { Close(); }

void ResultFile::Write(std::string_view record) {
  if (fd_ < 0) ok_ = false;
  if (!ok_) return;
  std::size_t written = 0;
  while (written < record.size()) {
    const ssize_t n = io::Write(fd_, record.data() + written, record.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      ok_ = false;  // an error, or a write that makes no progress
      break;
    }
  }
  if (!ok_ && written > 0) DropPartialRecord(written);
}

void ResultFile::DropPartialRecord(std::size_t written) {
  // After an appending write the offset is the end of what it wrote. Cut
  // back only while that is still the file's end, so that nothing another
  // writer added afterwards is lost.
  const off_t end = ::lseek(fd_, 0, SEEK_CUR);
  struct stat status {};
  const bool stillAtEnd = end >= 0 && ::fstat(fd_, &status) == 0 && status.st_size == end;
  // Should this fail as well, ok() still reports the file as incomplete.
  if (stillAtEnd) static_cast<void>(::ftruncate(fd_, end - static_cast<off_t>(written)));
}

bool ResultFile::Close() {
  if (fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0) ok_ = false;
  return ok_;
}

}  // namespace vorlane
