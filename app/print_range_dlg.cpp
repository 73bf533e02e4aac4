#include "print_range_dlg.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app_context.h"
#include "date_lists.h"
#include "window_placement.h"

namespace kal {

namespace {

const char* const kPrintRangeSection = "PrintRangeWindow";
// The box's caption carries trailing blanks, as the program always showed it.
const char* const kInvalidCaption = "Print Range                                         ";
// The last day may lie at most this many days after the first: 31 days.
constexpr int kLongestSpan = 30;

YearMonthDay AddDays(const YearMonthDay& date, int days) { return DecodeDate(EncodeDate(date) + days); }

QComboBox* MakeList(QWidget* parent, const char* name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  return list;
}

}  // namespace

TPrintRangeDlg::TPrintRangeDlg(QWidget* parent, const YearMonthDay& from)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      from_(from),
      to_(AddDays(from, 1)) {
  setObjectName("TPrintRangeDlg");
  setWindowTitle("Print a Range of Dates");
  setProperty("helpContext", 260);

  auto* column = new QVBoxLayout(this);
  auto* title = new QLabel("Set Starting Date First - Maximum 31 Days", this);
  title->setObjectName("Label1");
  title->setAlignment(Qt::AlignCenter);
  column->addWidget(title);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* grid = new QGridLayout(bevel);
  auto* fromLabel = new QLabel("From:", bevel);
  fromLabel->setObjectName("FromLbl");
  fromLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* toLabel = new QLabel("To:", bevel);
  toLabel->setObjectName("ToLbl");
  toLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  fromMonth_ = MakeList(bevel, "FromMonth");
  fromDay_ = MakeList(bevel, "FromDay");
  fromYear_ = MakeList(bevel, "FromYear");
  toMonth_ = MakeList(bevel, "ToMonth");
  toDay_ = MakeList(bevel, "ToDay");
  toYear_ = MakeList(bevel, "ToYear");
  for (QComboBox* month : {fromMonth_, toMonth_}) FillMonthList(*month);
  for (QComboBox* day : {fromDay_, toDay_}) FillDayList(*day);
  for (QComboBox* year : {fromYear_, toYear_}) FillYearList(*year);
  grid->addWidget(fromLabel, 0, 0);
  grid->addWidget(fromMonth_, 0, 1);
  grid->addWidget(fromDay_, 0, 2);
  grid->addWidget(fromYear_, 0, 3);
  grid->addWidget(toLabel, 1, 0);
  grid->addWidget(toMonth_, 1, 1);
  grid->addWidget(toDay_, 1, 2);
  grid->addWidget(toYear_, 1, 3);
  grid->setColumnMinimumWidth(1, 130);
  column->addWidget(bevel);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancelButtons(*this, *buttons);
  buttons->addStretch();
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);

  SelectListDate(*fromMonth_, *fromDay_, *fromYear_, from_);
  SelectListDate(*toMonth_, *toDay_, *toYear_, to_);
  for (QComboBox* list : {fromMonth_, fromDay_, fromYear_}) {
    connect(list, &QComboBox::currentIndexChanged, this, &TPrintRangeDlg::FromChanged);
  }
  for (QComboBox* list : {toMonth_, toDay_, toYear_}) {
    connect(list, &QComboBox::currentIndexChanged, this, &TPrintRangeDlg::ToChanged);
  }
}

TPrintRangeDlg::~TPrintRangeDlg() { SaveWindowPosition(*this, kPrintRangeSection); }

void TPrintRangeDlg::showEvent(QShowEvent* event) {
  RestoreWindowPosition(*this, kPrintRangeSection);
  QDialog::showEvent(event);
}

void TPrintRangeDlg::RefuseDate(QComboBox* month, QComboBox* day, QComboBox* year, const YearMonthDay& kept) {
  {
    const QSignalBlocker a(month), b(day), c(year);
    SelectListDate(*month, *day, *year, kept);
  }
  App().prompt->Ask(PromptKind::Information, kInvalidCaption, kNotValidDateText, PromptButtons::Ok);
}

void TPrintRangeDlg::ShowTo() {
  const QSignalBlocker a(toMonth_), b(toDay_), c(toYear_);
  SelectListDate(*toMonth_, *toDay_, *toYear_, to_);
}

void TPrintRangeDlg::FromChanged() {
  const YearMonthDay candidate = ListDate(*fromMonth_, *fromDay_, *fromYear_);
  // The last day of the lists cannot start a range: its next day lies
  // beyond the To lists.
  const bool lastListDay = candidate == YearMonthDay{kLastListYear, 12, 31};
  if (!IsValidListDate(candidate) || lastListDay) {
    RefuseDate(fromMonth_, fromDay_, fromYear_, from_);
    return;
  }
  const DayNumber first = EncodeDate(candidate);
  const DayNumber last = EncodeDate(to_);
  if (first >= last) {
    to_ = AddDays(candidate, 1);
    ShowTo();
  } else if (last - first > kLongestSpan) {
    to_ = AddDays(candidate, kLongestSpan);
    ShowTo();
  }
  from_ = candidate;
}

void TPrintRangeDlg::ToChanged() {
  const YearMonthDay candidate = ListDate(*toMonth_, *toDay_, *toYear_);
  if (!IsValidListDate(candidate)) {
    RefuseDate(toMonth_, toDay_, toYear_, to_);
    return;
  }
  const DayNumber first = EncodeDate(from_);
  const DayNumber last = EncodeDate(candidate);
  if (last > first && last - first <= kLongestSpan) {
    to_ = candidate;
    return;
  }
  to_ = AddDays(from_, last > first ? kLongestSpan : 1);
  ShowTo();
}

}  // namespace kal
