#include "main_form.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>

#include "app_context.h"
#include "bible_search_dlg.h"
#include "dialog_commands.h"
#include "editing_commands.h"
#include "edit_toolbar.h"
#include "calendar/stepping.h"
#include "command_guard.h"
#include "date_box.h"
#include "icon_panel.h"
#include "locale_date_names.h"
#include "modal_runner.h"
#include "page_ink.h"
#include "rich_edit.h"
#include "window_placement.h"

namespace kal {

namespace {

// Swallows tool tips while Show Hints is off.
class HintSwitch : public QObject {
 public:
  using QObject::QObject;
  bool on = true;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!on && event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
  }
};

QString MonthName(int month) { return QString::fromStdString(ProgramDateNames().MonthName(month)); }

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMainForm");
  setWindowTitle("Kalendra - New Calendar");
  QFont formFont("Arial");
  formFont.setBold(true);
  formFont.setItalic(true);
  setProperty("formFont", formFont);

  auto* hints = new HintSwitch(this);
  qApp->installEventFilter(hints);
  hintFilter_ = hints;

  BuildMenus();
  BuildMainToolBar();
  BuildEditToolBar();
  BuildCentralArea();
  BuildStatusBar();
  BuildPopupMenu();

  RestoreSettings();  // toolbar positions, then the options
  editor_->document()->setModified(false);

  // Date commands.
  Connect(actions_["MSelectDate"], &TMainForm::SelectDateCommand);
  Connect(actions_["MPreviousDay"], &TMainForm::PreviousDayCommand);
  Connect(actions_["MNextDay"], &TMainForm::NextDayCommand);
  // Personalised copies.
  Connect(actions_["MSave"], &TMainForm::SaveCommand);
  connect(actions_["MSaveAs"], &QAction::triggered, this, [this] { RunCommand([this] { SaveAsCommand(); }); });
  connect(actions_["MDeleteFile"], &QAction::triggered, this, [this] { RunCommand([this] { DeleteFileCommand(); }); });
  Connect(actions_["MExit"], &TMainForm::ExitCommand);
  // Views, calendars and options.
  for (const char* name : {"MTroparionKontakion", "MDailyBibleReadings", "MLivesSaints"}) {
    Connect(actions_[name], &TMainForm::ViewSwitch);
  }
  Connect(actions_["MOldCalendar"], &TMainForm::CalendarSwitch);
  Connect(actions_["MNewCalendar"], &TMainForm::CalendarSwitch);
  Connect(actions_["MShowVerseNumbers"], &TMainForm::ShowVerseNumbersCommand);
  Connect(actions_["MShowIcons"], &TMainForm::ShowIconsCommand);
  Connect(actions_["NextIcon"], &TMainForm::ShowNextIconCommand);
  Connect(actions_["MShowMainToolBar"], &TMainForm::ShowMainToolBarCommand);
  Connect(actions_["MShowEditToolBar"], &TMainForm::ShowEditToolBarCommand);
  Connect(actions_["MShowHints"], &TMainForm::ShowHintsCommand);
  Connect(actions_["MEndBibleSearch"], &TMainForm::EndBibleSearchCommand);
  ConnectEditingCommands(*this);  // editing, formatting, find, toolbars, help
  ConnectDialogCommands(*this);  // go to date, printing, about, Easter

  auto clickRuns = [this](const char* button, void (TMainForm::*handler)(QObject*)) {
    QToolButton* source = buttons_[button];
    connect(source, &QToolButton::clicked, this, [this, source, handler] {
      RunCommand([this, source, handler] { (this->*handler)(source); });
    });
  };
  clickRuns("MTBSelectDate", &TMainForm::SelectDateCommand);
  clickRuns("MTBPreviousDay", &TMainForm::PreviousDayCommand);
  clickRuns("MTBNextDay", &TMainForm::NextDayCommand);
  connect(buttons_["MTBSave"], &QToolButton::clicked, this, [this] {
    RunCommand([this] {
      if (bibleSearchMode_) {
        SaveAsCommand();
      } else {
        SaveCommand(buttons_["MTBSave"]);
      }
    });
  });
  // The view buttons swallow their own failures and resynchronise.
  for (const char* name : {"MTBKalendra", "MTBBibleReadings", "MTBLivesSaints"}) {
    QToolButton* source = buttons_[name];
    connect(source, &QToolButton::clicked, this, [this, source] { ViewSwitch(source); });
  }
  clickRuns("MTBEndBibleSearch", &TMainForm::EndBibleSearchCommand);

