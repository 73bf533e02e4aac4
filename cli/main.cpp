#include <exception>
#include <iostream>

#include "date_args.h"
#include "kal_version.h"
#include "kalday.h"

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
      std::cout << "kalday " KAL_VERSION "\n";
      return 0;
    }
    return kalday::RunKalday(args, std::cout, std::cerr, kalday::Today());
  } catch (const std::exception& e) {
    std::cerr << "kalday: " << e.what() << "\n";
    return 1;
  }
}
