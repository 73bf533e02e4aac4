// Figures for the icon display: decoding one 280-pixel icon, and one use of
// the day pack (load, fetch, copy, unload).
#include <QBuffer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "icon_libraries.h"
#include "jpeg_decoder.h"

namespace {

template <typename F>
double MicrosecondsPerRun(int runs, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) f(i);
  const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count() / runs;
}

}  // namespace

int main() {
  const char* dir = std::getenv("KAL_BIN_DIR");
  kal::IconLibraries libraries(dir ? dir : KAL_DEFAULT_BIN_DIR);
  if (!libraries.PackPresent()) {
    std::printf("pictures_bench: no pack in %s\n", libraries.ProgramFolder().c_str());
    return 1;
  }
  QByteArray icon = libraries.Fetch(10806)->jpeg;
  kal::TJPEGStreamDecompressor decoder;
  kal::UseMainWindowSettings(decoder);
  QImage picture;
  const double decode = MicrosecondsPerRun(300, [&](int) {
    QBuffer stream(&icon);
    stream.open(QIODevice::ReadOnly);
    decoder.Decode(stream, &picture);
  });
  std::printf("decode one %dx%d icon (float DCT, true colour): %.0f us\n", picture.width(), picture.height(),
              decode);
  std::size_t bytes = 0;
  const double use = MicrosecondsPerRun(300, [&](int i) {
    const uint16_t key = static_cast<uint16_t>(10101 + (i % 28));
    bytes += libraries.Fetch(key)->jpeg.size();
  });
  std::printf("one day-pack use (load, fetch, copy, unload): %.0f us (%zu bytes copied in all)\n", use, bytes);
  return 0;
}
