#include "platform/resources.h"

#include <cstdio>
#include <cstdlib>

namespace {

template <class Resource>
const Resource& FindById(std::span<const Resource> resources, UINT id, const char* kind) {
  for (const Resource& resource : resources) {
    if (resource.id == id) return resource;
  }
  std::fprintf(stderr, "the program has no %s resource %u\n", kind, id);
  std::abort();
}

}  // namespace

const MenuTemplate& FindMenu(UINT id) { return FindById(ProgramResources().menus, id, "menu"); }

const DialogTemplate& FindDialogTemplate(UINT id) {
  return FindById(ProgramResources().dialogs, id, "dialog");
}

const IconTemplate& FindIcon(UINT id) { return FindById(ProgramResources().icons, id, "icon"); }
