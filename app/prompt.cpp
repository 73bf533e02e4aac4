#include "prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace kal {

PromptAnswer MessageBoxPrompt::Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                                   std::optional<QPoint> at) {
  QMessageBox box(parent_);
  switch (kind) {
    case PromptKind::Information: box.setIcon(QMessageBox::Information); break;
    case PromptKind::Confirmation: box.setIcon(QMessageBox::Question); break;
    case PromptKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case PromptKind::Error: box.setIcon(QMessageBox::Critical); break;
  }
  box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
  box.setText(QString(text).replace("\r\n", "\n"));
  switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  if (at) box.move(*at);
  switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
  }
}

QString MessageBoxPrompt::ChooseSaveFile(const QString& initialFolder) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDirectory(initialFolder);
  dialog.setNameFilters({"Rich Text Files    (*.RTF *.rtf)", "Plain Text Files    (*.TXT *.txt)",
                         "All Files                  (*)"});
  dialog.setDefaultSuffix("RTF");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return WithDefaultExtension(dialog.selectedFiles().first());
}

QString WithDefaultExtension(const QString& path) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + ".RTF";
}

}  // namespace kal
