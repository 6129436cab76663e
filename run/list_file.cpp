#include "run/list_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "scan/file_io.h"

namespace vorlane {
namespace {

constexpr char kEndOfContent = 0x1A;

// Reads entries from an open list file, buffering the raw bytes.
class ListReader {
 public:
  ListReader(const std::string& path, const ListPosition& start) : position_(start) {
    if (position_.atEnd) return;
    fd_ = io::Open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    struct stat status {};
    if (fd_ >= 0 && (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode))) {
      ::close(fd_);
      fd_ = -1;
    }
    if (fd_ < 0 || (position_.offset > 0 &&
                    ::lseek(fd_, static_cast<off_t>(position_.offset), SEEK_SET) < 0)) {
      Fail();
    }
  }
  ListReader(const ListReader&) = delete;
  ListReader& operator=(const ListReader&) = delete;
  ~ListReader() {
    if (fd_ >= 0) ::close(fd_);
  }

  const ListPosition& position() const { return position_; }

  // Reads one entry into *text (when text is not null) and reports whether
  // the content ended with it.
  void Read(std::string* text) {
    if (text) text->clear();
    if (position_.atEnd) return;
    std::size_t lineLength = 0;
    bool crPending = false;  // a CR that is dropped if LF follows
    for (;;) {
      if (next_ == end_ && !Refill()) break;
      const char c = *next_++;
      ++position_.offset;
      if (c == kEndOfContent) {
        position_.atEnd = true;
        break;
      }
      if (c == '\n') {
        crPending = false;
        break;
      }
      if (crPending) Keep(text, '\r', lineLength);
      crPending = c == '\r';
      if (!crPending) Keep(text, c, lineLength);
    }
    if (crPending) Keep(text, '\r', lineLength);
    if (position_.failed && text) text->clear();  // a line read in part names nothing
  }

 private:
  static void Keep(std::string* text, char c, std::size_t& lineLength) {
    if (text && lineLength < kMaxEntryLength) *text += c;
    ++lineLength;
  }

  // False at the end of the file, and after a failed read, which also marks
  // the position as failed: what follows is unknown, not absent.
  bool Refill() {
    for (;;) {
      const ssize_t n = io::Read(fd_, buffer_, sizeof buffer_);
      if (n > 0) {
        next_ = buffer_;
        end_ = buffer_ + n;
        return true;
      }
      if (n == 0) {
        position_.atEnd = true;
        return false;
      }
      if (errno != EINTR) {
        Fail();
        return false;
      }
    }
  }

  void Fail() {
    position_.failed = true;
    position_.atEnd = true;
  }

  int fd_ = -1;
  ListPosition position_;
  char buffer_[8192];
  const char* next_ = buffer_;
  const char* end_ = buffer_;
};

}  // namespace

std::int64_t CountListEntries(const std::string& listPath) {
  ListReader reader(listPath, ListPosition{});
  std::int64_t count = 0;
  do {
    reader.Read(nullptr);
    ++count;
  } while (!reader.position().atEnd);
  return reader.position().failed ? 0 : count;
}

std::string FetchListEntry(const std::string& listPath, std::int64_t index) {
  ListReader reader(listPath, ListPosition{});
  std::string entry;
  for (std::int64_t i = 0; i < index; ++i) reader.Read(nullptr);
  reader.Read(&entry);
  return entry;
}

std::string FetchListEntryAt(const std::string& listPath, ListPosition& position) {
  ListReader reader(listPath, position);
  std::string entry;
  reader.Read(&entry);
  position = reader.position();
  return entry;
}

}  // namespace vorlane
