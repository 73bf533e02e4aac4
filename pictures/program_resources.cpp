#include "program_resources.h"

#include "icon_library.h"

extern "C" {
extern const IconResourceEntry kProgramResources[];
extern const uint32_t kProgramResourcesCount;
}

namespace kal {

ProgramResource FindProgramResource(uint16_t id) {
  for (uint32_t i = 0; i < kProgramResourcesCount; ++i)
    if (kProgramResources[i].key == id) return {kProgramResources[i].data, kProgramResources[i].size};
  return {};
}

}  // namespace kal
