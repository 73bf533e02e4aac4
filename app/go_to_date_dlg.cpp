#include "go_to_date_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app_context.h"
#include "date_box.h"
#include "date_lists.h"
#include "main_form.h"
#include "modal_runner.h"
#include "window_placement.h"

namespace kal {

namespace {
const char* const kGoToDateSection = "GoToDateWindow";
// The box's caption carries trailing blanks, as the program always showed it.
const char* const kInvalidCaption = "Go To Date                                          ";
}  // namespace

TGoToDateDlg::TGoToDateDlg(QWidget* parent, const YearMonthDay& start, const QString& hint)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      chosen_(start) {
  setObjectName("TGoToDateDlg");
  setWindowTitle("Go To a Selected Date");
  setProperty("helpContext", 245);
  setToolTip(hint);

  auto* frame = new QGroupBox(this);
  frame->setObjectName("DateFrame");
  auto* lists = new QHBoxLayout(frame);
  month_ = new QComboBox(frame);
  month_->setObjectName("Month");
  month_->setFont(QFont("Arial"));
  day_ = new QComboBox(frame);
  day_->setObjectName("Day");
  year_ = new QComboBox(frame);
  year_->setObjectName("Year");
  FillMonthList(*month_);
  FillDayList(*day_);
  FillYearList(*year_);
  month_->setMinimumWidth(150);
  lists->addWidget(month_, 3);
  lists->addWidget(day_, 1);
  lists->addWidget(year_, 2);
  SelectListDate(*month_, *day_, *year_, chosen_);

  auto* buttons = new QVBoxLayout;
  AddOkCancelButtons(*this, *buttons);
  buttons->addStretch();

  auto* row = new QHBoxLayout(this);
  row->addWidget(frame, 1);
  row->addLayout(buttons);
  setFixedSize(415, 121);

  for (QComboBox* list : {month_, day_, year_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] { ListChanged(); });
  }
}

TGoToDateDlg::~TGoToDateDlg() { SaveWindowPosition(*this, kGoToDateSection); }

void TGoToDateDlg::showEvent(QShowEvent* event) {
  RestoreWindowPosition(*this, kGoToDateSection);
  QDialog::showEvent(event);
}

void TGoToDateDlg::ListChanged() {
  const YearMonthDay candidate = ListDate(*month_, *day_, *year_);
  if (IsValidListDate(candidate)) {
    chosen_ = candidate;
    return;
  }
  // The list just changed goes back; the others already show the kept date.
  {
    const QSignalBlocker a(month_), b(day_), c(year_);
    SelectListDate(*month_, *day_, *year_, chosen_);
  }
  App().prompt->Ask(PromptKind::Information, kInvalidCaption, kNotValidDateText, PromptButtons::Ok);
}

void RunGoToDate(TMainForm& main, TDateBox& dateBox, QObject* sender, QWidget& opener) {
  const CalendarMode mode = main.Mode();
  const YearMonthDay shown = ActiveListDate(dateBox.Day(), mode);
  if (!YearInLists(shown.year)) {
    App().prompt->Ask(PromptKind::Information, "Go To Date", GoToDateRangeMessage(), PromptButtons::Ok);
    return;
  }
  TGoToDateDlg dialog(&opener, shown, main.StatusText);
  if (RunModal(dialog) != QDialog::Accepted) return;
  // The grid's change recomputes both calendars and loads the day.
  dateBox.SetGrid(GridDateOf(dialog.Chosen(), mode), sender);
  main.ShowStatusText();
}

}  // namespace kal
