#include "app_context.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <unistd.h>

namespace kal {
namespace {

AppContext& Current() {
  static AppContext context;
  return context;
}

bool FolderAcceptsFiles(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder);
  return QFileInfo(folder).isDir() && access(path.constData(), W_OK | X_OK) == 0;
}

}  // namespace

QSize ScreenInfo::Size() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

QRect ScreenInfo::WorkArea() const {
  const QRect whole(QPoint(0, 0), Size());
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && screen->size() == whole.size()) return screen->availableGeometry();
  return whole;
}

AppContext& App() { return Current(); }

void SetApp(const AppContext& context) { Current() = context; }

QString PersonalCopyFolder() {
  const AppContext& app = App();
  const bool writable = app.folderWritable ? app.folderWritable(app.programFolder) : FolderAcceptsFiles(app.programFolder);
  if (writable) return app.programFolder;
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

}  // namespace kal