  connect(editor_, &QTextEdit::cursorPositionChanged, this, &TMainForm::FollowSelection);
  connect(editor_, &QTextEdit::selectionChanged, this, &TMainForm::FollowSelection);
  connect(iconPanel_, &IconPanel::NextIconRequested, this,
          [this] { RunCommand([this] { ShowNextIconCommand(iconPanel_); }); });
  connect(iconPanel_, &IconPanel::NextIconAvailable, this,
          [this](bool available) { actions_["NextIcon"]->setEnabled(available); });
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    connect(screen, &QScreen::geometryChanged, this, [this] { RunCommand([this] { ScreenResolutionChanged(); }); });
  }
}

TMainForm::~TMainForm() {
  if (!settingsSaved_) SaveSettings();
  qApp->removeEventFilter(hintFilter_);
}

void TMainForm::Connect(QAction* action, void (TMainForm::*handler)(QObject*)) {
  connect(action, &QAction::triggered, this, [this, action, handler] {
    if (action->isCheckable()) {
      const QSignalBlocker quiet(action);
      action->setChecked(!action->isChecked());
    }
    if (handler == &TMainForm::ViewSwitch) {
      ViewSwitch(action);  // swallows its own failures
      return;
    }
    RunCommand([this, action, handler] { (this->*handler)(action); });
  });
}

QAction* TMainForm::Action(const QString& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

QToolButton* TMainForm::ToolButton(const QString& name) const {
  const auto found = buttons_.find(name);
  return found == buttons_.end() ? nullptr : found->second;
}

CalendarMode TMainForm::Mode() const {
  return actions_.at("MOldCalendar")->isChecked() ? CalendarMode::Old : CalendarMode::New;
}
bool TMainForm::TroparionView() const { return actions_.at("MTroparionKontakion")->isChecked(); }
bool TMainForm::ReadingsView() const { return actions_.at("MDailyBibleReadings")->isChecked(); }
bool TMainForm::ShowIconsChecked() const { return actions_.at("MShowIcons")->isChecked(); }
bool TMainForm::ShowVerseNumbersChecked() const { return actions_.at("MShowVerseNumbers")->isChecked(); }

void TMainForm::SetApplicationTitle(const QString& title) { qApp->setProperty("kalApplicationTitle", title); }

QString TMainForm::ApplicationTitle() {
  const QVariant title = qApp->property("kalApplicationTitle");
  return title.isValid() ? title.toString() : QString("Kalendra 2.0");
}

// ---------------------------------------------------------------- checks

void TMainForm::CheckSaveOnLeave(QObject* sender) {
  if (PrintingRange || bibleSearchMode_ || !editor_->document()->isModified()) return;
  LeavingPage = true;
  try {
    SaveCommand(sender);
  } catch (...) {
    LeavingPage = false;
    throw;
  }
  LeavingPage = false;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!RunCommand([this] { CheckSaveOnLeave(actions_["MExit"]); })) {
    event->ignore();
    return;
  }
  SaveSettings();
  if (dateBox_) dateBox_->SavePlacement();
  event->accept();
}

void TMainForm::ExitCommand(QObject*) { close(); }

void TMainForm::InertCommand(QObject*) {}

// ------------------------------------------------------------- texts

void TMainForm::SetEditorMargins() {
  // The formatting rectangle: the client area less 20 pixels left and right
  // and 18 top and bottom. Kept outside the document, so setting it never
  // marks the page as changed.
  static_cast<RichEdit*>(editor_)->SetFormattingMargins(20, 18);
}

QString TMainForm::DateCaption() const {
  const SelectedDay& day = dateBox_->Day();
  if (Mode() == CalendarMode::New) return QString("%1 %2").arg(MonthName(day.NewMonth)).arg(day.NewDay);
  // The Old Calendar date and, after a slash, the civil day 13 days later.
  const QString old = QString("%1 %2/").arg(MonthName(day.OldMonth)).arg(day.OldDay);
  if (day.NewMonth == day.OldMonth) return old + QString::number(day.NewDay);
  return old + QString("%1 %2").arg(MonthName(day.NewMonth)).arg(day.NewDay);
}

void TMainForm::ShowStatusText() { statusPanel1_->setText(StatusText); }

