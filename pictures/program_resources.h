// Raw-data resources of the program itself: the splash picture (5001).
#pragma once

#include <cstddef>
#include <cstdint>

namespace kal {

inline constexpr uint16_t kSplashResource = 5001;

struct ProgramResource {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};

// The resource with the given id, or an empty one.
ProgramResource FindProgramResource(uint16_t id);

}  // namespace kal
