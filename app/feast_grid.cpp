#include "feast_grid.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolTip>

#include "calendar/calendar.h"
#include "date_box.h"
#include "locale_date_names.h"

namespace kal {

namespace {

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

// The mark's colour stands out from the page in either palette; the shapes
// differ too, so the marks read without colour.
QColor MarkColor(FastLevel level, const QPalette& palette) {
  const bool dark = IsDark(palette);
  switch (level) {
    case FastLevel::Strict: return dark ? QColor(215, 170, 255) : QColor(96, 24, 140);
    case FastLevel::WineOil: return dark ? QColor(255, 200, 90) : QColor(150, 90, 0);
    case FastLevel::Fish: return dark ? QColor(120, 190, 255) : QColor(0, 80, 170);
    case FastLevel::None: break;
  }
  return palette.color(QPalette::Text);
}

const char* LevelName(FastLevel level) {
  switch (level) {
    case FastLevel::Strict: return "Strict fast";
    case FastLevel::WineOil: return "Wine and oil";
    case FastLevel::Fish: return "Fish";
    case FastLevel::None: break;
  }
  return "No fast";
}

}  // namespace

DayMarks MarksOfGridDate(const QDate& gridDate, CalendarMode mode) {
  DayMarks marks;
  const DayNumber n = ToDayNumber(gridDate);
  if (mode == CalendarMode::Old && (n < OldCalendarRange::FirstShifted() || n > OldCalendarRange::LastShifted()))
    return marks;
  const SelectedDay day = MakeSelectedDay(n, mode);
  marks.valid = true;
  marks.rank = FeastRankOf(day, mode);
  marks.fast = FastingLevel(day, mode);
  const auto name = DayName(DayNameId(day));
  QString tip = QString::fromStdString(DateTitle(day, mode, ProgramDateNames()));
  if (name) tip += "\n" + QString::fromStdString(*name);
  if (marks.rank == FeastRank::Pascha) tip += "\nPascha";
  if (marks.rank == FeastRank::GreatFeast) tip += "\nGreat Feast";
  const QString fasting = Trimmed(FastingText(day, mode)).replace(QStringLiteral("   "), QStringLiteral("\n"));
  tip += "\n" + (fasting.isEmpty() ? QString(LevelName(marks.fast)) : fasting);
  marks.tooltip = tip;
  return marks;
}

FeastGrid::FeastGrid(std::function<CalendarMode()> mode, QWidget* parent)
    : QCalendarWidget(parent), mode_(std::move(mode)) {
  // Red is kept for the feasts: weekends look like any other day.
  QTextCharFormat plain;
  plain.setForeground(palette().color(QPalette::Text));
  setWeekdayTextFormat(Qt::Saturday, plain);
  setWeekdayTextFormat(Qt::Sunday, plain);
  if (auto* view = findChild<QTableView*>()) {
    view_ = view->viewport();
    view_->installEventFilter(this);
    view_->setMouseTracking(true);
  }
  connect(this, &QCalendarWidget::currentPageChanged, this, [this] { RefreshMarks(); });
}

void FeastGrid::RefreshMarks() {
  setDateTextFormat(QDate(), QTextCharFormat());  // clears every day's format
  QTextCharFormat plain;
  plain.setForeground(palette().color(QPalette::Text));
  setWeekdayTextFormat(Qt::Saturday, plain);
  setWeekdayTextFormat(Qt::Sunday, plain);
  QTextCharFormat feast;
  feast.setForeground(FeastColor(palette()));
  feast.setFontWeight(QFont::Bold);
  const QDate first(yearShown(), monthShown(), 1);
  const CalendarMode mode = mode_();
  // The page shows up to six weeks around the month.
  for (QDate d = first.addDays(-14); d <= first.addDays(45); d = d.addDays(1)) {
    if (MarksOfGridDate(d, mode).rank != FeastRank::None) setDateTextFormat(d, feast);
  }
}

QColor FeastGrid::FeastColor(const QPalette& palette) {
  return IsDark(palette) ? QColor(255, 120, 120) : QColor(192, 0, 0);
}

void FeastGrid::PaintFastMark(QPainter& painter, const QRectF& box, FastLevel level, const QPalette& palette) {
  if (level == FastLevel::None) return;
  const QColor color = MarkColor(level, palette);
  const qreal s = std::min(box.width(), box.height());
  const QRectF r(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  switch (level) {
    case FastLevel::Strict:  // a filled disc
      painter.setPen(Qt::NoPen);
      painter.setBrush(color);
      painter.drawEllipse(r);
      break;
    case FastLevel::WineOil: {  // a filled triangle
      QPainterPath path;
      path.moveTo(r.center().x(), r.top());
      path.lineTo(r.right(), r.bottom());
      path.lineTo(r.left(), r.bottom());
      path.closeSubpath();
      painter.setPen(Qt::NoPen);
      painter.fillPath(path, color);
      break;
    }
    case FastLevel::Fish:  // a ring
      painter.setPen(QPen(color, std::max<qreal>(1.5, s / 5)));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(r.adjusted(s / 10, s / 10, -s / 10, -s / 10));
      break;
    case FastLevel::None: break;
  }
  painter.restore();
}

void FeastGrid::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
  QCalendarWidget::paintCell(painter, rect, date);
  const DayMarks marks = MarksOfGridDate(date, mode_());
  if (!marks.valid) return;
  const qreal size = std::max(6, rect.height() / 4);
  PaintFastMark(*painter, QRectF(rect.right() - size - 3, rect.top() + 3, size, size), marks.fast, palette());
}

QDate FeastGrid::DateAt(const QPoint& pos) const {
  auto* view = qobject_cast<QAbstractItemView*>(view_ ? view_->parentWidget() : nullptr);
  if (!view) return {};
  const QModelIndex index = view->indexAt(pos);
  if (!index.isValid()) return {};
  bool ok = false;
  const int day = index.data(Qt::DisplayRole).toInt(&ok);
  if (!ok) return {};  // the weekday header
  // The page shows the end of the month before in its first week and the
  // start of the next in its last ones.
  QDate month(yearShown(), monthShown(), 1);
  const int firstRow = horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
  if (index.row() == firstRow && day > 7) month = month.addMonths(-1);
  else if (index.row() >= firstRow + 3 && day < 15) month = month.addMonths(1);
  return QDate(month.year(), month.month(), day);
}

bool FeastGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QDate date = DateAt(help->pos());
    const DayMarks marks = date.isValid() ? MarksOfGridDate(date, mode_()) : DayMarks{};
    if (marks.valid) QToolTip::showText(help->globalPos(), marks.tooltip, view_);
    else QToolTip::hideText();
    return true;
  }
  return QCalendarWidget::eventFilter(watched, event);
}

