#include "jpeg_decoder.h"

#include <QBuffer>
#include <csetjmp>
#include <cstring>
#include <jerror.h>

namespace kal {
namespace {

constexpr std::size_t kSourceBufferSize = 4096;

// Our own messages, added to libjpeg's table so they travel the same way.
enum AddonMessage { kReadBeyondEnd = 1000, kUserInterrupt, kPictureTooLarge, kLastAddon = kPictureTooLarge };
const char* const kAddonMessages[] = {"Read beyond end of JPEG source", "User Interrupt",
                                      "Picture too large: %d x %d pixels", nullptr};

}  // namespace

// Everything one decoding needs, kept outside the frame that calls setjmp so
// that a longjmp from libjpeg unwinds no C++ object.
struct DecodeJob {
  jpeg_decompress_struct cinfo;
  struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    DecodeJob* job;
    char message[JMSG_LENGTH_MAX];
  } err;
  struct Source {
    jpeg_source_mgr pub;
    QIODevice* stream;
    bool startOfFile;
    bool endSupplied;
    JOCTET buffer[kSourceBufferSize];
  } src;
  const TJPEGStreamDecompressor* owner = nullptr;
  QImage image;
  bool created = false;

  static DecodeJob* Of(j_common_ptr c) { return reinterpret_cast<ErrorManager*>(c->err)->job; }
  static Source* SourceOf(j_decompress_ptr c) { return reinterpret_cast<Source*>(c->src); }
};

namespace {

void ErrorExit(j_common_ptr c) {
  auto* err = reinterpret_cast<DecodeJob::ErrorManager*>(c->err);
  (*c->err->format_message)(c, err->message);
  std::longjmp(err->jump, 1);
}

void EmitMessage(j_common_ptr c, int level) {
  jpeg_error_mgr* err = c->err;
  DecodeJob* job = DecodeJob::Of(c);
  bool show;
  if (level < 0) {
    // A corrupt picture may warn on every row: one box per picture.
    show = err->num_warnings == 0 || err->trace_level > 2;
    err->num_warnings++;
  } else {
    show = err->trace_level >= level;
  }
  if (!show) return;
  char text[JMSG_LENGTH_MAX];
  (*err->format_message)(c, text);
  job->owner->Emit(text);
}

void InitSource(j_decompress_ptr c) {
  DecodeJob::Source* src = DecodeJob::SourceOf(c);
  src->startOfFile = true;
  src->endSupplied = false;
}

boolean FillInputBuffer(j_decompress_ptr c) {
  DecodeJob::Source* src = DecodeJob::SourceOf(c);
  if (src->endSupplied) ERREXIT(c, kReadBeyondEnd);
  qint64 n = src->stream->read(reinterpret_cast<char*>(src->buffer), kSourceBufferSize);
  if (n <= 0) {
    if (src->startOfFile) ERREXIT(c, JERR_INPUT_EMPTY);
    // A picture cut short: say so once and end it with an end-of-image
    // marker so that libjpeg fills the rest and finishes cleanly.
    WARNMS(c, JWRN_JPEG_EOF);
    src->buffer[0] = 0xFF;
    src->buffer[1] = JPEG_EOI;
    n = 2;
    src->endSupplied = true;
  }
  src->pub.next_input_byte = src->buffer;
  src->pub.bytes_in_buffer = static_cast<std::size_t>(n);
  src->startOfFile = false;
  return TRUE;
}

void SkipInputData(j_decompress_ptr c, long count) {
  if (count <= 0) return;
  DecodeJob::Source* src = DecodeJob::SourceOf(c);
  if (static_cast<std::size_t>(count) > src->pub.bytes_in_buffer) {
    const qint64 rest = count - static_cast<long>(src->pub.bytes_in_buffer);
    QIODevice* stream = src->stream;
    if (stream->isSequential()) {
      char discard[512];
      for (qint64 left = rest; left > 0;) {
        qint64 got = stream->read(discard, std::min<qint64>(left, sizeof discard));
        if (got <= 0) break;
        left -= got;
      }
    } else {
      // Seeking past the end leaves the stream at its end; the next fill
      // then reports the premature end.
      stream->seek(std::min(stream->pos() + rest, stream->size()));
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = 0;
  } else {
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
  }
}

void TermSource(j_decompress_ptr) {}

int NextByte(j_decompress_ptr c) {
  if (c->src->bytes_in_buffer == 0) (*c->src->fill_input_buffer)(c);
  c->src->bytes_in_buffer--;
  return GETJOCTET(*c->src->next_input_byte++);
}

// Comment and application markers are read past and not used.
boolean SkipMarker(j_decompress_ptr c) {
  int hi = NextByte(c);
  int lo = NextByte(c);
  long length = (static_cast<long>(hi) << 8) + lo - 2;
  TRACEMS2(c, 1, JTRC_MISC_MARKER, c->unread_marker, static_cast<int>(length + 2));
  if (length > 0) (*c->src->skip_input_data)(c, length);
  return TRUE;
}

// All libjpeg calls of one decoding. Returns false after an error, with the
// message in job.err.message; no object with a destructor lives here.
bool RunDecode(DecodeJob& job, const TJPEGStreamDecompressor& settings, const std::function<bool()>& interrupt) {
  j_decompress_ptr cinfo = &job.cinfo;
  if (setjmp(job.err.jump)) {
    if (job.created) jpeg_destroy_decompress(cinfo);
    job.created = false;
    return false;
  }
  jpeg_create_decompress(cinfo);
  job.created = true;
  // Bounded working memory: hostile headers fail instead of exhausting it.
  cinfo->mem->max_memory_to_use = 512L * 1024 * 1024;
  job.src.pub.init_source = InitSource;
  job.src.pub.fill_input_buffer = FillInputBuffer;
  job.src.pub.skip_input_data = SkipInputData;
  job.src.pub.resync_to_restart = jpeg_resync_to_restart;
  job.src.pub.term_source = TermSource;
  job.src.pub.bytes_in_buffer = 0;
  job.src.pub.next_input_byte = nullptr;
  cinfo->src = &job.src.pub;
  jpeg_set_marker_processor(cinfo, JPEG_COM, SkipMarker);
  for (int m = 1; m <= 15; ++m)
    if (m != 14) jpeg_set_marker_processor(cinfo, JPEG_APP0 + m, SkipMarker);

  jpeg_read_header(cinfo, TRUE);
  cinfo->dct_method = settings.DCTMethod;
  cinfo->dither_mode = settings.DitherMode;
  cinfo->two_pass_quantize = settings.TwoPassQuantize ? TRUE : FALSE;
  cinfo->do_fancy_upsampling = settings.DoFancyUpSampling ? TRUE : FALSE;
  cinfo->do_block_smoothing = settings.DoBlockSmoothing ? TRUE : FALSE;
  // A greyscale picture always takes the grey path; colour goes straight
  // to 24-bit RGB (no palette display to quantise for).
  const bool grey = settings.GrayScaleOutput || cinfo->jpeg_color_space == JCS_GRAYSCALE;
  cinfo->out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  cinfo->quantize_colors = FALSE;
  jpeg_calc_output_dimensions(cinfo);
  const std::size_t pixels = std::size_t(cinfo->output_width) * cinfo->output_height;
  if (pixels > settings.MaxPixels) ERREXIT2(cinfo, kPictureTooLarge, cinfo->output_width, cinfo->output_height);

  job.image = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                     grey ? QImage::Format_Indexed8 : QImage::Format_RGB888);
  if (job.image.isNull()) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
  job.image.fill(0);
  if (grey) job.image.setColorTable(TJPEGStreamDecompressor::GreyPalette());

  jpeg_start_decompress(cinfo);
  JSAMPARRAY greyRow =
      grey ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->output_width, 1)
           : nullptr;
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    uchar* line = job.image.scanLine(y);
    if (grey) {
      jpeg_read_scanlines(cinfo, greyRow, 1);
      for (JDIMENSION x = 0; x < cinfo->output_width; ++x) line[x] = static_cast<uchar>(greyRow[0][x] >> 2);
    } else {
      JSAMPROW row = line;
      jpeg_read_scanlines(cinfo, &row, 1);
    }
    if (interrupt && interrupt()) ERREXIT(cinfo, kUserInterrupt);
  }
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  job.created = false;
  return true;
}

}  // namespace

