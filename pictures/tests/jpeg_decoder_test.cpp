#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

#include "icon_library.h"
#include "jpeg_decoder.h"
#include "test_support.h"

namespace {

using kal::EJPEGError;
using kal::TJPEGStreamDecompressor;

struct Decoded {
  QImage image;
  std::vector<std::string> messages;
  int warnings = 0;
};

Decoded DecodeBytes(const QByteArray& bytes, TJPEGStreamDecompressor decoder = {}) {
  Decoded result;
  decoder.SetMessageSink([&](const std::string& m) { result.messages.push_back(m); });
  QByteArray copy = bytes;
  QBuffer stream(&copy);
  stream.open(QIODevice::ReadOnly);
  decoder.Decode(stream, &result.image);
  result.warnings = decoder.WarningCount();
  return result;
}

std::string DecodeError(const QByteArray& bytes, TJPEGStreamDecompressor decoder = {}) {
  try {
    DecodeBytes(bytes, std::move(decoder));
  } catch (const EJPEGError& e) {
    return e.what();
  }
  return "(no error)";
}

// A picture with gradients and edges, so that lost data shows.
QImage TestPattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x * y) % 256));
  return image;
}

int MaxDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

TEST(JpegDecoder, DecodesAnIconToTrueColour) {
  const QByteArray jpeg = kaltest::BasePicture(1225);
  ASSERT_FALSE(jpeg.isEmpty());
  Decoded d = DecodeBytes(jpeg);
  EXPECT_EQ(d.image.format(), QImage::Format_RGB888);
  EXPECT_EQ(d.image.height(), 280);
  EXPECT_EQ(d.warnings, 0);
  EXPECT_TRUE(d.messages.empty());
}

TEST(JpegDecoder, TruncatedPictureDecodesToTheEndWithOneWarning) {
  const QByteArray whole = kaltest::BasePicture(806);
  const QByteArray half = whole.left(whole.size() / 2);
  Decoded d = DecodeBytes(half);
  EXPECT_EQ(d.image.size(), DecodeBytes(whole).image.size());
  EXPECT_GE(d.warnings, 1);
  ASSERT_EQ(d.messages.size(), 1u) << "the premature end is shown once";
  EXPECT_NE(d.messages[0].find("Premature end of JPEG file"), std::string::npos) << d.messages[0];
}

TEST(JpegDecoder, TraceLevelAboveTwoShowsEveryWarning) {
  QByteArray corrupt = kaltest::BasePicture(815);
  // Garble the entropy-coded data so that libjpeg warns more than once.
  for (qsizetype i = corrupt.size() / 3; i < corrupt.size() - 2; i += 97) {
    const char garbled = char(corrupt[i] ^ 0x3C);
    if (corrupt[i] != char(0xFF) && corrupt[i - 1] != char(0xFF) && garbled != char(0xFF)) corrupt[i] = garbled;
  }
  TJPEGStreamDecompressor quiet, loud;
  loud.Trace_Level = 3;
  Decoded a = DecodeBytes(corrupt, quiet);
  Decoded b = DecodeBytes(corrupt, loud);
  ASSERT_GT(a.warnings, 1);
  EXPECT_EQ(a.messages.size(), 1u);
  EXPECT_GE(b.messages.size(), static_cast<std::size_t>(b.warnings));
}

TEST(JpegDecoder, FailuresCarryLibjpegsMessages) {
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* message;
  };
  const QByteArray good = kaltest::BasePicture(106);
  const Case cases[] = {
      {"empty stream", QByteArray(), "Empty input file"},
      {"not a JPEG", QByteArray("GIF89a not a picture"), "Not a JPEG file"},
      {"header only", good.left(20), "no image"},
  };
  for (const Case& c : cases) {
    const std::string error = DecodeError(c.bytes);
    EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
  }
}

TEST(JpegDecoder, NoPictureToDecodeInto) {
  QByteArray bytes = kaltest::BasePicture(106);
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  TJPEGStreamDecompressor decoder;
  try {
    decoder.Decode(stream, nullptr);
    FAIL() << "expected an error";
  } catch (const EJPEGError& e) {
    EXPECT_STREQ(e.what(), "The Image Property is empty!");
  }
}

