// TJPEGStreamDecompressor: decodes a JPEG held in a stream into a picture,
// through libjpeg, with the program's settings for DCT, dithering, smoothing
// and greyscale output.
#pragma once

#include <QIODevice>
#include <QImage>
#include <cstdio>
#include <functional>
#include <jpeglib.h>
#include <stdexcept>
#include <string>

namespace kal {

// Decoding failed: the text is libjpeg's formatted message or ours.
class EJPEGError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TJPEGStreamDecompressor {
 public:
  // Settings copied into libjpeg's parameters after the header is read.
  J_DCT_METHOD DCTMethod = JDCT_ISLOW;
  J_DITHER_MODE DitherMode = JDITHER_FS;
  bool TwoPassQuantize = true;
  bool DoFancyUpSampling = true;
  bool DoBlockSmoothing = true;
  bool GrayScaleOutput = false;
  int Trace_Level = 0;

  // Pictures above this many pixels are refused before any memory is taken.
  // A header can claim up to 65535 x 65535; the program shows icons of about
  // 200 x 280 and a splash of 371 x 450, so four megapixels leaves ample room
  // while a false claim costs at most 16 MB.
  static constexpr std::size_t kMaxPixels = std::size_t(1) << 22;
  std::size_t MaxPixels = kMaxPixels;

  // Receives warnings (the first of each picture, or every one above trace
  // level 2) and trace messages; the shell shows them in a warning box.
  using MessageSink = std::function<void(const std::string&)>;
  void SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }

  // Polled after each row; true aborts the decoding with "User Interrupt".
  void SetInterruptCheck(std::function<bool()> check) { interrupt_ = std::move(check); }

  // Decodes from the stream's current position into picture. Throws
  // EJPEGError ("The Image Property is empty!" when picture is null); on
  // failure the picture keeps its former content.
  void Decode(QIODevice& stream, QImage* picture);
  // The same without a picture: returns the decoded bitmap.
  QImage DecodeToBitmap(QIODevice& stream);

  // Warnings libjpeg raised during the last decoding.
  int WarningCount() const { return warnings_; }

  // The 64 grey levels of greyscale output: sample >> 2 indexes this table.
  static QList<QRgb> GreyPalette();

  // Hands a message to the sink (called from libjpeg's message routine).
  void Emit(const char* message) const;

 private:
  MessageSink sink_;
  std::function<bool()> interrupt_;
  int warnings_ = 0;
};

// The settings of the main window's and the splash screen's decoders.
void UseMainWindowSettings(TJPEGStreamDecompressor& decoder);
void UseSplashSettings(TJPEGStreamDecompressor& decoder);

}  // namespace kal
