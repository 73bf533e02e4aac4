// TAboutBox, the program's about box, and the message with the dates of
// Western Easter and Pascha for the year on display.
#pragma once

#include <QDialog>

#include "calendar/selected_day.h"

class QFrame;
class QLabel;
class QPushButton;

namespace kal {

class TMainForm;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* MainPanel() const { return panel_; }

 private:
  void Arrange();

  QFrame* panel_ = nullptr;
  QPushButton* ok_ = nullptr;
};

// The About command: the box, shown modally.
void AboutCommand(TMainForm& main);

// "This year the date of Easter for Catholic, Anglican and Protestant
// Christians is April 23. The civil calendar date of Pascha is April 30. "
// from the dates the selected day holds.
QString EasterMessage(const SelectedDay& day);
void FindEasterDateCommand(TMainForm& main);

}  // namespace kal
