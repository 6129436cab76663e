// The records of the result file, one writer per kind. Each forms its record
// whole (CR LF line ends) and hands it to the sink in one piece.
#pragma once

#include <cstdint>
#include <string_view>

#include "scan/record_sink.h"

namespace vorlane {

// CODE is the code in upper case; PATH the list entry exactly as read.
void WriteMissingFileRecord(RecordSink& sink, std::string_view path, std::int64_t lineNumber);
void WriteCodeHitRecord(RecordSink& sink, std::string_view code, std::string_view path,
                        std::uint64_t position);
void WriteIlsHitRecord(RecordSink& sink, std::string_view code, std::string_view path,
                       std::uint64_t position);
void WriteSummaryRecord(RecordSink& sink, std::int64_t occurrences, std::string_view code);

}  // namespace vorlane