TEST(JpegDecoder, FailedDecodingKeepsThePicture) {
  QImage picture = TestPattern(10, 10);
  const QImage before = picture;
  QByteArray junk("\xFF\xD8\xFF\xFE\x00\x04zz", 8);
  QBuffer stream(&junk);
  stream.open(QIODevice::ReadOnly);
  TJPEGStreamDecompressor decoder;
  EXPECT_THROW(decoder.Decode(stream, &picture), EJPEGError);
  EXPECT_EQ(picture, before);
}

TEST(JpegDecoder, DecodesFromTheStreamsCurrentPosition) {
  QByteArray bytes = "leading bytes" + kaltest::BasePicture(202);
  QBuffer stream(&bytes);
  stream.open(QIODevice::ReadOnly);
  stream.seek(13);
  QImage picture;
  TJPEGStreamDecompressor decoder;
  decoder.Decode(stream, &picture);
  EXPECT_EQ(picture.height(), 280);
}

TEST(JpegDecoder, GreyPictureGivesSixtyFourGreyLevels) {
  const QByteArray greyJpeg = kaltest::EncodeForTest(TestPattern(64, 48), true);
  TJPEGStreamDecompressor colourDisplay;  // the true-colour display's decoder
  Decoded d = DecodeBytes(greyJpeg, colourDisplay);
  ASSERT_EQ(d.image.format(), QImage::Format_Indexed8);
  ASSERT_EQ(d.image.colorCount(), 64);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(qRed(d.image.color(i)), qBlue(d.image.color(i)));
  EXPECT_EQ(qGray(d.image.color(0)), 0);
  EXPECT_EQ(qGray(d.image.color(63)), 255);
  const QImage reference = kaltest::DecodeWithDjpeg(greyJpeg, "-dct int");
  if (reference.isNull()) GTEST_SKIP() << "djpeg not installed";
  for (int y = 0; y < d.image.height(); ++y)
    for (int x = 0; x < d.image.width(); ++x)
      ASSERT_EQ(d.image.pixelIndex(x, y), reference.constScanLine(y)[x] >> 2) << x << "," << y;
}

TEST(JpegDecoder, GreyScaleOutputTurnsColourGrey) {
  TJPEGStreamDecompressor decoder;
  decoder.GrayScaleOutput = true;
  Decoded d = DecodeBytes(kaltest::BasePicture(325), decoder);
  EXPECT_EQ(d.image.format(), QImage::Format_Indexed8);
  EXPECT_EQ(d.image.colorCount(), 64);
}

TEST(JpegDecoder, CommentAndApplicationMarkersAreSkipped) {
  const QByteArray plain = kaltest::EncodeForTest(TestPattern(40, 32), false);
  QByteArray marked = plain.left(2);  // SOI
  for (int marker : {0xFE, 0xE1, 0xE2, 0xE7, 0xED, 0xEF}) {
    const QByteArray payload = "payload for marker " + QByteArray::number(marker);
    marked += char(0xFF);
    marked += char(marker);
    marked += char((payload.size() + 2) >> 8);
    marked += char((payload.size() + 2) & 0xFF);
    marked += payload;
  }
  marked += plain.mid(2);
  TJPEGStreamDecompressor traced;
  traced.Trace_Level = 1;
  Decoded withMarkers = DecodeBytes(marked, traced);
  EXPECT_EQ(withMarkers.image, DecodeBytes(plain).image);
  int reported = 0;
  for (const std::string& m : withMarkers.messages) reported += m.find("Miscellaneous marker") != std::string::npos;
  EXPECT_EQ(reported, 6);
}

TEST(JpegDecoder, MarkerLongerThanTheFileEndsTheDecoding) {
  QByteArray bytes("\xFF\xD8\xFF\xE1\x7F\xFF", 6);
  bytes += QByteArray(100, 'x');
  const std::string error = DecodeError(bytes);
  EXPECT_NE(error, "(no error)");
}

TEST(JpegDecoder, InterruptAbortsWithUserInterrupt) {
  TJPEGStreamDecompressor decoder;
  int rows = 0;
  decoder.SetInterruptCheck([&rows] { return ++rows == 5; });
  EXPECT_EQ(DecodeError(kaltest::BasePicture(914), decoder), "User Interrupt");
  EXPECT_EQ(rows, 5);
}

