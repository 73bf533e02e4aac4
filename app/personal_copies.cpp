#include "personal_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <stdexcept>

#include "richtext/rtf_reader.h"

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

void ReadPersonalCopy(QByteArrayView bytes, QTextDocument& document) {
  if (bytes.trimmed().startsWith("{\\rtf")) {
    richtext::readRtf(bytes, &document);
    return;
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = FromWindows1252(bytes);
  document.setPlainText(text);
}

QString PersonalFilePath(const QString& folder, uint16_t dateKey, bool troparion) {
  const QString name = QString("%1-%2%3").arg(dateKey / 100).arg(dateKey % 100).arg(troparion ? ".trp" : ".bbl");
  return QDir(folder).filePath(name.toUpper());
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) throw std::runtime_error(("Cannot create the folder " + folder).toStdString());
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error(file.errorString().toStdString());
  if (file.write(bytes) != bytes.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    throw std::runtime_error(error.toStdString());
  }
  if (!file.commit()) throw std::runtime_error(file.errorString().toStdString());
}

}  // namespace kal
