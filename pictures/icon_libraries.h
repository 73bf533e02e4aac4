// The program's binding to the two icon libraries: ICONPACK, linked at
// build time, and the optional XTRAPICS pack, opened by file name from the
// program's folder for each single use and closed again.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace kal {

// The pack file is there but cannot be used.
class EDLLLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One picture copied out of a library, with its caption (empty when the
// library has none for the key).
struct IconPicture {
  QByteArray jpeg;
  std::string caption;
};

class IconLibraries {
 public:
  // The pack's file name in the program's folder.
  static constexpr const char* kPackFileName = "XTRAPICS.so";

  explicit IconLibraries(std::string programFolder);

  const std::string& ProgramFolder() const { return folder_; }
  std::string PackPath() const;
  bool PackPresent() const;

  // Whether ICONPACK holds a picture under key.
  bool BaseHas(uint16_t key) const;

  // Whether the pack is present and holds key + 10000. Throws EDLLLoadError
  // ("Unable to Load XTRAPICS.DLL") when the file is there but unusable.
  bool SecondIconExists(uint16_t key) const;

  // Copies the picture and caption of key: below 10000 from ICONPACK, else
  // from the pack (nullopt when the pack file is absent). A key the library
  // lacks gives empty bytes. Throws EDLLLoadError ("Unable to Load DLL")
  // when the pack file is there but unusable.
  std::optional<IconPicture> Fetch(uint16_t key) const;

 private:
  std::string folder_;
};

}  // namespace kal
