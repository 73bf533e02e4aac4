#include "date_box.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app_context.h"
#include "arrow_panel.h"
#include "calendar/day_designation.h"
#include "command_guard.h"
#include "feast_grid.h"
#include "go_to_date_dlg.h"
#include "icon_panel.h"
#include "locale_date_names.h"
#include "main_form.h"
#include "window_placement.h"

namespace kal {

namespace {
const QDate kDayZero(1899, 12, 30);
}

QDate ToQDate(DayNumber day) { return kDayZero.addDays(day); }
DayNumber ToDayNumber(const QDate& date) { return static_cast<DayNumber>(kDayZero.daysTo(date)); }

TDateBox::TDateBox(TMainForm* mainForm, QDate today)
    // A tool window with its close button alone: minimised it would take the
    // main window with it, and its size is fixed.
    : QDialog(mainForm, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(mainForm) {
  setObjectName("TDateBox");
  setWindowTitle("Select Date");
  setProperty("helpContext", 60);
  mainForm->SetDateBox(this);

  auto* menu = new QMenuBar(this);
  menu->setObjectName("DateBoxMenu");
  QAction* close = menu->addAction("&Close");
  close->setObjectName("Close");
  connect(close, &QAction::triggered, this, &QDialog::accept);
  QAction* goTo = menu->addAction("&Go To Date...");
  goTo->setObjectName("GoToDate");
  goTo->setShortcut(Qt::CTRL | Qt::Key_O);
  goTo->setProperty("helpContext", 80);
  connect(goTo, &QAction::triggered, this, [this] {
    const PromptOwner owner(this);
    RunCommand([this] { GoToDateCommand(); });
  });
  QAction* easter = menu->addAction("&Find the date of Easter...");
  easter->setObjectName("FindEasterDate");
  connect(easter, &QAction::triggered, this, [this] {
    const PromptOwner owner(this);
    if (QAction* item = main_->Action("MFindEasterDate")) item->trigger();
  });

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->setMenuBar(menu);

  auto* arrows = new QWidget(this);
  arrows->setFixedSize(403, 33);
  QFont arrowFont;
  arrowFont.setPixelSize(20);
  arrowFont.setBold(true);
  QFont panelFont("Arial");
  panelFont.setPixelSize(22);
  panelFont.setBold(true);
  struct Place {
    int left, width;
  };
  auto makeArrow = [&](const char* name, const char* caption, Place place, DateStep step) {
    auto* panel = new ArrowPanel(name, caption, arrows);
    panel->setGeometry(place.left, 0, place.width, 33);
    panel->setFont(arrowFont);
    connect(panel, &ArrowPanel::clicked, this, [this, step] { RunCommand([this, step] { StepCommand(step); }); });
  };
  makeArrow("DecMonth", "<", {0, 33}, DateStep::MonthBack);
  month_ = new QLabel(arrows);
  month_->setObjectName("Month");
  month_->setGeometry(33, 0, 167, 33);
  month_->setFont(panelFont);
  month_->setAlignment(Qt::AlignCenter);
  month_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  makeArrow("IncMonth", ">", {200, 34}, DateStep::MonthForward);
  makeArrow("DecYear", "<", {234, 32}, DateStep::YearBack);
  year_ = new QLabel(arrows);
  year_->setObjectName("Year");
  year_->setGeometry(266, 0, 102, 33);
  year_->setFont(panelFont);
  year_->setAlignment(Qt::AlignCenter);
  year_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  makeArrow("IncYear", ">", {369, 33}, DateStep::YearForward);
  column->addWidget(arrows);

  calendar_ = new FeastGrid([this] { return main_->Mode(); }, this);
  calendar_->setObjectName("Calendar");
  calendar_->setProperty("helpContext", 60);
  calendar_->setFirstDayOfWeek(Qt::Sunday);
  calendar_->setGridVisible(true);
  calendar_->setNavigationBarVisible(false);
  calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar_->setFixedSize(403, 228);
  column->addWidget(calendar_);
  column->addWidget(new FeastLegend(this));
  connect(calendar_, &QCalendarWidget::selectionChanged, this, &TDateBox::GridChangedByUser);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  // Window creation: today's date on the calendar in force.
  day_.ShownIconKey = 0;
  day_.HasIcon = false;
  const CalendarMode mode = main_->Mode();
  SelectNewDate(day_, ToDayNumber(today), CalendarMode::New);
  if (mode == CalendarMode::Old) {
    // NewToOld already holds the Old date inside 1 March 1916 - 28 February
    // 2100 (the shifted range).
    TMainForm::SetApplicationTitle("Kalendra - Old Calendar");
    main_->setWindowTitle("Kalendra - Old Calendar");
  } else {
    TMainForm::SetApplicationTitle("Kalendra - New Calendar");
    main_->setWindowTitle("Kalendra - New Calendar");
  }
  RunCommand([this] { SetGridToActiveDate(calendar_); });
  RestoreMainPlacement(*main_, "MainWindow");
  RestoreWindowPosition(*this, "DateWindow");
  main_->ShowStatusText();
}

TDateBox::~TDateBox() { SavePlacement(); }

void TDateBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  // The window cannot be minimised, even where the window manager offers it
  // anyway; it would take the main window with it, the window it belongs to.
  QTimer::singleShot(0, this, [this] {
    for (QWidget* window : {static_cast<QWidget*>(main_), static_cast<QWidget*>(this)}) {
      if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
  });
}

void TDateBox::SavePlacement() {
  if (placementSaved_) return;
  placementSaved_ = true;
  SaveWindowPosition(*this, "DateWindow");
}

void TDateBox::SetGridToActiveDate(QObject* sender) {
  SetGrid(main_->Mode() == CalendarMode::Old ? day_.OldDate : day_.NewDate, sender);
}

void TDateBox::SetGrid(DayNumber activeDate, QObject* sender) {
  const QDate former = calendar_->selectedDate();
  const QDate target = ToQDate(activeDate);
  const QSignalBlocker quiet(calendar_);
  if (main_->Mode() == CalendarMode::Old) {
    calendar_->setDateRange(ToQDate(OldCalendarRange::FirstShifted()), ToQDate(OldCalendarRange::LastShifted()));
  } else {
    calendar_->setDateRange(QDate(1753, 1, 1), QDate(9998, 12, 31));
  }
  calendar_->setSelectedDate(target);
  calendar_->setCurrentPage(target.year(), target.month());
  calendar_->RefreshMarks();  // the calendar in force may have changed
  try {
    CalendarChange(sender);
  } catch (...) {
    // The grid goes back only when the day did not change (the page could
    // not be left); a day that is on display stays on the grid too.
    if (ToQDate(ActiveDate()) != target) {
      calendar_->setSelectedDate(former);
      if (former.isValid()) calendar_->setCurrentPage(former.year(), former.month());
    }
    shownDate_ = calendar_->selectedDate();
    throw;
  }
  shownDate_ = calendar_->selectedDate();
}

DayNumber TDateBox::ActiveDate() const { return main_->Mode() == CalendarMode::Old ? day_.OldDate : day_.NewDate; }

void TDateBox::GridChangedByUser() {
  const QDate clicked = calendar_->selectedDate();
  if (clicked == shownDate_) return;
  const bool done = RunCommand([this] { CalendarChange(calendar_); });
  if (done || ToQDate(ActiveDate()) == clicked) {
    shownDate_ = clicked;
  } else {
    // The page stays: so does the grid.
    const QSignalBlocker quiet(calendar_);
    calendar_->setSelectedDate(shownDate_);
    calendar_->setCurrentPage(shownDate_.year(), shownDate_.month());
  }
}

void TDateBox::CalendarChange(QObject* sender) {
  main_->CheckSaveOnLeave(sender);
  RedrawFreeze freeze(main_);
  const CalendarMode mode = main_->Mode();
  const DayNumber gridDate = ToDayNumber(calendar_->selectedDate());
  QLabel* panel0 = main_->StatusPanel(0);
  if (mode == CalendarMode::Old) {
    SelectOldDate(day_, gridDate, mode);
    const QString civil = QString("%1 %2, %3")
                              .arg(QString::fromStdString(ProgramDateNames().MonthName(day_.NewMonth)))
                              .arg(day_.NewDay)
                              .arg(day_.NewYear);
    panel0->setText("Today's Date: " + civil);
    // Measured in the window's own font (bold italic Arial).
    const QFont windowFont = main_->property("formFont").value<QFont>();
    panel0->setFixedWidth(QFontMetrics(windowFont).horizontalAdvance(panel0->text()) + 10);
  } else {
    SelectNewDate(day_, gridDate, mode);
    panel0->setText(QString());
    panel0->setFixedWidth(0);
  }
  main_->DateBar()->setText(QString::fromStdString(DateTitle(day_, mode, ProgramDateNames())));
  main_->InfoBar()->setText(QString::fromStdString(InfoText(day_, mode)));
  month_->setText(QString::fromStdString(MonthText(day_, mode, ProgramDateNames())));
  year_->setText(QString::fromStdString(YearText(day_, mode)));
  try {
    LoadDay(true);
  } catch (...) {
    // The page may be the new day's with only its icon missing: the status
    // text and the toolbar follow it before the error is told.
    main_->ShowStatusText();
    main_->FollowSelection();
    throw;
  }
  main_->ShowStatusText();
  main_->FollowSelection();
}

void TDateBox::StepCommand(DateStep step) {
  const CalendarMode mode = main_->Mode();
  if (OldCalendarRefuses(day_, mode, step)) {
    App().prompt->Ask(PromptKind::Information, TMainForm::ApplicationTitle(), kOldCalendarRangeMessage,
                      PromptButtons::Ok, QPoint(10, 10));
    return;
  }
  // Stepped on a copy: the selected day changes only once the page may be
  // left (the calendar-change handler asks).
  SelectedDay target = day_;
  StepSelectedDay(target, mode, step);
  SetGrid(mode == CalendarMode::Old ? target.OldDate : target.NewDate, calendar_);
}

void TDateBox::GoToDateCommand() { RunGoToDate(*main_, *this, calendar_, *this); }

IconDay TDateBox::CurrentIconDay() const {
  IconDay iconDay;
  iconDay.dayKey = DateKey(day_, main_->Mode());
  iconDay.hasIcon = day_.HasIcon;
  const SelectedDay day = day_;
  iconDay.substitute = [day](uint16_t key) { return SubstituteIconKey(day, key); };
  return iconDay;
}

}  // namespace kal
