#include "prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <vector>

namespace kal {
namespace {

std::vector<QPointer<QWidget>>& Owners() {
  static std::vector<QPointer<QWidget>> owners;
  return owners;
}

// A splash on the screen stays above every other window, message boxes
// included: it goes before anything asks.
void RemoveSplash() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() == Qt::SplashScreen) window->hide();
  }
}

}  // namespace

PromptOwner::PromptOwner(QWidget* window) { Owners().emplace_back(window); }

PromptOwner::~PromptOwner() { Owners().pop_back(); }

QWidget* PromptOwner::Current() {
  const std::vector<QPointer<QWidget>>& owners = Owners();
  for (auto owner = owners.rbegin(); owner != owners.rend(); ++owner) {
    if (*owner && (*owner)->isVisible()) return (*owner)->window();
  }
  return QApplication::activeModalWidget();
}

void StayOverParent(QWidget& window) {
  const QWidget* parent = window.parentWidget();
  if (parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  }
}

MessageBoxPrompt::MessageBoxPrompt(QWidget* parent) : parent_(parent) {}

void MessageBoxPrompt::SetParent(QWidget* parent) { parent_ = parent; }

QWidget* MessageBoxPrompt::Owner() const {
  QWidget* owner = PromptOwner::Current();
  return owner ? owner : parent_.data();
}

PromptAnswer MessageBoxPrompt::Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                                   std::optional<QPoint> at) {
  RemoveSplash();
  QMessageBox box(Owner());
  StayOverParent(box);
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
  RemoveSplash();
  QFileDialog dialog(Owner());
  StayOverParent(dialog);
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
