// Every message box and question of the program goes through one interface,
// so that a test can answer Yes, No or Cancel where a person would.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace kal {

enum class PromptKind { Information, Confirmation, Warning, Error };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompt {
 public:
  virtual ~Prompt() = default;
  // A message box; at, when given, is its position on the screen.
  virtual PromptAnswer Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                           std::optional<QPoint> at = std::nullopt) = 0;
  // The save dialog of Save As: a full path, or empty when cancelled.
  virtual QString ChooseSaveFile(const QString& initialFolder) = 0;
};

// The program's prompt: real message boxes and the real save dialog.
class MessageBoxPrompt : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  PromptAnswer Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                   std::optional<QPoint> at) override;
  QString ChooseSaveFile(const QString& initialFolder) override;

 private:
  QWidget* parent_;
};

// The chosen path with the save dialog's default extension ".RTF" added
// when the user typed a name without one.
QString WithDefaultExtension(const QString& path);

}  // namespace kal
