#include "scan/scenery_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "scan/file_io.h"

namespace vorlane {

SceneryFile::SceneryFile(std::string_view path) : path_(path) {
  // A NUL would make the system open a shorter path than the entry names.
  if (path.find('\0') != std::string_view::npos) return;
  // Non-blocking, so that a FIFO or a device does not hang the open; for a
  // regular file the flag changes nothing.
  const int fd = io::Open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return;
  }
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  fd_ = fd;
}

SceneryFile::~SceneryFile() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace vorlane
