#include "examples/synthetic_scenery.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vorlane::examples {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;

// splitmix64: small, fast and the same on every machine.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }

 private:
  std::uint64_t state_;
};

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A random ident of four letters packed in base 38, as a record stores it.
std::uint32_t RandomIdent(Random& random) {
  std::uint32_t ident = 0;
  for (int i = 0; i < 4; ++i) ident = ident * 38 + 12 + random.Below(26);
  return ident;
}

// One record: a type, its size, then fields of the kinds scenery holds.
void AppendRecord(std::vector<std::uint8_t>& out, Random& random) {
  const std::size_t start = out.size();
  Put16(out, static_cast<std::uint16_t>(random.Below(0x40)));
  Put32(out, 0);  // size, patched below
  const std::uint32_t fields = 2 + random.Below(12);
  for (std::uint32_t f = 0; f < fields; ++f) {
    switch (random.Below(6)) {
      case 0: Put16(out, static_cast<std::uint16_t>(random.Below(100))); break;
      case 1: Put32(out, random.Below(1000)); break;
      case 2:  // packed longitude and latitude
        Put32(out, random.Below(0x30000000) + 0x08000000);
        Put32(out, random.Below(0x20000000) + 0x10000000);
        break;
      case 3: out.insert(out.end(), 4 + random.Below(28), 0); break;
      case 4: Put32(out, RandomIdent(random) << 5 | random.Below(32)); break;
      default: Put32(out, static_cast<std::uint32_t>(random.Next())); break;
    }
  }
  const auto size = static_cast<std::uint32_t>(out.size() - start);
  std::memcpy(out.data() + start + 2, &size, sizeof size);  // little-endian hosts only
}

std::vector<std::uint8_t> Header(std::uint64_t size) {
  std::vector<std::uint8_t> header = {'V', 'L', 'N', 'S'};  // our own magic
  Put32(header, 1);                                     // format version
  Put32(header, static_cast<std::uint32_t>(size));      // size, low half
  Put32(header, static_cast<std::uint32_t>(size >> 32));
  header.insert(header.end(), 16, 0);
  return header;
}

class ChunkWriter {
 public:
  explicit ChunkWriter(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}
  ~ChunkWriter() {
    if (file_) std::fclose(file_);
  }
  bool Write(const std::uint8_t* data, std::size_t size) {
    return file_ && std::fwrite(data, 1, size, file_) == size;
  }
  bool Close() {
    const bool ok = file_ && std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
};

}  // namespace

bool WriteSyntheticScenery(const std::string& path, std::uint64_t size, std::uint64_t seed,
                           const std::vector<Plant>& plants) {
  Random random(seed);
  ChunkWriter writer(path);
  std::vector<std::uint8_t> chunk = Header(size);
  std::uint64_t written = 0;
  while (written < size) {
    while (chunk.size() < kChunk) AppendRecord(chunk, random);
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, size - written));
    for (const Plant& plant : plants) {
      for (int i = 0; i < 4; ++i) {
        const std::uint64_t at = plant.offset + i;
        if (at >= written && at < written + take) chunk[at - written] = static_cast<std::uint8_t>(plant.value >> (8 * i));
      }
    }
    if (!writer.Write(chunk.data(), take)) return false;
    written += take;
    chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(take));
  }
  return writer.Close();
}

bool WriteRandomBytes(const std::string& path, std::uint64_t size, std::uint64_t seed) {
  Random random(seed);
  ChunkWriter writer(path);
  const std::unique_ptr<std::uint8_t[]> chunk(new std::uint8_t[kChunk]);
  for (std::uint64_t written = 0; written < size;) {
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, size - written));
    for (std::size_t i = 0; i < take; i += 8) {
      const std::uint64_t word = random.Next();
      std::memcpy(chunk.get() + i, &word, std::min<std::size_t>(8, take - i));
    }
    if (!writer.Write(chunk.get(), take)) return false;
    written += take;
  }
  return writer.Close();
}

bool WriteZeroBytes(const std::string& path, std::uint64_t size) {
  ChunkWriter writer(path);
  const std::vector<std::uint8_t> zeros(kChunk, 0);
  for (std::uint64_t written = 0; written < size;) {
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, size - written));
    if (!writer.Write(zeros.data(), take)) return false;
    written += take;
  }
  return writer.Close();
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  ChunkWriter writer(path);
  return writer.Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()) && writer.Close();
}

}  // namespace vorlane::examples
