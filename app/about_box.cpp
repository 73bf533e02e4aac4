#include "about_box.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "app_context.h"
#include "date_box.h"
#include "kal_version.h"
#include "locale_date_names.h"
#include "main_form.h"
#include "modal_runner.h"

namespace kal {

namespace {

constexpr int kPanelLeft = 10;
constexpr int kPanelTop = 10;
constexpr int kPanelWidth = 351;
constexpr int kPanelHeight = 300;

// The program's icon: a three-bar cross on a gold ground.
QPixmap ProgramIconPicture() {
  QPixmap picture(32, 32);
  picture.fill(QColor(212, 175, 55));
  QPainter painter(&picture);
  painter.setPen(QPen(QColor(120, 20, 20), 1));
  painter.drawRect(0, 0, 31, 31);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(120, 20, 20));
  painter.drawRect(14, 4, 4, 25);   // upright
  painter.drawRect(11, 7, 10, 2);   // title board
  painter.drawRect(7, 12, 18, 3);   // arms
  QPainterPath footrest;             // slanted footrest, higher on the left
  footrest.moveTo(9, 21);
  footrest.lineTo(23, 24);
  footrest.lineTo(23, 26);
  footrest.lineTo(9, 23);
  footrest.closeSubpath();
  painter.drawPath(footrest);
  return picture;
}

QLabel* AddLabel(QFrame* panel, const char* name, const QString& text, int top) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  label->move(0, top);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  return label;
}

QString MonthDay(DayNumber date) {
  const YearMonthDay parts = DecodeDate(date);
  return QString("%1 %2").arg(QString::fromStdString(ProgramDateNames().MonthName(parts.month))).arg(parts.day);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TAboutBox");
  setWindowTitle("About Kalendra");
  setProperty("helpContext", 235);

  panel_ = new QFrame(this);
  panel_->setObjectName("MainPanel");
  panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel_->setGeometry(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);

  auto* icon = new QLabel(panel_);
  icon->setObjectName("ProgramIcon");
  icon->setPixmap(ProgramIconPicture());
  icon->move(0, 16);

  QLabel* name = AddLabel(panel_, "ProductName", "KALENDRA", 56);
  QFont nameFont("Times New Roman");
  nameFont.setPixelSize(30);
  nameFont.setBold(true);
  name->setFont(nameFont);
  QPalette blue = name->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  name->setPalette(blue);
  AddLabel(panel_, "ProductDescription", "for Windows 95/98/ME/NT4/2000", 104);
  AddLabel(panel_, "Version", "Version " KAL_VERSION, 130);
  AddLabel(panel_, "Notice1", "Troparia, kontakia and readings of each day", 190);
  AddLabel(panel_, "Notice2", "Bible text: KJV, with the WEB deuterocanon", 214);
  QLabel* comments = AddLabel(panel_, "Comments", QString(), 246);
  comments->setWordWrap(true);

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OKButton");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  Arrange();
  setFixedSize(kPanelLeft * 2 + kPanelWidth, kPanelTop + kPanelHeight + ok_->height() + 20);
  ok_->setFocus();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void TAboutBox::Arrange() {
  // Each single-line label first takes the panel's width, then shrinks to
  // its text; then every control is centred in the panel.
  const int width = panel_->width();
  for (const char* name : {"ProductName", "ProductDescription", "Version", "Notice1", "Notice2"}) {
    auto* label = panel_->findChild<QLabel*>(name);
    label->setFixedWidth(width);
    label->setMinimumWidth(0);
    label->setMaximumWidth(QWIDGETSIZE_MAX);
    label->adjustSize();
  }
  auto* comments = panel_->findChild<QLabel*>("Comments");
  comments->setFixedWidth(width - 10);
  comments->adjustSize();
  auto* icon = panel_->findChild<QLabel*>("ProgramIcon");
  icon->adjustSize();
  for (QLabel* label : panel_->findChildren<QLabel*>()) {
    label->move(width / 2 - label->width() / 2, label->y());
  }
  ok_->adjustSize();
  ok_->move(width / 2 - ok_->width() / 2 + kPanelLeft, kPanelTop + kPanelHeight + 10);
}

void AboutCommand(TMainForm& main) {
  TAboutBox box(&main);
  RunModal(box);
}

QString EasterMessage(const SelectedDay& day) {
  return "This year the date of Easter for Catholic, Anglican and Protestant Christians is " +
         MonthDay(day.WesternEaster) + ". " + "The civil calendar date of Pascha is " + MonthDay(day.Pascha) + ". ";
}

void FindEasterDateCommand(TMainForm& main) {
  App().prompt->Ask(PromptKind::Information, TMainForm::ApplicationTitle(), EasterMessage(main.DateBox()->Day()),
                    PromptButtons::Ok);
  main.ShowStatusText();
}

}  // namespace kal
