// The host's resource layer over an icon library's instance handle: the size
// of a picture resource and its caption, as the host reads them after
// FindMultJpgResource.
#pragma once

#include <cstddef>
#include <cstdint>

#include "icon_library.h"

namespace kal {

// The size in bytes of a resource handle that FindMultJpgResource returned
// within this instance; 0 when the handle does not belong to the instance.
uint32_t SizeofIconResource(const IconLibraryInstance* instance, const IconResourceEntry* resource);

// Copies the caption stored under key into buffer (at most bufferSize - 1
// characters, always terminated) and returns its length; 0 with an empty
// buffer when the library has no caption for the key.
std::size_t LoadIconString(const IconLibraryInstance* instance, uint16_t key, char* buffer,
                           std::size_t bufferSize);

// Buffer size the program reads captions into.
inline constexpr std::size_t kCaptionBufferSize = 256;

}  // namespace kal
