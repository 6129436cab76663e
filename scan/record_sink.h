// Where records go: the result file, or a buffer that carries them from a
// scanning thread to the one that writes the result file.
#pragma once

#include <string_view>

namespace vorlane {

class RecordSink {
 public:
  // Takes one whole record.
  virtual void Write(std::string_view record) = 0;

 protected:
  ~RecordSink() = default;
};

}  // namespace vorlane
