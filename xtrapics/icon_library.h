// The icon-library interface shared by XTRAPICS and ICONPACK.
//
// An icon library carries JPEG pictures and their captions, each under a
// 16-bit icon key, and exports three functions. The pictures stay inside the
// library: the exports hand out addresses of the bytes in place, valid while
// the library is loaded. Sizes and captions are read through the instance
// handle with the small resource layer in icon_resources.h.
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#define KAL_ICON_EXPORT __declspec(dllexport)
#else
#define KAL_ICON_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// One picture with its caption. Entries are sorted by key.
typedef struct IconResourceEntry {
  uint16_t key;
  uint32_t size;               // bytes of JPEG data
  const unsigned char* data;   // complete JFIF file, read-only
  const char* caption;         // 8-bit text, at most 255 characters, or null
} IconResourceEntry;

// What GetMultInstance returns: the library's table of resources.
typedef struct IconLibraryInstance {
  uint32_t magic;              // kIconLibraryMagic
  uint32_t count;
  const IconResourceEntry* entries;
} IconLibraryInstance;

#define KAL_ICON_LIBRARY_MAGIC 0x4B49434Fu  /* "KICO" */

// Ordinals 1 to 3 of the interface, looked up by these names.
typedef const IconLibraryInstance* (*GetMultInstanceFn)(void);
typedef const IconResourceEntry* (*FindMultJpgResourceFn)(const uint16_t* key);
typedef const unsigned char* (*LoadMultJpgFromResourceFn)(const uint16_t* key);

// ICONPACK is linked at build time through these declarations; XTRAPICS is
// reached through dlsym with the pointer types above.
KAL_ICON_EXPORT const IconLibraryInstance* GetMultInstance(void);
KAL_ICON_EXPORT const IconResourceEntry* FindMultJpgResource(const uint16_t* key);
KAL_ICON_EXPORT const unsigned char* LoadMultJpgFromResource(const uint16_t* key);

#ifdef __cplusplus
}
#endif
