#include "toolbar_docking.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app_context.h"
#include "command_guard.h"
#include "main_form.h"

namespace kal {

namespace {

// Scaled sizes are always worked out from the size a control was built
// with, so shrinking and growing back never drifts.
constexpr const char* kBaseFont = "kalBaseFont";
constexpr const char* kBaseWidth = "kalBaseWidth";
constexpr const char* kBaseHeight = "kalBaseHeight";
constexpr const char* kBaseIconSize = "kalBaseIconSize";

int Scaled(int size, bool small) { return small ? static_cast<int>(std::lround(size * 36.0 / 40.0)) : size; }

// The lens drawn on a 16-pixel grid; a painter scaled by 2 gives the same
// shape with twice the pixels, so a high-density screen shows it sharp.
void DrawMagnifier(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawEllipse(QRectF(2, 2, 8, 8));
  painter.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
}

QPixmap MagnifierPixmap(int scale) {
  QPixmap glyph(16 * scale, 16 * scale);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.scale(scale, scale);
  DrawMagnifier(painter);
  painter.end();
  glyph.setDevicePixelRatio(scale);
  return glyph;
}

QIcon MagnifierGlyph() {
  QIcon glyph;
  glyph.addPixmap(MagnifierPixmap(1));
  glyph.addPixmap(MagnifierPixmap(2));
  return glyph;
}

QAction* HolderOf(QToolBar* bar, QWidget* widget) {
  for (QAction* action : bar->actions()) {
    if (bar->widgetForAction(action) == widget) return action;
  }
  return nullptr;
}

void ScaleFont(QWidget* widget, bool small) {
  if (!widget->property(kBaseFont).isValid()) widget->setProperty(kBaseFont, widget->font());
  const QFont base = widget->property(kBaseFont).value<QFont>();
  QFont font = base;
  if (base.pixelSize() > 0) {
    font.setPixelSize(std::max(1, Scaled(base.pixelSize(), small)));
  } else if (base.pointSizeF() > 0) {
    font.setPointSizeF(small ? base.pointSizeF() * 36.0 / 40.0 : base.pointSizeF());
  }
  widget->setFont(font);
}

void ScaleFixedHeight(QWidget* widget, bool small) {
  if (!widget->property(kBaseHeight).isValid()) {
    if (widget->minimumHeight() != widget->maximumHeight()) return;
    widget->setProperty(kBaseHeight, widget->maximumHeight());
  }
  widget->setFixedHeight(Scaled(widget->property(kBaseHeight).toInt(), small));
}

}  // namespace

ToolbarDocking::ToolbarDocking(TMainForm& form) : QObject(&form), form_(form) {
  setObjectName("ToolbarDocking");
  QToolButton* findSaint = form.ToolButton("MTBFindSaint");
  findSaint->setIcon(MagnifierGlyph());
  findSaint->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (QToolBar* bar : {form.MainToolBar(), form.EditToolBar()}) {
    bar->installEventFilter(this);
    connect(bar, &QToolBar::topLevelChanged, this, [this, bar](bool floating) {
      DockChanged();
      // A toolbar dropped into a dock goes to the start of its row, once
      // the layout that placed it has settled.
      if (!floating) QTimer::singleShot(0, this, [this, bar] { ToStartOfRow(bar); });
    });
    connect(bar, &QToolBar::orientationChanged, this, [this] { DockChanged(); });
  }
  form.installEventFilter(this);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    connect(screen, &QScreen::geometryChanged, this, [this] { ScreenSizeChanged(); });
  }
  DockChanged();
}

ToolbarDocking* ToolbarDocking::Of(const TMainForm& form) {
  return form.findChild<ToolbarDocking*>("ToolbarDocking");
}

ToolbarDocking::Place ToolbarDocking::PlaceOf(QToolBar* bar) const {
  // The row is told by the distance from the toolbar's own edge of the
  // window, which resizing the window leaves alone.
  const Qt::ToolBarArea area = form_.toolBarArea(bar);
  int row = 0;
  switch (area) {
    case Qt::LeftToolBarArea: row = bar->x(); break;
    case Qt::RightToolBarArea: row = form_.width() - bar->geometry().right(); break;
    case Qt::BottomToolBarArea: row = form_.height() - bar->geometry().bottom(); break;
    default: row = bar->y(); break;
  }
  return {static_cast<int>(area), bar->isFloating() ? 0 : row, bar->isFloating()};
}

bool ToolbarDocking::InSideDock(QToolBar* bar) const {
  const Qt::ToolBarArea area = form_.toolBarArea(bar);
  return !bar->isFloating() && (area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea);
}

void ToolbarDocking::DockChanged() {
  const Place mainPlace = PlaceOf(form_.MainToolBar());
  const Place editPlace = PlaceOf(form_.EditToolBar());
  // Until the window is first shown its layout is not settled: only the
  // first look (the window being made) counts.
  if (placesKnown_ && !shown_) return;
  if (placesKnown_ && mainPlace == mainPlace_ && editPlace == editPlace_) return;
  // The first look at the docks (the window being made) shapes only a bar
  // that starts in a side dock; the bars are built for the top.
  const bool first = !placesKnown_;
  const bool mainMoved = first ? InSideDock(form_.MainToolBar()) : !(mainPlace == mainPlace_);
  const bool editMoved = first || !(editPlace == editPlace_);
  placesKnown_ = true;
  mainPlace_ = mainPlace;
  editPlace_ = editPlace;

  RedrawFreeze freeze(&form_);
  if (mainMoved) ShapeMainToolBar(InSideDock(form_.MainToolBar()));
  if (editMoved) {
    // The page's modified flag outlives the edit toolbar's change of shape.
    form_.SavedModified = form_.Editor()->document()->isModified();
    ShapeEditToolBar(InSideDock(form_.EditToolBar()));
    form_.Editor()->document()->setModified(form_.SavedModified);
  }
  form_.SetEditorMargins();
}

