// vorlane-make-examples DIR: writes a few small synthetic scenery files under
// DIR/scenery and a list file DIR/list.txt that names them by relative paths,
// one of them missing, so that a run shows every kind of record.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "examples/synthetic_scenery.h"
#include "scan/pack_ident.h"

namespace {

using vorlane::PackIdent;
using vorlane::PlainTarget;
using vorlane::ShiftedTarget;
using vorlane::examples::Plant;
using vorlane::examples::WriteSyntheticScenery;

struct ExampleFile {
  const char* name;
  std::uint64_t size;
  std::vector<Plant> plants;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: vorlane-make-examples DIR\n", stderr);
    return 2;
  }
  const std::string dir = argv[1];
  const std::uint32_t eddf = PackIdent("EDDF");
  const std::uint32_t kpdx = PackIdent("KPDX");
  // Compilers round some stored idents, so a few plants sit one above the target.
  const std::vector<ExampleFile> files = {
      {"eddf_airport.bgl", 24 << 10, {{0x40, ShiftedTarget(eddf)}, {0x1A2B, ShiftedTarget(eddf) + 1}}},
      {"eddf_ils.bgl", 12 << 10, {{0x100, PlainTarget(eddf)}, {0x2F00, PlainTarget(eddf) + 1}}},
      {"kpdx_airport.bgl", 300 << 10, {{0x4000A, ShiftedTarget(kpdx)}, {0x3FFFE, PlainTarget(kpdx)}}},
      {"stub.bgl", 3, {}},
  };

  ::mkdir(dir.c_str(), 0777);
  const std::string scenery = dir + "/scenery";
  ::mkdir(scenery.c_str(), 0777);
  std::string list;
  std::uint64_t seed = 2026;
  for (const ExampleFile& file : files) {
    if (!WriteSyntheticScenery(scenery + "/" + file.name, file.size, seed++, file.plants)) {
      std::fprintf(stderr, "vorlane-make-examples: cannot write %s/%s\n", scenery.c_str(), file.name);
      return 1;
    }
    list += std::string("scenery/") + file.name + "\n";
  }
  list += "scenery/uninstalled_addon.bgl\n";

  if (!vorlane::examples::WriteTextFile(dir + "/list.txt", list)) {
    std::fprintf(stderr, "vorlane-make-examples: cannot write %s/list.txt\n", dir.c_str());
    return 1;
  }
  return 0;
}
