// The three exports of an icon library over the resource table that the
// drawing tool generates for it (kIconEntries, sorted by key).
#include <algorithm>

#include "icon_library.h"

extern "C" {
extern const IconResourceEntry kIconEntries[];
extern const uint32_t kIconEntriesCount;
}

namespace {

// Calls between the exports stay inside this library: both icon libraries
// export the same names, and the host has one of them linked already.
const IconLibraryInstance& Instance() {
  static const IconLibraryInstance instance{KAL_ICON_LIBRARY_MAGIC, kIconEntriesCount, kIconEntries};
  return instance;
}

const IconResourceEntry* Find(const uint16_t* key) {
  if (key == nullptr) return nullptr;
  const IconResourceEntry* begin = kIconEntries;
  const IconResourceEntry* end = kIconEntries + kIconEntriesCount;
  const IconResourceEntry* it = std::lower_bound(
      begin, end, *key, [](const IconResourceEntry& e, uint16_t k) { return e.key < k; });
  return (it != end && it->key == *key) ? it : nullptr;
}

}  // namespace

extern "C" {

KAL_ICON_EXPORT const IconLibraryInstance* GetMultInstance(void) { return &Instance(); }

KAL_ICON_EXPORT const IconResourceEntry* FindMultJpgResource(const uint16_t* key) { return Find(key); }

KAL_ICON_EXPORT const unsigned char* LoadMultJpgFromResource(const uint16_t* key) {
  const IconResourceEntry* entry = Find(key);
  return entry ? entry->data : nullptr;
}

}  // extern "C"
