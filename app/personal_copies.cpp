#include "personal_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextDocument>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_salvage.h"

namespace kal {

namespace {

// Windows-1252 where it differs from Latin-1: the characters of 0x80 to
// 0x9F (the five unused codes kept as they are).
QString FromWindows1252(QByteArrayView bytes) {
  static const char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  QString text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    text += code >= 0x80 && code < 0xA0 ? QChar(kHigh[code - 0x80]) : QChar(char16_t(code));
  }
  return text;
}

}  // namespace

namespace {

bool LooksLikeRtf(QByteArrayView bytes) {
  const QByteArrayView start = bytes.trimmed().first(std::min<qsizetype>(bytes.trimmed().size(), 16));
  // "{\rtf1", or that opening with one byte damaged.
  return start.startsWith("{\\rtf") || (start.startsWith("{") && (start.contains("rtf1") || start.contains("\\ansi")));
}

QString DecodedText(QByteArrayView bytes) {
  if (bytes.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE)(bytes.sliced(2));
  if (bytes.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE)(bytes.sliced(2));
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  return utf8.hasError() ? FromWindows1252(bytes) : text;
}

}  // namespace

CopyReading ReadPersonalCopy(QByteArrayView bytes, QTextDocument& document) {
  CopyReading reading;
  if (!LooksLikeRtf(bytes)) {
    document.setPlainText(DecodedText(bytes));
    return reading;
  }
  const richtext::RtfReadResult result = richtext::readRtf(bytes, &document);
  reading.damaged = !result.ok || richtext::rtfClosesEarly(bytes);
  if (reading.damaged) {
    // The reader stops at a lost brace or loses the page into a table at the
    // head of the file; the words may still be there.
    const QString salvaged = richtext::salvageRtfText(bytes);
    const qsizetype read = document.toPlainText().trimmed().size();
    if (salvaged.trimmed().size() > read + read / 4 + 16) document.setPlainText(salvaged);
    document.setModified(false);
  }
  return reading;
}

bool HasLongUnbrokenRun(const QTextDocument& document) {
  constexpr int kLongRun = 4096;
  if (document.characterCount() <= kLongRun) return false;
  int run = 0;
  for (const QChar c : document.toPlainText()) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongRun) return true;
  }
  return false;
}

void KeepBackup(const QString& path) {
  const QString backup = path + ".bak";
  QFile copy(path);
  if (!copy.open(QIODevice::ReadOnly))
    throw std::runtime_error(("Cannot read " + QDir::toNativeSeparators(path) + ": " + copy.errorString()).toStdString());
  const QByteArray bytes = copy.readAll();
  WriteFileAtomically(backup, bytes);
}

QString PersonalFilePath(const QString& folder, uint16_t dateKey, bool troparion) {
  const QString name = QString("%1-%2%3").arg(dateKey / 100).arg(dateKey % 100).arg(troparion ? ".trp" : ".bbl");
  return QDir(folder).filePath(name.toUpper());
}

namespace {

[[noreturn]] void WriteFailed(const QString& path, int error) {
  throw std::runtime_error(("Cannot write " + QDir::toNativeSeparators(path) + ": ").toStdString() + std::strerror(error));
}

// Writes all of bytes to fd, through short writes and interruptions.
bool WriteAll(int fd, const QByteArray& bytes) {
  const char* at = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    at += written;
    left -= written;
  }
  return true;
}

// The mode a new file gets: an existing file's own, else the usual one.
mode_t ModeFor(const QByteArray& path) {
  struct stat existing {};
  if (::stat(path.constData(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A temporary of ours: six random letters and digits after the name. A name
// that is all one kind of character is more likely a file of the user's own
// ("12-25.TRP.backup") and is left alone.
bool LooksLikeTemporary(const QString& suffix) {
  if (suffix.size() != 6) return false;
  bool lower = false, upper = false, digit = false;
  for (const QChar c : suffix) {
    if (c >= 'a' && c <= 'z') lower = true;
    else if (c >= 'A' && c <= 'Z') upper = true;
    else if (c >= '0' && c <= '9') digit = true;
    else return false;
  }
  return int(lower) + int(upper) + int(digit) >= 2;
}

}  // namespace

void RemoveOrphanedTemporaries(const QString& path) {
  const QFileInfo target(path);
  const QString prefix = target.fileName() + ".";
  const QDir folder = target.absoluteDir();
  for (const QFileInfo& entry : folder.entryInfoList({prefix + "??????"}, QDir::Files | QDir::Hidden | QDir::System)) {
    const QString name = entry.fileName();
    if (name.startsWith(prefix) && !entry.isSymLink() && LooksLikeTemporary(name.mid(prefix.size())))
      QFile::remove(entry.absoluteFilePath());
  }
}

void WriteFileAtomically(const QString& shownPath, const QByteArray& bytes) {
  // A copy that is a link to a file elsewhere is written where it points.
  const QFileInfo shown(shownPath);
  const QString path = shown.isSymLink() ? shown.symLinkTarget() : shownPath;
  const QString folder = QFileInfo(path).absolutePath();
  std::error_code made;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), made);
  if (made) throw std::runtime_error(("Cannot create the folder " + QDir::toNativeSeparators(folder) + ": ").toStdString() + made.message());
  const QByteArray target = QFile::encodeName(path);
  QByteArray temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) WriteFailed(path, errno);
  // Every failure from here on removes the temporary and leaves the old file.
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(temporary.constData());
    WriteFailed(path, error);
  };
  if (!WriteAll(fd, bytes) || ::fchmod(fd, ModeFor(target)) != 0 || ::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.constData());
    WriteFailed(path, error);
  }
  if (::rename(temporary.constData(), target.constData()) != 0) {
    const int error = errno;
    ::unlink(temporary.constData());
    WriteFailed(path, error);
  }
}

}  // namespace kal
