// The editing side of the main window: the edit toolbar, the Edit and
// Format menus and the editor's popup menu. The toolbar and the menus
// follow the selection; the commands format the selection and work the
// clipboard.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

#include "font_dialog.h"

class QAction;
class QComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace kal {

class TMainForm;

class EditCommands : public QObject {
  Q_OBJECT

 public:
  // Connects the editing items, buttons and boxes of the window and fills
  // the font-name box.
  explicit EditCommands(TMainForm& form);
  static EditCommands* Of(const TMainForm& form);

  // The menus and the edit toolbar set to the selection's format, under
  // SuppressFormatEvents.
  void FollowSelection();

  // The font dialog; returns the choice, or nothing when cancelled. The
  // program shows the real dialog; a test answers for it.
  std::function<std::optional<FontChoice>(const FontChoice& initial)> chooseFont;

  // Every font face of the screen (at most 32 characters of each name),
  // sorted.
  static QStringList FontNames();
  // The same from a list of families as the font database names them: a
  // family that several foundries make ("C059 [UKWN]") is listed once, by
  // its own name.
  static QStringList FontNames(const QStringList& families);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Style { Bold, Italic, Underline };

  void StyleToggle(QObject* sender, Style style);
  void Alignment(QObject* sender);
  void Bullets(QObject* sender);
  void FontNameChanged(int row);
  void FontSizeChanged(const QString& text);
  void FontColorChanged(int row);
  void FontDialogCommand();
  void Undo();
  void Clipboard(void (QTextEdit::*operation)());
  void Delete();
  void SelectAll();
  void PopupOpening();

  // Gives the selection (or the typing position) the format's properties.
  void Apply(const QTextCharFormat& format);
  void ReturnFocus();
  QAction* Item(const char* name) const;
  QToolButton* Button(const char* name) const;
  void OnItem(const char* name, std::function<void(QObject*)> handler);
  void OnButton(const char* name, std::function<void(QObject*)> handler);

  TMainForm& form_;
  QComboBox* fontName_ = nullptr;
  QComboBox* fontSize_ = nullptr;
  QComboBox* fontColor_ = nullptr;
};

}  // namespace kal
