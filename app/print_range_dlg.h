// TPrintRangeDlg: the first and last day of a print range on the calendar in
// force, the last kept between one and thirty days after the first.
#pragma once

#include <QDialog>

#include "calendar/day_number.h"

class QComboBox;

namespace kal {

class TPrintRangeDlg : public QDialog {
  Q_OBJECT

 public:
  // from: the day on display on the calendar in force (Julian year on the
  // Old Calendar); the range starts there and ends the day after.
  TPrintRangeDlg(QWidget* parent, const YearMonthDay& from);
  ~TPrintRangeDlg() override;

  YearMonthDay From() const { return from_; }
  YearMonthDay To() const { return to_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FromChanged();
  void ToChanged();
  void ShowTo();
  void RefuseDate(QComboBox* month, QComboBox* day, QComboBox* year, const YearMonthDay& kept);

  QComboBox* fromMonth_ = nullptr;
  QComboBox* fromDay_ = nullptr;
  QComboBox* fromYear_ = nullptr;
  QComboBox* toMonth_ = nullptr;
  QComboBox* toDay_ = nullptr;
  QComboBox* toYear_ = nullptr;
  YearMonthDay from_;
  YearMonthDay to_;
};

}  // namespace kal