void FeastGrid::changeEvent(QEvent* event) {
  QCalendarWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) RefreshMarks();
}

FeastLegend::FeastLegend(QWidget* parent) : QWidget(parent) {
  setObjectName("FeastLegend");
  setToolTip("Great feasts in red; fast days marked by what the fast allows");
}

QSize FeastLegend::sizeHint() const { return {403, fontMetrics().height() + 8}; }

void FeastLegend::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  const int h = height();
  const int mark = std::max(7, fontMetrics().height() / 2);
  int x = 6;
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(FeastGrid::FeastColor(palette()));
  const QString feast = QStringLiteral("Feast");
  painter.drawText(QRect(x, 0, 200, h), Qt::AlignVCenter | Qt::AlignLeft, feast);
  x += QFontMetrics(bold).horizontalAdvance(feast) + 12;
  painter.setFont(font());
  for (FastLevel level : {FastLevel::Strict, FastLevel::WineOil, FastLevel::Fish}) {
    FeastGrid::PaintFastMark(painter, QRectF(x, (h - mark) / 2.0, mark, mark), level, palette());
    x += mark + 4;
    painter.setPen(palette().color(QPalette::WindowText));
    const QString name = LevelName(level);
    painter.drawText(QRect(x, 0, 200, h), Qt::AlignVCenter | Qt::AlignLeft, name);
    x += fontMetrics().horizontalAdvance(name) + 12;
  }
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(x, 0, width() - x, h), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Unmarked: no fast"));
}

}  // namespace kal
