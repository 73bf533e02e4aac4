// Every message box and question of the program goes through one interface,
// so that a test can answer Yes, No or Cancel where a person would.
#pragma once

#include <QPoint>
#include <QPointer>
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

// Declares, while it lives, the window on whose behalf the program asks:
// a dialog while its own commands run, or while it is shown modally. A
// message box opens over the innermost such window that is shown.
class PromptOwner {
 public:
  explicit PromptOwner(QWidget* window);
  ~PromptOwner();
  PromptOwner(const PromptOwner&) = delete;
  PromptOwner& operator=(const PromptOwner&) = delete;

  // The innermost shown owner; else the modal dialog in front; else null.
  static QWidget* Current();
};

// Makes a window about to open over its parent stay on top as the parent
// does, so that it is never hidden behind a window that stays on top.
void StayOverParent(QWidget& window);

// The program's prompt: real message boxes and the real save dialog, over
// the current owner (else the given parent). A splash still on the screen is
// taken away first: it stays on top and would hide them.
class MessageBoxPrompt : public Prompt {
 public:
  explicit MessageBoxPrompt(QWidget* parent = nullptr);
  void SetParent(QWidget* parent);
  // The window a box opens over.
  QWidget* Owner() const;
  PromptAnswer Ask(PromptKind kind, const QString& title, const QString& text, PromptButtons buttons,
                   std::optional<QPoint> at) override;
  QString ChooseSaveFile(const QString& initialFolder) override;

 private:
  QPointer<QWidget> parent_;
};

// The chosen path with the save dialog's default extension ".RTF" added
// when the user typed a name without one.
QString WithDefaultExtension(const QString& path);

}  // namespace kal