void ToolbarDocking::ToStartOfRow(QToolBar* bar) {
  if (bar->isFloating() || bar->isHidden()) return;
  const Qt::ToolBarArea area = form_.toolBarArea(bar);
  const bool vertical = area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea;
  for (QToolBar* other : {form_.MainToolBar(), form_.EditToolBar()}) {
    if (other == bar || other->isFloating() || other->isHidden() || form_.toolBarArea(other) != area) continue;
    const bool sameRow = vertical ? other->x() == bar->x() : other->y() == bar->y();
    const bool before = vertical ? other->y() < bar->y() : other->x() < bar->x();
    if (sameRow && before) {
      form_.insertToolBar(other, bar);
      bar->show();
      return;
    }
  }
}

void ToolbarDocking::SetWidth(QWidget* widget, int width) {
  widget->setProperty(kBaseWidth, width);
  widget->setFixedWidth(Scaled(width, scaled_));
}

void ToolbarDocking::ShapeMainToolBar(bool narrow) {
  const struct {
    const char* name;
    const char* wide;
    const char* narrow;
  } views[] = {{"MTBKalendra", "Kalendra", "M"}, {"MTBBibleReadings", "Bible Readings", "B"},
               {"MTBLivesSaints", "Lives of Saints", "L"}};
  for (const auto& view : views) {
    QToolButton* button = form_.ToolButton(view.name);
    button->setText(narrow ? view.narrow : view.wide);
    SetWidth(button, narrow ? 28 : 120);
  }
  QToolButton* end = form_.ToolButton("MTBEndBibleSearch");
  end->setText(narrow ? "E" : "End Bible Search");
  SetWidth(end, narrow ? 28 : 150);
  QToolButton* findSaint = form_.ToolButton("MTBFindSaint");
  SetWidth(findSaint, narrow ? 28 : 150);
  // The caption stays (it changes with the view); the narrow button shows
  // only its glyph.
  findSaint->setToolButtonStyle(narrow ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
}

void ToolbarDocking::ShapeEditToolBar(bool side) {
  QToolBar* bar = form_.EditToolBar();
  for (const char* name : {"ETBFontName", "ETBFontSize", "ETBFontColor"}) {
    if (QAction* holder = HolderOf(bar, bar->findChild<QComboBox*>(name))) holder->setVisible(!side);
  }
  if (QAction* holder = HolderOf(bar, form_.ToolButton("ETBFontButton"))) holder->setVisible(side);
}

// ------------------------------------------------------------ scaling

void ToolbarDocking::ScreenSizeChanged() {
  const ScreenInfo fallback;
  const int height = (App().screen ? App().screen->Size() : fallback.Size()).height();
  const bool small = height < kSmallScreenHeight;
  // Acts only when the height crosses 540: the bars are scaled once at most.
  if (small == scaled_) return;
  ScaleBars(small);
  for (QWidget* child : form_.findChildren<QWidget*>()) child->update();
}

void ToolbarDocking::ScaleBars(bool small) {
  scaled_ = small;
  RedrawFreeze freeze(&form_);
  for (QToolBar* bar : {form_.MainToolBar(), form_.EditToolBar()}) {
    if (!bar->property(kBaseIconSize).isValid()) bar->setProperty(kBaseIconSize, bar->iconSize());
    const QSize icons = bar->property(kBaseIconSize).toSize();
    bar->setIconSize(QSize(Scaled(icons.width(), small), Scaled(icons.height(), small)));
    ScaleFont(bar, small);
    for (QWidget* child : bar->findChildren<QWidget*>()) {
      ScaleFont(child, small);
      if (child->property(kBaseWidth).isValid() || (child->minimumWidth() == child->maximumWidth() &&
                                                    child->maximumWidth() > 0)) {
        if (!child->property(kBaseWidth).isValid()) child->setProperty(kBaseWidth, child->maximumWidth());
        child->setFixedWidth(Scaled(child->property(kBaseWidth).toInt(), small));
      }
    }
  }
  for (QLabel* bar : {form_.DateBar(), form_.InfoBar()}) {
    ScaleFont(bar, small);
    ScaleFixedHeight(bar, small);
  }
  QStatusBar* status = form_.statusBar();
  ScaleFont(status, small);
  for (QLabel* panel : {form_.StatusPanel(0), form_.StatusPanel(1)}) ScaleFont(panel, small);
  form_.SetEditorMargins();
}

bool ToolbarDocking::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == &form_) {
    if (type == QEvent::Show && !shown_) {
      // The first showing: the rows the toolbars were laid out in are where
      // they start; a small screen shrinks the bars once.
      shown_ = true;
      placesKnown_ = false;
      DockChanged();
      const ScreenInfo fallback;
      const int height = (App().screen ? App().screen->Size() : fallback.Size()).height();
      if (height < kSmallScreenHeight && !scaled_) ScaleBars(true);
    }
    return false;
  }
  auto* bar = qobject_cast<QToolBar*>(watched);
  if (!bar) return false;
  if (type == QEvent::Close && bar->isFloating()) {
    // The close box of a floating toolbar: the toolbar goes, and so does
    // its menu item's check mark.
    const char* item = bar == form_.MainToolBar() ? "MShowMainToolBar" : "MShowEditToolBar";
    form_.Action(item)->setChecked(false);
    return false;
  }
  if (type == QEvent::Move || type == QEvent::ParentChange || type == QEvent::Show || type == QEvent::Resize) {
    DockChanged();
  }
  return false;
}

}  // namespace kal