void TMainForm::FollowSelection() {
  if (EditCommands* editing = EditCommands::Of(*this)) editing->FollowSelection();
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    // The hint handler: the long part of the current hint, or the status
    // message when there is none.
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    statusPanel1_->setText(tip.isEmpty() ? StatusText : tip);
    return true;
  }
  return QMainWindow::event(event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  SetEditorMargins();
}

void TMainForm::SetPersonalBackground(bool personal) {
  // The margins around the text take the page's colour too.
  const QPalette desktop = QApplication::palette();
  const QColor page = personal ? PersonalPageColour(desktop) : desktop.color(QPalette::Base);
  QPalette colours = editor_->palette();
  colours.setColor(QPalette::Base, page);
  colours.setColor(QPalette::Window, page);
  editor_->setPalette(colours);
}

// -------------------------------------------------------------- dates

void TMainForm::SelectDateCommand(QObject* sender) {
  CheckSaveOnLeave(sender);
  KeepOnWorkArea(*dateBox_);
  RunModal(*dateBox_);
  ShowStatusText();
}

void TMainForm::PreviousDayCommand(QObject* sender) { StepDay(sender, false); }
void TMainForm::NextDayCommand(QObject* sender) { StepDay(sender, true); }

void TMainForm::StepDay(QObject* sender, bool forward) {
  SelectedDay& day = dateBox_->Day();
  const CalendarMode mode = Mode();
  if (OldCalendarRefuses(day, mode, forward ? DateStep::NextDay : DateStep::PreviousDay)) {
    App().prompt->Ask(PromptKind::Information, ApplicationTitle(), kOldCalendarRangeMessage, PromptButtons::Ok);
    return;
  }
  CheckSaveOnLeave(sender);
  SelectNewDate(day, day.NewDate + (forward ? 1 : -1), mode);
  dateBox_->SetGridToActiveDate(sender);
  ShowStatusText();
}

void TMainForm::CalendarSwitch(QObject* sender) {
  CheckSaveOnLeave(sender);
  QAction* oldItem = actions_["MOldCalendar"];
  QAction* newItem = actions_["MNewCalendar"];
  oldItem->setChecked(false);
  newItem->setChecked(false);
  static_cast<QAction*>(sender)->setChecked(true);
  SelectedDay& day = dateBox_->Day();
  if (sender == newItem) {
    setWindowTitle("Kalendra - New Calendar");
    SetApplicationTitle("Kalendra - New Calendar");
  } else {
    // The Old Calendar is reckoned only from 1 March 1900 to 28 February 2084.
    if (day.OldDate < OldCalendarRange::FirstShifted()) {
      SelectOldDate(day, OldCalendarRange::FirstShifted(), CalendarMode::Old);
    } else if (day.OldDate > OldCalendarRange::LastShifted()) {
      SelectOldDate(day, OldCalendarRange::LastShifted(), CalendarMode::Old);
    }
    setWindowTitle("Kalendra - Old Calendar");
    SetApplicationTitle("Kalendra - Old Calendar");
  }
  dateBox_->SetGridToActiveDate(sender);
  ShowStatusText();
}

// -------------------------------------------------------------- views

void TMainForm::SetFindSaintForView(bool troparion) {
  QAction* find = actions_["MFindSaint"];
  QToolButton* button = buttons_["MTBFindSaint"];
  if (troparion) {
    find->setText("Find &Saint...");
    button->setText("Find Saint...");
    find->setStatusTip("Finds the specified saint, and goes to that page");
    button->setToolTip("Finds the specified saint");
    button->setStatusTip("Finds the specified saint, and goes to that page");
  } else {
    find->setText("Find &Bible Verses...");
    button->setText("Find Bible Verses...");
    find->setStatusTip("Finds the specified bible verses, and displays them in the editor window");
    button->setToolTip("Finds the specified bible verses");
    button->setStatusTip("Finds the specified bible verses, and displays them in the editor window");
  }
  find->setEnabled(true);
  button->setEnabled(true);
}

void TMainForm::SyncViewButtons() {
  const QSignalBlocker quiet(viewButtons_);
  viewButtons_->setExclusive(false);
  buttons_["MTBKalendra"]->setChecked(false);
  buttons_["MTBBibleReadings"]->setChecked(false);
  if (TroparionView()) buttons_["MTBKalendra"]->setChecked(true);
  if (ReadingsView()) buttons_["MTBBibleReadings"]->setChecked(true);
  viewButtons_->setExclusive(true);
}

