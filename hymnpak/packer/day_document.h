// Turns one day of the hymn sources into the RTF document the library carries.
#pragma once

#include <string>

#include "hymn_source.h"

namespace hymnpak {

std::string dayDocumentRtf(const Day& day);

}  // namespace hymnpak
