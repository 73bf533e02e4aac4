#include "loadable_library.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

// The ELF header of the module this code is linked into, put there by the
// linker: the library to be opened must match it in class, byte order and
// machine.
extern "C" const ElfW(Ehdr) __ehdr_start;

namespace kal {
namespace {

class File {
 public:
  explicit File(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~File() {
    if (fd_ >= 0) close(fd_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool Size(std::uint64_t& size) const {
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
  }
  bool ReadAt(std::uint64_t offset, void* into, std::size_t length) const {
    auto* bytes = static_cast<char*>(into);
    while (length > 0) {
      const ssize_t got = pread(fd_, bytes, length, static_cast<off_t>(offset));
      if (got <= 0) return false;
      bytes += got;
      offset += static_cast<std::uint64_t>(got);
      length -= static_cast<std::size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
};

// offset + length within size, without overflow.
bool Within(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

bool HeaderMatchesOurs(const ElfW(Ehdr)& header) {
  const ElfW(Ehdr)& ours = __ehdr_start;
  return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ours.e_ident[EI_CLASS] &&
         header.e_ident[EI_DATA] == ours.e_ident[EI_DATA] && header.e_ident[EI_VERSION] == EV_CURRENT &&
         header.e_type == ET_DYN && header.e_machine == ours.e_machine && header.e_phentsize == sizeof(ElfW(Phdr)) &&
         header.e_phnum > 0 && header.e_phnum < PN_XNUM;
}

}  // namespace

bool LooksLoadable(const std::string& path) {
  const File file(path);
  std::uint64_t size = 0;
  ElfW(Ehdr) header{};
  if (!file.Size(size) || size < sizeof header || !file.ReadAt(0, &header, sizeof header)) return false;
  if (!HeaderMatchesOurs(header)) return false;
  const std::uint64_t tableSize = std::uint64_t(header.e_phnum) * sizeof(ElfW(Phdr));
  if (!Within(header.e_phoff, tableSize, size)) return false;
  std::vector<ElfW(Phdr)> segments(header.e_phnum);
  if (!file.ReadAt(header.e_phoff, segments.data(), tableSize)) return false;
  bool anyLoadable = false;
  for (const ElfW(Phdr)& segment : segments) {
    if (segment.p_type != PT_LOAD && segment.p_type != PT_DYNAMIC) continue;
    if (segment.p_filesz > segment.p_memsz || !Within(segment.p_offset, segment.p_filesz, size)) return false;
    anyLoadable = anyLoadable || segment.p_type == PT_LOAD;
  }
  return anyLoadable;
}

}  // namespace kal
