// Synthetic scenery files of our own making: a small header and a stream of
// records that look like compiled scenery (small integers, coordinates, zero
// runs, idents), with chosen 32-bit values planted at chosen offsets. Used for
// the bundled example and for the benchmark corpora.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane::examples {

struct Plant {
  std::uint64_t offset;
  std::uint32_t value;  // stored little-endian
};

// Writes `size` bytes to path, the same bytes for the same seed; plants must
// lie inside the file and not overlap. Returns false when writing fails.
bool WriteSyntheticScenery(const std::string& path, std::uint64_t size, std::uint64_t seed,
                           const std::vector<Plant>& plants);

// Writes `size` uniformly random bytes.
bool WriteRandomBytes(const std::string& path, std::uint64_t size, std::uint64_t seed);

// Writes `size` zero bytes.
bool WriteZeroBytes(const std::string& path, std::uint64_t size);

// Writes the text as it is, byte for byte (a list file, say).
bool WriteTextFile(const std::string& path, const std::string& text);

}  // namespace vorlane::examples
