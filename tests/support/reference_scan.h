// The scan written out plainly, as the tests' yardstick: one 4-byte window at
// every offset, compared in 64-bit arithmetic, records formed with printf.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane::testing {

// The records that scanning `bytes` as list entry `path` writes for the code
// (any case) and the tolerance; no missing-file record.
std::string ReferenceHitRecords(std::string_view bytes, std::string_view code, int tolerance,
                                std::string_view path, std::int64_t* hits = nullptr);

// Base 38 over " *0123456789A..Z", digit by digit.
std::uint32_t ReferencePack(std::string_view upperCode);

std::string CodeHitRecord(std::string_view upperCode, std::string_view path, std::uint64_t position);
std::string IlsHitRecord(std::string_view upperCode, std::string_view path, std::uint64_t position);
std::string MissingRecord(std::string_view path, std::int64_t lineNumber);
std::string SummaryRecord(std::int64_t occurrences, std::string_view upperCode);

}  // namespace vorlane::testing
