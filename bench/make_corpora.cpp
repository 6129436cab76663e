// vorlane-bench-corpora DIR: writes the benchmark's corpora under DIR, each
// only when it is not there yet: 1 GiB of random bytes, 1 GiB of BGL-like
// bytes with planted idents, about 4,000 BGL-like files of 16 KiB to 8 MiB
// (1 GiB in all), zero files of 4 and 16 MiB, a 16 MiB BGL-like sample, and
// lists of 10,000 and 100,000 missing entries. Every corpus has a list file
// naming it. A corpus is written under a temporary name and renamed when
// complete, so an interrupted build is redone next time.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "examples/synthetic_scenery.h"
#include "scan/pack_ident.h"

namespace {

using vorlane::examples::Plant;
using vorlane::examples::WriteTextFile;
using vorlane::examples::WriteZeroBytes;

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

bool Exists(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

// Runs make on path + ".part", then renames it to path; skips it when path exists.
bool Build(const std::string& path, const std::function<bool(const std::string&)>& make) {
  if (Exists(path)) return true;
  std::fprintf(stderr, "vorlane-bench-corpora: writing %s\n", path.c_str());
  const std::string part = path + ".part";
  return make(part) && std::rename(part.c_str(), path.c_str()) == 0;
}

// Both targets of the benchmark's codes, some one above as compilers store
// them, spread over the file at offsets that never overlap: one per 5 MiB,
// at least one and at most 200.
std::vector<Plant> Plants(std::uint64_t size, std::uint64_t seed) {
  std::vector<std::uint32_t> values;
  for (const char* code : {"EDDF", "KPDX", "A"}) {
    const std::uint32_t ident = vorlane::PackIdent(code);
    for (std::uint32_t nudge : {0u, 1u}) {
      values.push_back(vorlane::ShiftedTarget(ident) + nudge);
      values.push_back(vorlane::PlainTarget(ident) + nudge);
    }
  }
  std::vector<Plant> plants;
  const std::uint64_t slots = size / 64;
  std::mt19937_64 random(seed);
  const std::uint64_t count = std::clamp<std::uint64_t>(size / (5 * kMiB), 1, 200);
  for (std::uint64_t k = 0; k < count; ++k) {
    plants.push_back({(random() % slots) * 64 + 16, values[(seed + k) % values.size()]});
  }
  std::sort(plants.begin(), plants.end(), [](const Plant& a, const Plant& b) { return a.offset < b.offset; });
  plants.erase(std::unique(plants.begin(), plants.end(),
                           [](const Plant& a, const Plant& b) { return a.offset == b.offset; }),
               plants.end());
  return plants;
}

bool Scenery(const std::string& path, std::uint64_t size, std::uint64_t seed) {
  return vorlane::examples::WriteSyntheticScenery(path, size, seed, Plants(size, seed));
}

// Sizes from 16 KiB to 8 MiB, mostly small as in a scenery library, scaled
// to add up to about 1 GiB.
std::vector<std::uint64_t> ManySizes() {
  constexpr std::size_t kFiles = 4000;
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> raw(kFiles);
  double total = 0;
  for (double& size : raw) {
    size = 16.0 * 1024 * std::pow(2.0, 9.0 * std::pow(unit(random), 6.0));
    total += size;
  }
  std::vector<std::uint64_t> sizes;
  for (const double size : raw) {
    sizes.push_back(std::clamp<std::uint64_t>(static_cast<std::uint64_t>(size * kGiB / total), 16 << 10, 8 * kMiB));
  }
  return sizes;
}

bool Many(const std::string& dir) {
  ::mkdir(dir.c_str(), 0777);
  std::string list;
  const std::vector<std::uint64_t> sizes = ManySizes();
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "f%04zu.bgl", i);
    if (!Build(dir + "/" + name, [&](const std::string& path) { return Scenery(path, sizes[i], 1000 + i); })) {
      return false;
    }
    list += std::string(i ? "\n" : "") + name;
  }
  return WriteTextFile(dir + "/list.txt", list);
}

std::string MissingList(std::size_t entries) {
  std::string list;
  for (std::size_t i = 0; i < entries; ++i) {
    char line[40];
    std::snprintf(line, sizeof line, "%sabsent/addon%06zu.bgl", i ? "\n" : "", i);
    list += line;
  }
  return list;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: vorlane-bench-corpora DIR\n", stderr);
    return 2;
  }
  const std::string dir = argv[1];
  ::mkdir(dir.c_str(), 0777);
  struct Corpus {
    const char* name;
    std::function<bool(const std::string&)> make;
  };
  const std::vector<Corpus> files = {
      {"random.bin", [](const std::string& p) { return vorlane::examples::WriteRandomBytes(p, kGiB, 1); }},
      {"bgl.bgl", [](const std::string& p) { return Scenery(p, kGiB, 2); }},
      {"sample16.bgl", [](const std::string& p) { return Scenery(p, 16 * kMiB, 3); }},
      {"zeros4.bin", [](const std::string& p) { return WriteZeroBytes(p, 4 * kMiB); }},
      {"zeros16.bin", [](const std::string& p) { return WriteZeroBytes(p, 16 * kMiB); }},
  };
  bool ok = true;
  for (const Corpus& corpus : files) {
    const std::string base = std::string(corpus.name).substr(0, std::string(corpus.name).find('.'));
    ok = ok && Build(dir + "/" + corpus.name, corpus.make) &&
         WriteTextFile(dir + "/" + base + ".txt", corpus.name);
  }
  ok = ok && Many(dir + "/many");
  ok = ok && WriteTextFile(dir + "/missing10k.txt", MissingList(10000)) &&
       WriteTextFile(dir + "/missing100k.txt", MissingList(100000));
  if (!ok) {
    std::fprintf(stderr, "vorlane-bench-corpora: cannot write the corpora under %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
