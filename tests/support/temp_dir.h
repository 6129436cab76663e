// Test fixtures on the real file system: a private folder removed with its
// contents, and whole-file reads and writes.
#pragma once

#include <string>
#include <string_view>

namespace vorlane::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

// Makes the folder the current directory for the object's lifetime.
class ScopedChdir {
 public:
  explicit ScopedChdir(const std::string& folder);
  ~ScopedChdir();
  ScopedChdir(const ScopedChdir&) = delete;
  ScopedChdir& operator=(const ScopedChdir&) = delete;

 private:
  std::string previous_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);

}  // namespace vorlane::testing
