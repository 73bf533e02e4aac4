// A look at a shared object's ELF headers before it is opened. dlopen maps
// each loadable segment straight from the file, so a file cut short (an
// interrupted copy, a damaged disk) maps pages past its end and the first
// touch of one kills the program with SIGBUS. Checking that the file holds
// everything its headers promise turns that into an ordinary "cannot load".
#pragma once

#include <string>

namespace kal {

// True when path is an ELF shared object for this machine whose program
// headers and every loadable segment's bytes lie within the file.
bool LooksLoadable(const std::string& path);

}  // namespace kal
