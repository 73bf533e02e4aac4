#include "personal_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

namespace kal {

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
