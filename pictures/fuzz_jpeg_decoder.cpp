// libFuzzer target: the JPEG decoder over arbitrary bytes must fail cleanly
// (an EJPEGError) or produce a picture, never crash or leak.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  kal::TJPEGStreamDecompressor decoder;
  kal::UseMainWindowSettings(decoder);
  // Exercise the greyscale path as well, chosen by the first byte's low bit.
  decoder.GrayScaleOutput = size > 0 && (data[size - 1] & 1);
  int messages = 0;
  decoder.SetMessageSink([&messages](const std::string&) { ++messages; });
  try {
    QImage picture;
    decoder.Decode(stream, &picture);
  } catch (const kal::EJPEGError&) {
  }
  return 0;
}