void TMainForm::ViewSwitch(QObject* sender) {
  try {
    CheckSaveOnLeave(sender);
    RedrawFreeze freeze(this);
    QAction* troparion = actions_["MTroparionKontakion"];
    QAction* readings = actions_["MDailyBibleReadings"];
    troparion->setChecked(false);
    readings->setChecked(false);
    if (auto* item = qobject_cast<QAction*>(sender)) {
      item->setChecked(true);
      if (item == troparion) buttons_["MTBKalendra"]->setChecked(true);
      if (item == readings) buttons_["MTBBibleReadings"]->setChecked(true);
    } else if (sender == buttons_["MTBKalendra"]) {
      troparion->setChecked(true);
    } else if (sender == buttons_["MTBBibleReadings"]) {
      readings->setChecked(true);
    }
    if (troparion->isChecked()) {
      SetFindSaintForView(true);
      actions_["MShowVerseNumbers"]->setEnabled(false);
    }
    if (readings->isChecked()) {
      SetFindSaintForView(false);
      actions_["MShowVerseNumbers"]->setEnabled(true);
      editor_->setCurrentCharFormat(QTextCharFormat());
      QTextCursor cursor = editor_->textCursor();
      QTextBlockFormat paragraph = cursor.blockFormat();
      paragraph.setAlignment(Qt::AlignLeft);
      cursor.setBlockFormat(paragraph);
      if (cursor.currentList()) cursor.currentList()->remove(cursor.block());
    }
    dateBox_->LoadDay(false);
    FollowSelection();
    ShowStatusText();
  } catch (...) {
    // Cancel in the save question, or a failed load: the view buttons are
    // brought back in line with the menu.
    SyncViewButtons();
  }
}

void TMainForm::ShowVerseNumbersCommand(QObject* sender) {
  CheckSaveOnLeave(sender);
  QAction* item = actions_["MShowVerseNumbers"];
  item->setChecked(!item->isChecked());
  if (ReadingsView() && !QFile::exists(PersonalFileName)) {
    dateBox_->LoadDay(false);
    FollowSelection();
  }
  ShowStatusText();
}

void TMainForm::ShowIconsCommand(QObject* sender) {
  CheckSaveOnLeave(sender);
  RedrawFreeze freeze(this);
  QAction* item = actions_["MShowIcons"];
  item->setChecked(!item->isChecked());
  if (item->isChecked()) {
    iconPanel_->SetPanelWidth(SavedIconPanelWidth);
    dateBox_->LoadDay(true);
  } else {
    SavedIconPanelWidth = iconPanel_->PanelWidth();
    iconPanel_->SetPanelWidth(0);
    dateBox_->LoadDay(false);
  }
  FollowSelection();
  ShowStatusText();
}

void TMainForm::ShowNextIconCommand(QObject*) {
  if (iconPanel_->PanelWidth() == 0) return;
  uint16_t key = iconPanel_->ShownIconKey();
  iconPanel_->ShowDayIcon(key, true, true, dateBox_->CurrentIconDay());
  dateBox_->Day().ShownIconKey = static_cast<int16_t>(iconPanel_->ShownIconKey());
  editor_->setFocus();
}

void TMainForm::ScreenResolutionChanged() {
  if (!ShowIconsChecked() || iconPanel_->PanelWidth() == 0) return;
  iconPanel_->Rescale();
  ScreenHeight = iconPanel_->ScreenHeight();
  SetEditorMargins();
}

// ------------------------------------------------- toolbars and hints

void TMainForm::ShowMainToolBarCommand(QObject*) {
  RedrawFreeze freeze(this);
  QAction* item = actions_["MShowMainToolBar"];
  item->setChecked(!item->isChecked());
  mainToolBar_->setVisible(item->isChecked());
  actions_["MShowHints"]->setEnabled(item->isChecked() || actions_["MShowEditToolBar"]->isChecked());
  SetEditorMargins();
}

void TMainForm::ShowEditToolBarCommand(QObject*) {
  RedrawFreeze freeze(this);
  QAction* item = actions_["MShowEditToolBar"];
  item->setChecked(!item->isChecked());
  editToolBar_->setVisible(item->isChecked());
  actions_["MShowHints"]->setEnabled(item->isChecked() || actions_["MShowMainToolBar"]->isChecked());
  SetEditorMargins();
}

