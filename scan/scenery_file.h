// Opening a scenery file for reading without ever blocking or following the
// entry into something that is not a regular file.
#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// An open descriptor, closed with the object; fd() is -1 when the entry does
// not name a readable regular file. path() is the entry as given.
class SceneryFile {
 public:
  explicit SceneryFile(std::string_view path);
  SceneryFile(const SceneryFile&) = delete;
  SceneryFile& operator=(const SceneryFile&) = delete;
  ~SceneryFile();

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace vorlane
