// The records of the result file, one writer per kind. Each forms its record
// whole (CR LF line ends) and hands it to the file as one write.
#pragma once

#include <cstdint>
#include <string_view>

#include "scan/result_file.h"

namespace vorlane {

// CODE is the code in upper case; PATH the list entry exactly as read.
void WriteMissingFileRecord(ResultFile& file, std::string_view path, std::int64_t lineNumber);
void WriteCodeHitRecord(ResultFile& file, std::string_view code, std::string_view path,
                        std::uint64_t position);
void WriteIlsHitRecord(ResultFile& file, std::string_view code, std::string_view path,
                       std::uint64_t position);
void WriteSummaryRecord(ResultFile& file, std::int64_t occurrences, std::string_view code);

}  // namespace vorlane