void TMainForm::ShowHintsCommand(QObject*) {
  QAction* item = actions_["MShowHints"];
  item->setChecked(!item->isChecked());
  ApplyHints(item->isChecked());
}

void TMainForm::ApplyHints(bool on) {
  actions_["MShowHints"]->setChecked(on);
  static_cast<HintSwitch*>(hintFilter_)->on = on;
}

// --------------------------------------------------- Bible search mode

void TMainForm::EnterBibleSearchMode() {
  if (bibleSearchMode_) return;
  bibleSearchMode_ = true;
  dateBar_->hide();
  savedInfoBarText_ = infoBar_->text();
  infoBar_->setText("Bible Search");
  for (const char* name : {"MSelectDate", "MGoToDate", "MPreviousDay", "MNextDay", "MSave", "MDeleteFile",
                           "MPrintRange", "MOldCalendar", "MNewCalendar", "MTroparionKontakion",
                           "MDailyBibleReadings", "MShowVerseNumbers", "MShowIcons"}) {
    actions_[name]->setProperty("enabledBeforeSearch", actions_[name]->isEnabled());
    actions_[name]->setEnabled(false);
  }
  actions_["MEndBibleSearch"]->setVisible(true);
  actions_["MEndBibleSearch"]->setEnabled(true);
  for (QAction* holder : mainToolBar_->actions()) {
    const QString name = holder->objectName();
    if (name == "MTBSelectDateHolder" || name == "MTBPreviousDayHolder" || name == "MTBNextDayHolder" ||
        name == "MTBKalendraHolder" || name == "MTBBibleReadingsHolder")
      holder->setVisible(false);
    if (name == "MTBEndBibleSearchHolder") holder->setVisible(true);
  }
  buttons_["MTBSave"]->setToolTip("Save As...");
  buttons_["MTBSave"]->setStatusTip("Saves a copy of the active document to a disk file");
  if (ShowIconsChecked()) SavedIconPanelWidth = iconPanel_->PanelWidth();
  iconPanel_->SetPanelWidth(0);
  if (Mode() == CalendarMode::Old) {
    savedStatusPanel0Width_ = statusPanel0_->width();
    statusPanel0_->setFixedWidth(0);
  }
  savedStatusText_ = StatusText;
  StatusText = "Viewing bible verses in bible search mode";
  ShowStatusText();
}

void TMainForm::LeaveBibleSearchMode() {
  if (!bibleSearchMode_) return;
  bibleSearchMode_ = false;
  dateBar_->show();
  infoBar_->setText(savedInfoBarText_);
  for (const char* name : {"MSelectDate", "MGoToDate", "MPreviousDay", "MNextDay", "MSave", "MDeleteFile",
                           "MPrintRange", "MOldCalendar", "MNewCalendar", "MTroparionKontakion",
                           "MDailyBibleReadings", "MShowVerseNumbers", "MShowIcons"}) {
    actions_[name]->setEnabled(actions_[name]->property("enabledBeforeSearch").toBool());
  }
  actions_["MEndBibleSearch"]->setVisible(false);
  actions_["MEndBibleSearch"]->setEnabled(false);
  for (QAction* holder : mainToolBar_->actions()) {
    const QString name = holder->objectName();
    if (name == "MTBSelectDateHolder" || name == "MTBPreviousDayHolder" || name == "MTBNextDayHolder" ||
        name == "MTBKalendraHolder" || name == "MTBBibleReadingsHolder")
      holder->setVisible(true);
    if (name == "MTBEndBibleSearchHolder") holder->setVisible(false);
  }
  buttons_["MTBSave"]->setToolTip("Save");
  buttons_["MTBSave"]->setStatusTip("Creates or saves a personalized copy of the active document");
  if (ShowIconsChecked()) iconPanel_->SetPanelWidth(SavedIconPanelWidth);
  if (Mode() == CalendarMode::Old) statusPanel0_->setFixedWidth(savedStatusPanel0Width_);
  StatusText = savedStatusText_;
  dateBox_->LoadDay(true);
  ShowStatusText();
}

void TMainForm::EndBibleSearchCommand(QObject*) {
  if (TBibleSearchDlg* search = TBibleSearchDlg::Of(*this)) {
    search->EndSearch();
  } else {
    LeaveBibleSearchMode();
  }
}

}  // namespace kal
