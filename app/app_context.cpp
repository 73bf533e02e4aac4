#include "app_context.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <unistd.h>

#include "personal_copies.h"

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

namespace {

bool ProgramFolderWritable() {
  const AppContext& app = App();
  return app.folderWritable ? app.folderWritable(app.programFolder) : FolderAcceptsFiles(app.programFolder);
}

}  // namespace

QString UserCopyFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString PersonalCopyFolder() { return ProgramFolderWritable() ? App().programFolder : UserCopyFolder(); }

QString FindPersonalCopy(uint16_t dateKey, bool troparion) {
  for (const QString& folder : {UserCopyFolder(), App().programFolder}) {
    const QString path = PersonalFilePath(folder, dateKey, troparion);
    if (QFileInfo::exists(path)) return path;
  }
  return PersonalFilePath(PersonalCopyFolder(), dateKey, troparion);
}

QString PersonalCopySaveTarget(const QString& shownPath) {
  const QFileInfo shown(shownPath);
  if (shown.absolutePath() != QFileInfo(App().programFolder).absoluteFilePath() || ProgramFolderWritable())
    return shownPath;
  return QDir(UserCopyFolder()).filePath(shown.fileName());
}

}  // namespace kal
