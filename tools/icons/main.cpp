// kal_draw_icons: draws the pictures of the icon libraries and the splash
// picture at build time, encodes them as JPEG and writes the sources that
// embed them.
//
//   kal_draw_icons xtrapics OUTDIR HYMN_DATA_DIR SECOND_ICONS_LIST [CONTACT_SHEET.png]
//   kal_draw_icons iconpack OUTDIR ICON_LIST [CONTACT_SHEET.png]
//   kal_draw_icons splash OUTDIR
//   kal_draw_icons appicon OUTDIR NAME SIZE...
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "app_icon.h"
#include "icon_painter.h"
#include "icon_subjects.h"
#include "jpeg_writer.h"
#include "library_source.h"

namespace {

constexpr int kMinBytes = 16 * 1024;
constexpr int kMaxBytes = 38 * 1024 - 512;
constexpr int kGrain = 3;

int Fail(const QString& message) {
  std::fprintf(stderr, "kal_draw_icons: %s\n", qPrintable(message));
  return 1;
}

bool SaveBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Twenty pictures a row at half size, each labelled with its key.
QImage ContactSheet(const std::vector<std::pair<int, QImage>>& pictures) {
  const int columns = 20, cellW = 112, cellH = 154;
  const int rows = int((pictures.size() + columns - 1) / columns);
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(QColor(250, 250, 246));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  p.setFont(font);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int x = int(i % columns) * cellW, y = int(i / columns) * cellH;
    const QImage& img = pictures[i].second;
    const QImage small = img.scaledToHeight(140, Qt::SmoothTransformation);
    p.drawImage(x + (cellW - small.width()) / 2, y, small);
    p.setPen(Qt::black);
    p.drawText(QRect(x, y + 140, cellW, 14), Qt::AlignCenter, QString::number(pictures[i].first));
  }
  return sheet;
}

int PackLibrary(const QString& outDir, const std::vector<icons::Subject>& subjects, bool dayPictures,
                const QString& sheetPath) {
  std::vector<icons::PackedPicture> packed;
  std::vector<std::pair<int, QImage>> drawn;
  int warnings = 0;
  for (const icons::Subject& s : subjects) {
    const int width = dayPictures ? icons::PictureWidth(s.key) : 200;
    QImage image = icons::PaintIcon(s, width, icons::kPictureHeight);
    icons::AddGrain(image, static_cast<uint64_t>(s.key), kGrain);
    const QByteArray jpeg = icons::EncodeJpegWithin(image, kMinBytes + 512, kMaxBytes);
    if (jpeg.size() < kMinBytes) {
      std::fprintf(stderr, "kal_draw_icons: warning: picture %d is only %lld bytes\n", s.key,
                   static_cast<long long>(jpeg.size()));
      ++warnings;
    }
    if (s.caption.size() > 255) {
      std::fprintf(stderr, "kal_draw_icons: warning: caption of %d is longer than 255 characters\n", s.key);
      ++warnings;
    }
    const QString file = QDir(outDir).absoluteFilePath(QStringLiteral("%1.jpg").arg(s.key));
    if (!SaveBytes(file, jpeg)) return Fail(QStringLiteral("cannot write %1").arg(file));
    packed.push_back({s, file, jpeg.size()});
    if (!sheetPath.isEmpty()) drawn.emplace_back(s.key, image);
  }
  QString error;
  if (!icons::WriteLibrarySources(outDir, packed, &error)) return Fail(error);
  if (!sheetPath.isEmpty() && !ContactSheet(drawn).save(sheetPath)) return Fail("cannot write " + sheetPath);
  std::printf("kal_draw_icons: %zu pictures in %s (%d warnings)\n", packed.size(), qPrintable(outDir), warnings);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() < 2) return Fail("usage: kal_draw_icons xtrapics|iconpack|splash|appicon OUTDIR ...");
  // The inscription face is loaded from its file where present, so the
  // pictures do not depend on the font configuration.
  for (const char* file : {"/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf",
                           "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"})
    if (QFile::exists(file)) QFontDatabase::addApplicationFont(file);
  const QString mode = args[0];
  const QString outDir = args[1];
  QDir().mkpath(outDir);
  if (mode == QLatin1String("xtrapics") && args.size() >= 4) {
    QStringList warnings;
    std::vector<icons::Subject> subjects = icons::DaySubjects(args[2], &warnings);
    QString error;
    std::vector<icons::Subject> second = icons::ReadSubjectList(args[3], &error);
    if (second.empty()) return Fail(error.isEmpty() ? "no second icons" : error);
    subjects.insert(subjects.end(), second.begin(), second.end());
    if (!warnings.isEmpty())
      std::fprintf(stderr, "kal_draw_icons: %lld days have no title line yet (dated captions used)\n",
                   static_cast<long long>(warnings.size()));
    return PackLibrary(outDir, subjects, true, args.value(4));
  }
  if (mode == QLatin1String("iconpack") && args.size() >= 3) {
    QString error;
    std::vector<icons::Subject> subjects = icons::ReadSubjectList(args[2], &error);
    if (subjects.empty()) return Fail(error.isEmpty() ? "no icons listed" : error);
    return PackLibrary(outDir, subjects, false, args.value(3));
  }
  if (mode == QLatin1String("splash")) {
    QImage image = icons::PaintSplash();
    icons::AddGrain(image, 5001, 3);
    const QByteArray jpeg = icons::EncodeJpeg(image, 90);
    const QString file = QDir(outDir).absoluteFilePath(QStringLiteral("splash.jpg"));
    if (!SaveBytes(file, jpeg)) return Fail("cannot write " + file);
    icons::Subject splash;
    splash.key = 5001;
    splash.caption = QStringLiteral("Kalendra");
    QString error;
    if (!icons::WriteLibrarySources(outDir, {{splash, file, jpeg.size()}}, &error, "kProgramResources"))
      return Fail(error);
    return 0;
  }
  if (mode == QLatin1String("appicon") && args.size() >= 4) {
    QString error;
    if (!icons::WriteAppIcons(outDir, args[2], args.mid(3), &error)) return Fail(error);
    return 0;
  }
  return Fail("usage: kal_draw_icons xtrapics|iconpack|splash|appicon OUTDIR ...");
}
