// vorlane-bench-design FILE CODE TOLERANCE: the per-offset method as first
// designed, for comparison only: the size found by reading byte by byte,
// then for every offset a seek and four single-byte reads through a stream
// buffer of 512 bytes. Prints the number of hits.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scan/code_page.h"
#include "scan/match_targets.h"
#include "scan/pack_ident.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Usage: vorlane-bench-design FILE CODE TOLERANCE\n", stderr);
    return 2;
  }
  const std::uint32_t ident = vorlane::PackIdent(vorlane::UpperCase1252(argv[2]));
  const auto tolerance = static_cast<std::uint32_t>(std::atoi(argv[3]));
  std::FILE* file = std::fopen(argv[1], "rb");
  if (!file) return 1;
  static char buffer[512];
  std::setvbuf(file, buffer, _IOFBF, sizeof buffer);
  long size = 0;
  while (std::fgetc(file) != EOF) ++size;
  long hits = 0;
  for (long j = 0; j + 4 <= size; ++j) {
    std::fseek(file, j, SEEK_SET);
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) value |= static_cast<std::uint32_t>(std::fgetc(file) & 0xFF) << (8 * k);
    hits += vorlane::WithinTolerance(value, vorlane::ShiftedTarget(ident), tolerance);
    hits += vorlane::WithinTolerance(value, vorlane::PlainTarget(ident), tolerance);
  }
  std::fclose(file);
  std::printf("%ld\n", hits);
  return 0;
}
