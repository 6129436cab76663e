#include "scan/result_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "scan/code_page.h"

namespace vorlane {
namespace {

// Never through a symbolic link: the result must not land outside the folder.
constexpr int kResultFileFlags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY;
constexpr mode_t kResultFileMode = 0666;

}  // namespace

std::string ResultFileName(std::string_view code) {
  std::string name = Cp1252ToUtf8(code);
  for (char& c : name) {
    if (c == '/' || c == '\\') c = '_';
  }
  return name + ".txt";
}

bool CreateResultFile(std::string_view code) {
  const int fd = ::open(ResultFileName(code).c_str(), kResultFileFlags | O_TRUNC, kResultFileMode);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

ResultFile AppendToResultFile(std::string_view code) {
  return ResultFile(::open(ResultFileName(code).c_str(), kResultFileFlags | O_APPEND, kResultFileMode));
}

ResultFile::ResultFile(ResultFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), ok_(other.ok_) {}

ResultFile::~ResultFile() { Close(); }

void ResultFile::Write(std::string_view record) {
  if (fd_ < 0) {
    ok_ = false;
    return;
  }
  while (!record.empty() && ok_) {
    const ssize_t n = ::write(fd_, record.data(), record.size());
    if (n > 0) {
      record.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EINTR) {
      ok_ = false;
    }
  }
}

bool ResultFile::Close() {
  if (fd_ >= 0 && ::close(std::exchange(fd_, -1)) != 0) ok_ = false;
  return ok_;
}

}  // namespace vorlane
