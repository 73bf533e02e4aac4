#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include "icon_library.h"
#include "icon_resources.h"

namespace kaltest {

std::string ProgramFolder() {
  const char* dir = std::getenv("KAL_BIN_DIR");
  return dir ? dir : KAL_DEFAULT_BIN_DIR;
}

QByteArray BasePicture(uint16_t key) {
  const IconResourceEntry* entry = FindMultJpgResource(&key);
  const uint32_t size = kal::SizeofIconResource(GetMultInstance(), entry);
  return QByteArray(reinterpret_cast<const char*>(LoadMultJpgFromResource(&key)), size);
}

QByteArray EncodeForTest(const QImage& source, bool greyscale, int quality, bool progressive) {
  const QImage image = source.convertToFormat(greyscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = image.width();
  cinfo.image_height = image.height();
  cinfo.input_components = greyscale ? 1 : 3;
  cinfo.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

QImage DecodeWithDjpeg(const QByteArray& jpeg, const std::string& options) {
  QTemporaryDir dir;
  const QString in = dir.filePath("in.jpg");
  QFile file(in);
  if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) return {};
  file.close();
  QProcess djpeg;
  QStringList args = QString::fromStdString(options).split(' ', Qt::SkipEmptyParts);
  args << "-pnm" << in;
  djpeg.start("djpeg", args);
  if (!djpeg.waitForFinished(10000) || djpeg.exitCode() != 0) return {};
  const QByteArray out = djpeg.readAllStandardOutput();
  // PNM header: magic, width, height, maxval, each followed by white space.
  int fields[3] = {0, 0, 0};
  qsizetype pos = 2;
  for (int& field : fields) {
    while (pos < out.size() && isspace(static_cast<unsigned char>(out[pos]))) ++pos;
    while (pos < out.size() && isdigit(static_cast<unsigned char>(out[pos]))) field = field * 10 + (out[pos++] - '0');
  }
  ++pos;
  const bool grey = out.startsWith("P5");
  QImage image(fields[0], fields[1], grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
  const int rowBytes = fields[0] * (grey ? 1 : 3);
  if (out.size() < pos + qsizetype(rowBytes) * fields[1]) return {};
  for (int y = 0; y < fields[1]; ++y) memcpy(image.scanLine(y), out.constData() + pos + qsizetype(y) * rowBytes, rowBytes);
  return image;
}

}  // namespace kaltest
