#include "jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

#include "variation.h"

namespace icons {

void AddGrain(QImage& image, uint64_t seed, int amplitude) {
  Variation v(seed ^ 0xA5A5A5A5u);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int d = v.Below(2 * amplitude + 1) - amplitude;
      const QRgb c = row[x];
      row[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                    std::clamp(qBlue(c) + d, 0, 255));
    }
  }
}

QByteArray EncodeJpeg(const QImage& source, int quality) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);  // errors here are programming faults: libjpeg exits
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // JFIF header, 2x2 chroma subsampling, baseline
  cinfo.density_unit = 1;
  cinfo.X_density = 96;
  cinfo.Y_density = 96;
  cinfo.dct_method = JDCT_ISLOW;
  jpeg_set_quality(&cinfo, quality, TRUE);
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

QByteArray EncodeJpegWithin(const QImage& image, int minBytes, int maxBytes) {
  QByteArray best;
  int quality = 90;
  for (; quality >= 40; quality -= 3) {
    best = EncodeJpeg(image, quality);
    if (best.size() <= maxBytes) break;
  }
  // A plain picture may come out too small: spend more on its detail.
  for (quality += 2; best.size() < minBytes && quality <= 98; quality += 2) {
    QByteArray finer = EncodeJpeg(image, quality);
    if (finer.size() > maxBytes) break;
    best = finer;
  }
  return best;
}

}  // namespace icons