TEST(JpegDecoder, OversizedHeaderIsRefusedBeforeAllocating) {
  TJPEGStreamDecompressor decoder;
  decoder.MaxPixels = 1000;
  EXPECT_NE(DecodeError(kaltest::BasePicture(914), decoder).find("too large"), std::string::npos);
}

// A header may claim any size up to 65535 x 65535; the picture behind it is
// refused by its claim, before the rows are allocated, well below what would
// exhaust memory, and far above what an icon panel shows.
TEST(JpegDecoder, DefaultLimitRefusesAHugeHeaderClaim) {
  auto claiming = [](int width, int height) {
    QByteArray bytes = kaltest::BasePicture(914);
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0);
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
  };
  const TJPEGStreamDecompressor decoder;
  EXPECT_LE(decoder.MaxPixels, std::size_t(8) << 20);
  for (const auto& [width, height] : {std::pair{65000, 1032}, std::pair{8192, 8192}, std::pair{4000, 3000}}) {
    TJPEGStreamDecompressor fresh;
    EXPECT_EQ(DecodeError(claiming(width, height), fresh), "Picture too large: " + std::to_string(width) + " x " +
                                                               std::to_string(height) + " pixels");
  }
  // The largest picture the program has, the splash, is well inside.
  EXPECT_GE(decoder.MaxPixels, std::size_t(371 * 450 * 4));
}

TEST(JpegDecoder, ThrowingMessageSinkDoesNotCrossLibjpeg) {
  TJPEGStreamDecompressor decoder;
  decoder.SetMessageSink([](const std::string&) { throw std::runtime_error("sink failed"); });
  const QByteArray half = kaltest::BasePicture(1121).left(6000);
  QByteArray copy = half;
  QBuffer stream(&copy);
  stream.open(QIODevice::ReadOnly);
  QImage picture;
  EXPECT_NO_THROW(decoder.Decode(stream, &picture));
  EXPECT_EQ(picture.height(), 280);
}

// Our pixels against djpeg's for the same settings, baseline and
// progressive, both DCT methods the program uses, with and without fancy
// upsampling.
TEST(JpegDecoder, AgreesWithDjpeg) {
  struct Case {
    const char* name;
    QByteArray jpeg;
    J_DCT_METHOD dct;
    bool fancy;
    const char* options;
  };
  const QByteArray icon = kaltest::BasePicture(629);
  const QByteArray progressive = kaltest::EncodeForTest(TestPattern(120, 90), false, 85, true);
  const Case cases[] = {
      {"icon, float DCT", icon, JDCT_FLOAT, true, "-dct float"},
      {"icon, integer DCT", icon, JDCT_ISLOW, true, "-dct int"},
      {"icon, no fancy upsampling", icon, JDCT_ISLOW, false, "-dct int -nosmooth"},
      {"progressive, float DCT", progressive, JDCT_FLOAT, true, "-dct float"},
  };
  for (const Case& c : cases) {
    const QImage reference = kaltest::DecodeWithDjpeg(c.jpeg, c.options);
    if (reference.isNull()) GTEST_SKIP() << "djpeg not installed";
    TJPEGStreamDecompressor decoder;
    decoder.DCTMethod = c.dct;
    decoder.DoFancyUpSampling = c.fancy;
    const QImage ours = DecodeBytes(c.jpeg, decoder).image;
    ASSERT_EQ(ours.size(), reference.size()) << c.name;
    EXPECT_LE(MaxDifference(ours, reference), 1) << c.name;
  }
}

TEST(JpegDecoder, EveryBasePictureAgreesWithDjpeg) {
  const IconLibraryInstance* lib = GetMultInstance();
  for (uint32_t i = 0; i < lib->count; ++i) {
    const QByteArray jpeg = kaltest::BasePicture(lib->entries[i].key);
    const QImage reference = kaltest::DecodeWithDjpeg(jpeg, "-dct float");
    if (reference.isNull()) GTEST_SKIP() << "djpeg not installed";
    TJPEGStreamDecompressor decoder;
    kal::UseMainWindowSettings(decoder);
    const QImage ours = DecodeBytes(jpeg, decoder).image;
    ASSERT_EQ(ours.size(), reference.size()) << lib->entries[i].key;
    EXPECT_LE(MaxDifference(ours, reference), 1) << lib->entries[i].key;
  }
}

}  // namespace
