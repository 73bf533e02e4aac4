#include "marker_index.h"

namespace kal {

FileIdentity FileIdentity::Of(const struct stat& info) {
  FileIdentity file;
  file.device = info.st_dev;
  file.inode = info.st_ino;
  file.size = info.st_size;
  file.modified = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
  file.changed = info.st_ctim.tv_sec * 1000000000LL + info.st_ctim.tv_nsec;
  return file;
}

std::shared_ptr<MarkerIndex> MarkerIndexCache::For(const FileIdentity& file) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->first == file) {
      entries_.splice(entries_.begin(), entries_, it);
      return entries_.front().second;
    }
  }
  entries_.emplace_front(file, std::make_shared<MarkerIndex>());
  if (entries_.size() > kFiles) entries_.pop_back();
  return entries_.front().second;
}

}  // namespace kal