QList<QRgb> TJPEGStreamDecompressor::GreyPalette() {
  QList<QRgb> table;
  for (int i = 0; i < 64; ++i) {
    const int g = (i << 2) | (i >> 4);
    table.append(qRgb(g, g, g));
  }
  return table;
}

void TJPEGStreamDecompressor::Emit(const char* message) const {
  if (!sink_) return;
  // Never let an exception travel through libjpeg's C frames.
  try {
    sink_(message);
  } catch (...) {
  }
}

QImage TJPEGStreamDecompressor::DecodeToBitmap(QIODevice& stream) {
  auto job = std::make_unique<DecodeJob>();
  job->owner = this;
  job->cinfo.err = jpeg_std_error(&job->err.pub);
  job->err.pub.error_exit = ErrorExit;
  job->err.pub.emit_message = EmitMessage;
  job->err.pub.trace_level = Trace_Level;
  job->err.pub.addon_message_table = kAddonMessages;
  job->err.pub.first_addon_message = kReadBeyondEnd;
  job->err.pub.last_addon_message = kLastAddon;
  job->err.job = job.get();
  job->src.stream = &stream;
  const bool ok = RunDecode(*job, *this, interrupt_);
  warnings_ = static_cast<int>(job->err.pub.num_warnings);
  if (!ok) throw EJPEGError(job->err.message);
  return std::move(job->image);
}

void TJPEGStreamDecompressor::Decode(QIODevice& stream, QImage* picture) {
  if (picture == nullptr) throw EJPEGError("The Image Property is empty!");
  *picture = DecodeToBitmap(stream);
}

namespace {

void UseCommonSettings(TJPEGStreamDecompressor& decoder) {
  decoder.DitherMode = JDITHER_FS;
  decoder.TwoPassQuantize = true;
  decoder.DoFancyUpSampling = true;
  decoder.DoBlockSmoothing = true;
  decoder.GrayScaleOutput = false;
  decoder.Trace_Level = 0;
}

}  // namespace

void UseMainWindowSettings(TJPEGStreamDecompressor& decoder) {
  UseCommonSettings(decoder);
  decoder.DCTMethod = JDCT_FLOAT;
}

void UseSplashSettings(TJPEGStreamDecompressor& decoder) {
  UseCommonSettings(decoder);
  decoder.DCTMethod = JDCT_ISLOW;
}

}  // namespace kal
