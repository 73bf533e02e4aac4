#include "icon_resources.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace kal {
namespace {

bool Valid(const IconLibraryInstance* instance) {
  return instance != nullptr && instance->magic == KAL_ICON_LIBRARY_MAGIC &&
         (instance->count == 0 || instance->entries != nullptr);
}

}  // namespace

uint32_t SizeofIconResource(const IconLibraryInstance* instance, const IconResourceEntry* resource) {
  if (!Valid(instance) || resource == nullptr) return 0;
  const IconResourceEntry* begin = instance->entries;
  const IconResourceEntry* end = begin + instance->count;
  // A handle is only trusted when it points at one of this instance's entries.
  if (std::less<const IconResourceEntry*>()(resource, begin) ||
      !std::less<const IconResourceEntry*>()(resource, end))
    return 0;
  return resource->size;
}

std::size_t LoadIconString(const IconLibraryInstance* instance, uint16_t key, char* buffer,
                           std::size_t bufferSize) {
  if (buffer == nullptr || bufferSize == 0) return 0;
  buffer[0] = '\0';
  if (!Valid(instance)) return 0;
  const IconResourceEntry* begin = instance->entries;
  const IconResourceEntry* end = begin + instance->count;
  const IconResourceEntry* it = std::lower_bound(
      begin, end, key, [](const IconResourceEntry& e, uint16_t k) { return e.key < k; });
  if (it == end || it->key != key || it->caption == nullptr) return 0;
  std::size_t length = std::min(std::strlen(it->caption), bufferSize - 1);
  std::memcpy(buffer, it->caption, length);
  buffer[length] = '\0';
  return length;
}

}  // namespace kal
