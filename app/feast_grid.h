// FeastGrid: the month grid of the date selection window, with each day's
// standing marked at a glance: Pascha and the Twelve Great Feasts in bold
// red, the fast days with a small mark by strictness, and a tooltip with the
// day's name and fasting. Everything it shows comes from the calendar
// library's own day values.
#pragma once

#include <QCalendarWidget>
#include <QWidget>
#include <functional>

#include "calendar/day_designation.h"
#include "calendar/fasting.h"
#include "calendar/selected_day.h"

namespace kal {

struct DayMarks {
  bool valid = false;  // false outside the calendar's range
  FeastRank rank = FeastRank::None;
  FastLevel fast = FastLevel::None;
  QString tooltip;
};

// The marks of the day a grid cell shows (a shifted Old date on the Old
// calendar).
DayMarks MarksOfGridDate(const QDate& gridDate, CalendarMode mode);

class FeastGrid : public QCalendarWidget {
  Q_OBJECT

 public:
  FeastGrid(std::function<CalendarMode()> mode, QWidget* parent);

  // The grid date under a point of the grid's own coordinates; invalid over
  // the header.
  QDate DateAt(const QPoint& pos) const;
  // Puts the feasts of the shown page in bold red (after a change of page,
  // calendar or palette).
  void RefreshMarks();

  // Draws a fast mark centred in `box` (also used by the legend).
  static void PaintFastMark(QPainter& painter, const QRectF& box, FastLevel level, const QPalette& palette);
  static QColor FeastColor(const QPalette& palette);

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::function<CalendarMode()> mode_;
  QWidget* view_ = nullptr;
};

// The key to the marks, shown under the grid.
class FeastLegend : public QWidget {
 public:
  explicit FeastLegend(QWidget* parent);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kal
