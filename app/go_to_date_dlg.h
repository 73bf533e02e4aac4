// TGoToDateDlg: picks a day, month and year on the calendar in force from
// three lists, refusing impossible combinations as they are made.
#pragma once

#include <QDialog>

#include "calendar/day_number.h"

class QComboBox;
class QObject;

namespace kal {

class TDateBox;
class TMainForm;

class TGoToDateDlg : public QDialog {
  Q_OBJECT

 public:
  // start: the selected day on the calendar in force (Julian year on the Old
  // Calendar); hint: the main window's status text.
  TGoToDateDlg(QWidget* parent, const YearMonthDay& start, const QString& hint);
  ~TGoToDateDlg() override;

  // The last valid date the lists made.
  YearMonthDay Chosen() const { return chosen_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ListChanged();

  QComboBox* month_ = nullptr;
  QComboBox* day_ = nullptr;
  QComboBox* year_ = nullptr;
  YearMonthDay chosen_;
};

// The Go To Date command of the date selection window: refuses a selected
// day outside the lists' years, otherwise runs the dialog over the window
// the command came from (opener) and, on OK, moves the grid to the chosen
// day (which loads it).
void RunGoToDate(TMainForm& main, TDateBox& dateBox, QObject* sender, QWidget& opener);

}  // namespace kal
