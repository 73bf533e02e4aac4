// TExportCalendarDlg: File > Export to Calendar. The first and last day on
// the calendar in force, with readings or not, and the file to write; the
// command writes one all-day event a day for the user's calendar program.
#pragma once

#include <QDialog>

#include "calendar/day_number.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace kal {

class TMainForm;

class TExportCalendarDlg : public QDialog {
  Q_OBJECT

 public:
  // from: the day on display on the calendar in force (its Julian date on
  // the Old Calendar); the range offered is the year that starts there.
  TExportCalendarDlg(QWidget* parent, const YearMonthDay& from, const QString& folder);

  YearMonthDay From() const;
  YearMonthDay To() const;
  bool WithReadings() const;
  QString FileName() const;

  void accept() override;  // refuses an empty file name or a run that ends before it starts

 private:
  void Browse();

  QDateEdit* from_ = nullptr;
  QDateEdit* to_ = nullptr;
  QCheckBox* readings_ = nullptr;
  QLineEdit* file_ = nullptr;
};

// The command: asks for the range and writes the file; messages go through
// the program's prompt.
void ExportCalendarCommand(TMainForm& main);

}  // namespace kal
