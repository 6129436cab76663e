// A record sink that keeps what it is given as text, and each record apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scan/record_sink.h"

namespace vorlane::testing {

class RecordText final : public RecordSink {
 public:
  void Write(std::string_view record) override { records.emplace_back(record); }

  std::string Text() const {
    std::string text;
    for (const std::string& record : records) text += record;
    return text;
  }

  std::vector<std::string> records;
};

}  // namespace vorlane::testing
