// kalday --easter YEAR: Western Easter and Pascha of a year.
#pragma once

#include <ostream>

#include "options.h"

namespace kalday {

// Returns the exit status; a bad year is reported on err with status 2.
int PrintEaster(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace kalday
