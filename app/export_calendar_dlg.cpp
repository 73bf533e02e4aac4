#include "export_calendar_dlg.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <cstring>

#include "app_context.h"
#include "calendar/calendar.h"
#include "calendar_export.h"
#include "date_box.h"
#include "date_lists.h"
#include "hymnpak/hymnpak.h"
#include "main_form.h"
#include "modal_runner.h"
#include "richtext/rtf_reader.h"

namespace kal {

namespace {

QDate AsQDate(const YearMonthDay& d) { return QDate(d.year, d.month, d.day); }
YearMonthDay AsDate(const QDate& d) { return {d.year(), d.month(), d.day()}; }

// A date of the calendar in force as a New-calendar day number; false
// outside the Old Calendar's range.
bool CivilDay(const YearMonthDay& d, CalendarMode mode, DayNumber& civil) {
  const DayNumber grid = GridDateOf(d, mode);
  if (mode == CalendarMode::Old && (grid < OldCalendarRange::FirstShifted() || grid > OldCalendarRange::LastShifted()))
    return false;
  civil = MakeSelectedDay(grid, mode).NewDate;
  return true;
}

std::vector<std::string> Commemorations(std::uint16_t key) {
  const char* rtf = LoadTropFromResource(key);
  if (!rtf) return {};
  const QString text = richtext::rtfToPlainText(QByteArrayView(rtf, static_cast<qsizetype>(std::strlen(rtf))));
  return TitleBlock(text.toStdString());
}

}  // namespace

TExportCalendarDlg::TExportCalendarDlg(QWidget* parent, const YearMonthDay& from, const QString& folder)
    : QDialog(parent) {
  setObjectName("TExportCalendarDlg");
  setWindowTitle("Export to Calendar");
  setProperty("helpContext", 107);
  auto* form = new QFormLayout;
  from_ = new QDateEdit(AsQDate(from), this);
  from_->setObjectName("FromDate");
  to_ = new QDateEdit(AsQDate(from).addYears(1).addDays(-1), this);
  to_->setObjectName("ToDate");
  for (QDateEdit* edit : {from_, to_}) {
    edit->setDisplayFormat("MMMM d, yyyy");
    edit->setCalendarPopup(true);
  }
  form->addRow("&First day:", from_);
  form->addRow("&Last day:", to_);
  readings_ = new QCheckBox("Include the &readings of each service", this);
  readings_->setObjectName("WithReadings");
  form->addRow(QString(), readings_);
  file_ = new QLineEdit(QDir(folder).filePath(QString("Orthodox calendar %1.ics").arg(from.year)), this);
  file_->setObjectName("FileName");
  auto* browse = new QPushButton("&Browse...", this);
  connect(browse, &QPushButton::clicked, this, &TExportCalendarDlg::Browse);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(browse);
  form->addRow("&File:", fileRow);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  AddOkCancelButtons(*this, *column);
  setMinimumWidth(460);
}

YearMonthDay TExportCalendarDlg::From() const { return AsDate(from_->date()); }
YearMonthDay TExportCalendarDlg::To() const { return AsDate(to_->date()); }
bool TExportCalendarDlg::WithReadings() const { return readings_->isChecked(); }
QString TExportCalendarDlg::FileName() const { return file_->text().trimmed(); }

void TExportCalendarDlg::Browse() {
  const QString chosen =
      QFileDialog::getSaveFileName(this, "Export to Calendar", FileName(), "iCalendar files (*.ics);;All files (*)");
  if (!chosen.isEmpty()) file_->setText(chosen.endsWith(".ics", Qt::CaseInsensitive) ? chosen : chosen + ".ics");
}

void TExportCalendarDlg::accept() {
  QString problem;
  if (to_->date() < from_->date()) problem = "The last day comes before the first.";
  else if (FileName().isEmpty()) problem = "Please give the name of the file to write.";
  if (!problem.isEmpty()) {
    App().prompt->Ask(PromptKind::Warning, windowTitle(), problem, PromptButtons::Ok);
    return;
  }
  QDialog::accept();
}

void ExportCalendarCommand(TMainForm& main) {
  const CalendarMode mode = main.Mode();
  const YearMonthDay shown = ActiveListDate(main.DateBox()->Day(), mode);
  TExportCalendarDlg dialog(&main, shown, QDir::homePath());
  if (RunModal(dialog) != QDialog::Accepted) return;

  DayNumber first = 0, last = 0;
  if (!CivilDay(dialog.From(), mode, first) || !CivilDay(dialog.To(), mode, last)) {
    App().prompt->Ask(PromptKind::Information, "Export to Calendar", kOldCalendarRangeMessage, PromptButtons::Ok);
    return;
  }
  CalendarExportOptions options;
  options.Mode = mode;
  options.Readings = dialog.WithReadings();
  options.ProgramFolder = App().programFolder.toStdString();
  options.Commemorations = Commemorations;
  options.Stamp = QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'").toStdString();
  std::string missing;
  const std::string calendar = CalendarExport(first, last, options, &missing);
  if (!missing.empty()) {
    App().prompt->Ask(PromptKind::Error, TMainForm::ApplicationTitle(), QString::fromStdString(missing),
                      PromptButtons::Ok);
    return;
  }
  QSaveFile file(dialog.FileName());
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(calendar.data(), static_cast<qint64>(calendar.size())) != static_cast<qint64>(calendar.size()) ||
      !file.commit()) {
    App().prompt->Ask(PromptKind::Error, "Export to Calendar",
                      QString("Unable to write %1: %2").arg(QDir::toNativeSeparators(dialog.FileName()), file.errorString()),
                      PromptButtons::Ok);
    return;
  }
  main.StatusPanel(1)->setText(QString("Exported %1 days to %2").arg(last - first + 1).arg(dialog.FileName()));
}

}  // namespace kal
