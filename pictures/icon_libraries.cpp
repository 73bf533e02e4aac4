#include "icon_libraries.h"

#include <dlfcn.h>
#include <filesystem>

#include "icon_library.h"
#include "icon_resources.h"
#include "loadable_library.h"

namespace kal {
namespace {

struct PackExports {
  GetMultInstanceFn instance = nullptr;
  FindMultJpgResourceFn find = nullptr;
  LoadMultJpgFromResourceFn load = nullptr;
};

// One use of the pack: opened here, closed when the use ends, also when a
// step fails.
class PackUse {
 public:
  PackUse(const std::string& path, const char* failureText) {
    if (!LooksLoadable(path)) throw EDLLLoadError(failureText);
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) throw EDLLLoadError(failureText);
    exports_.instance = reinterpret_cast<GetMultInstanceFn>(dlsym(handle_, "GetMultInstance"));
    exports_.find = reinterpret_cast<FindMultJpgResourceFn>(dlsym(handle_, "FindMultJpgResource"));
    exports_.load = reinterpret_cast<LoadMultJpgFromResourceFn>(dlsym(handle_, "LoadMultJpgFromResource"));
    if (!exports_.instance || !exports_.find || !exports_.load) {
      // A library without the interface is as unusable as one that fails to
      // load; the icon on display stays as it is.
      dlclose(handle_);
      throw EDLLLoadError(failureText);
    }
  }
  ~PackUse() { dlclose(handle_); }
  PackUse(const PackUse&) = delete;
  PackUse& operator=(const PackUse&) = delete;

  const PackExports& Exports() const { return exports_; }

 private:
  void* handle_ = nullptr;
  PackExports exports_;
};

IconPicture Copy(const IconLibraryInstance* instance, const IconResourceEntry* resource, const unsigned char* bytes,
                 uint16_t key) {
  IconPicture picture;
  const uint32_t size = SizeofIconResource(instance, resource);
  if (bytes != nullptr && size > 0) picture.jpeg = QByteArray(reinterpret_cast<const char*>(bytes), size);
  char caption[kCaptionBufferSize];
  picture.caption.assign(caption, LoadIconString(instance, key, caption, sizeof caption));
  return picture;
}

}  // namespace

IconLibraries::IconLibraries(std::string programFolder) : folder_(std::move(programFolder)) {}

std::string IconLibraries::PackPath() const { return (std::filesystem::path(folder_) / kPackFileName).string(); }

bool IconLibraries::PackPresent() const {
  std::error_code ec;
  return std::filesystem::is_regular_file(PackPath(), ec);
}

bool IconLibraries::BaseHas(uint16_t key) const { return FindMultJpgResource(&key) != nullptr; }

bool IconLibraries::SecondIconExists(uint16_t key) const {
  if (!PackPresent()) return false;
  PackUse use(PackPath(), "Unable to Load XTRAPICS.DLL");
  const uint16_t second = static_cast<uint16_t>(key + 10000);
  return use.Exports().find(&second) != nullptr;
}

std::optional<IconPicture> IconLibraries::Fetch(uint16_t key) const {
  if (key < 10000) {
    const IconResourceEntry* resource = FindMultJpgResource(&key);
    return Copy(GetMultInstance(), resource, LoadMultJpgFromResource(&key), key);
  }
  if (!PackPresent()) return std::nullopt;
  PackUse use(PackPath(), "Unable to Load DLL");
  const PackExports& pack = use.Exports();
  const IconResourceEntry* resource = pack.find(&key);
  return Copy(pack.instance(), resource, pack.load(&key), key);
}

}  // namespace kal
