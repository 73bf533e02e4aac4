// TDateBox: the date selection window. It owns the program's one selected
// day; every change of date ends in its calendar-change handler, which
// recomputes the day, writes the main window's bars and loads the page.
#pragma once

#include <QDate>
#include <QDialog>

#include "calendar/selected_day.h"
#include "calendar/stepping.h"
#include "feast_grid.h"
#include "icon_display.h"

class QAction;
class QLabel;

namespace kal {

class ArrowPanel;
class TMainForm;

QDate ToQDate(DayNumber day);
DayNumber ToDayNumber(const QDate& date);

class TDateBox : public QDialog {
  Q_OBJECT

 public:
  // Takes today's date, sets the grid to it on the calendar in force (which
  // loads the first page) and restores both windows' placements.
  explicit TDateBox(TMainForm* mainForm, QDate today = QDate::currentDate());
  ~TDateBox() override;

  SelectedDay& Day() { return day_; }
  const SelectedDay& Day() const { return day_; }
  FeastGrid* Calendar() const { return calendar_; }

  // Sets the grid to a date of the active calendar (shifted form on the Old
  // Calendar). Always runs the calendar-change handler, even for the date
  // already shown. Throws AbortCommand when the user cancels leaving the
  // page; the grid then keeps its former date.
  void SetGrid(DayNumber activeDate, QObject* sender);
  // The grid set to the selected day on the calendar in force.
  void SetGridToActiveDate(QObject* sender);

  // Puts the selected day's page into the main window's editor.
  void LoadDay(bool withIcons);

  // What the icon display needs to know of the selected day.
  IconDay CurrentIconDay() const;

  void GoToDateCommand();
  void SavePlacement();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void CalendarChange(QObject* sender);
  // The selected day on the calendar in force (shifted on the Old Calendar).
  DayNumber ActiveDate() const;
  void GridChangedByUser();
  void StepCommand(DateStep step);

  TMainForm* main_;
  SelectedDay day_;
  FeastGrid* calendar_ = nullptr;
  QLabel* month_ = nullptr;
  QLabel* year_ = nullptr;
  QDate shownDate_;
  bool placementSaved_ = false;
};

}  // namespace kal
