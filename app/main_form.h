// TMainForm: the program's main window. It shows the selected day's page in
// the editor with the date and information bars above it and the icon panel
// beside it, owns the menus, the two toolbars and the status bar, and routes
// every command; date commands end in the date selection window, which
// loads the page back into this window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <map>

#include "calendar/selected_day.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace kal {

class IconPanel;
class TDateBox;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The date selection window, created after this one.
  void SetDateBox(TDateBox* dateBox) { dateBox_ = dateBox; }
  TDateBox* DateBox() const { return dateBox_; }

  // The calendar and the view in force, as the menu's check marks hold them.
  CalendarMode Mode() const;
  bool TroparionView() const;
  bool ReadingsView() const;
  bool ShowIconsChecked() const;
  bool ShowVerseNumbersChecked() const;

  // The leave-page check: may ask to keep the user's edits and throws
  // AbortCommand when the user cancels.
  void CheckSaveOnLeave(QObject* sender);
  void SetEditorMargins();
  QString DateCaption() const;
  void ShowStatusText();
  // The menus and the edit toolbar set to the selection's format, after
  // every page load and selection change.
  void FollowSelection();

  // Personalised copies.
  void SaveCommand(QObject* sender);
  void SaveAsCommand();
  void DeleteFileCommand();

  // Bible search mode, the main window's side.
  void EnterBibleSearchMode();
  void LeaveBibleSearchMode();
  bool InBibleSearchMode() const { return bibleSearchMode_; }

  // Re-sizes the icon on display for the screen's current height.
  void ScreenResolutionChanged();

  // The application's title ("Kalendra 2.0", then the calendar's name).
  static void SetApplicationTitle(const QString& title);
  static QString ApplicationTitle();

  QTextEdit* Editor() const { return editor_; }
  QLabel* DateBar() const { return dateBar_; }
  QLabel* InfoBar() const { return infoBar_; }
  QLabel* StatusPanel(int index) const { return index == 0 ? statusPanel0_ : statusPanel1_; }
  IconPanel* Icons() const { return iconPanel_; }
  QAction* Action(const QString& name) const;
  QToolButton* ToolButton(const QString& name) const;
  QToolBar* MainToolBar() const { return mainToolBar_; }
  QToolBar* EditToolBar() const { return editToolBar_; }

  // Fields shared with the day loader and the other commands.
  bool SuppressFormatEvents = false;
  bool PrintingRange = false;
  bool LeavingPage = false;
  bool SavedModified = false;
  QString PersonalFileName;
  bool PersonalCopyDamaged = false;  // the copy on display did not read cleanly
  int ScreenHeight = 0;
  int SavedIconPanelWidth = 0;
  QString StatusText;

  // Sets the personalised-page background (or the normal window colour).
  void SetPersonalBackground(bool personal);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildMainToolBar();
  void BuildEditToolBar();
  void BuildCentralArea();
  void BuildStatusBar();
  void BuildPopupMenu();
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut,
                   const char* hint, int help);
  QToolButton* AddButton(QToolBar* bar, const char* name, const QString& text, const char* tooltip,
                         const char* statusText);
  // Connects a command; a checkable item's own toggle is undone first, so
  // the handler alone decides the check marks.
  void Connect(QAction* action, void (TMainForm::*handler)(QObject*));

  // Commands.
  void SelectDateCommand(QObject* sender);
  void PreviousDayCommand(QObject* sender);
  void NextDayCommand(QObject* sender);
  void StepDay(QObject* sender, bool forward);
  void ViewSwitch(QObject* sender);
  void CalendarSwitch(QObject* sender);
  void ShowVerseNumbersCommand(QObject* sender);
  void ShowIconsCommand(QObject* sender);
  void ShowNextIconCommand(QObject* sender);
  void ShowMainToolBarCommand(QObject* sender);
  void ShowEditToolBarCommand(QObject* sender);
  void ShowHintsCommand(QObject* sender);
  void EndBibleSearchCommand(QObject* sender);
  void ExitCommand(QObject* sender);
  void InertCommand(QObject* sender);

  void SetFindSaintForView(bool troparion);
  void SyncViewButtons();
  void ApplyHints(bool on);
  void RestoreSettings();
  void SaveSettings();

  TDateBox* dateBox_ = nullptr;
  std::map<QString, QAction*> actions_;
  std::map<QString, QToolButton*> buttons_;
  QToolBar* mainToolBar_ = nullptr;
  QToolBar* editToolBar_ = nullptr;
  QButtonGroup* viewButtons_ = nullptr;
  QLabel* dateBar_ = nullptr;
  QLabel* infoBar_ = nullptr;
  IconPanel* iconPanel_ = nullptr;
  QTextEdit* editor_ = nullptr;
  QLabel* statusPanel0_ = nullptr;
  QLabel* statusPanel1_ = nullptr;
  QMenu* popupMenu_ = nullptr;
  QObject* hintFilter_ = nullptr;

  bool bibleSearchMode_ = false;
  QString savedInfoBarText_;
  QString savedStatusText_;
  int savedStatusPanel0Width_ = 0;
  bool settingsSaved_ = false;
};

}  // namespace kal
