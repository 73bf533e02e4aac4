// The folder of the running executable: where the Bible files and the
// libraries lie, whatever the working directory.
#pragma once

#include <filesystem>

namespace kal {

// Empty when the executable's path cannot be found.
std::filesystem::path ExecutableDirectory();

}  // namespace kal
