// The Search menu: Find on This Page, Find Next and Find Saint (Find Bible
// Verses in the readings view), with their two modeless dialogs.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>

namespace kal {

class FindDialog;
class TMainForm;

class FindCommands : public QObject {
  Q_OBJECT

 public:
  explicit FindCommands(TMainForm& form);
  static FindCommands* Of(const TMainForm& form);

  FindDialog* PageDialog() const { return pageDialog_; }
  FindDialog* SaintDialog() const { return saintDialog_; }

  // Find on This Page: shows the find dialog.
  void FindCommand();
  // One search of the page with the find dialog's text and options (Find
  // Next in the dialog, or F3).
  void FindRequest();
  // Find Saint (or Find Bible Verses in the readings view).
  void FindSaintCommand(QObject* sender);
  // One search for the next day of the saint named in the find-saint
  // dialog.
  void FindSaintRequest();

  // The optional verse library's answer for the text and the date key, or
  // the key itself when the library is not in `folder`. Throws
  // EDLLLoadError ("Unable to Load DLL") when it is there but cannot be
  // used.
  static std::uint16_t LookupBibleKey(const QString& folder, const QByteArray& text, std::uint16_t key);
  static constexpr const char* kVersePakFileName = "VERSEPAK.so";

 private:
  QPoint DialogPlace() const;
  void ShowCannotFind(const QString& text);

  TMainForm& form_;
  FindDialog* pageDialog_ = nullptr;
  FindDialog* saintDialog_ = nullptr;
};

// The text as the hymn library's table stores it: Windows-1252, with '?'
// for what the code page cannot hold.
QByteArray ToWindows1252(const QString& text);

}  // namespace kal
