#include "doc_tool_support.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdio>

namespace kal {

PromptAnswer NoPrompt::Ask(PromptKind, const QString&, const QString& text, PromptButtons, std::optional<QPoint>) {
  std::fprintf(stderr, "message: %s\n", qPrintable(text));
  return PromptAnswer::Cancel;
}

bool DocToolStart::Begin(int argc, char* argv[], const char* toolName) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER YYYY-MM-DD\n", toolName);
    return false;
  }
  QCoreApplication::setOrganizationName("Norwick");
  QCoreApplication::setApplicationName("Kalendra");
  AppContext context;
  context.programFolder = QString::fromLocal8Bit(argv[1]);
  context.prompt = &prompt_;
  context.screen = &screen_;
  SetApp(context);
  out = QDir(QString::fromLocal8Bit(argv[2]));
  date = QDate::fromString(QString::fromLatin1(argv[3]), Qt::ISODate);
  return true;
}

bool ShowOverWorkingArea(QWidget& window) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  if (QScreen* shown = window.screen(); window.width() < shown->availableGeometry().width()) {
    window.setGeometry(shown->availableGeometry());
  }
  return true;
}

}  // namespace kal
