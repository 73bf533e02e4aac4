#include "program_folder.h"

#include <system_error>

namespace kal {

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return self.parent_path();
}

}  // namespace kal
