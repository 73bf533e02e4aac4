// The two toolbars in their docks: the main toolbar's narrow shape at the
// left and right, the edit toolbar's Font Dialog button in place of its
// combo boxes there, the close box of a floating toolbar, and the scaling
// of the window's bars on screens less than 540 pixels high.
#pragma once

#include <QObject>

class QToolBar;
class QWidget;

namespace kal {

class TMainForm;

class ToolbarDocking : public QObject {
  Q_OBJECT

 public:
  explicit ToolbarDocking(TMainForm& form);
  static ToolbarDocking* Of(const TMainForm& form);

  // Gives each toolbar the shape of the dock it is in; runs whenever a
  // toolbar's dock may have changed.
  void DockChanged();
  // The display's resolution changed: the bars shrink below 540 pixels of
  // screen height and grow back at 540 or more.
  void ScreenSizeChanged();
  bool BarsScaled() const { return scaled_; }

  // Screen heights below this scale the bars by 36/40.
  static constexpr int kSmallScreenHeight = 540;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Place {
    int area = 0;
    int row = 0;
    bool floating = false;
    bool operator==(const Place&) const = default;
  };
  Place PlaceOf(QToolBar* bar) const;
  bool InSideDock(QToolBar* bar) const;
  void ToStartOfRow(QToolBar* bar);
  void ShapeMainToolBar(bool narrow);
  void ShapeEditToolBar(bool side);
  void SetWidth(QWidget* widget, int width);
  void ScaleBars(bool small);

  TMainForm& form_;
  Place mainPlace_, editPlace_;
  bool placesKnown_ = false;
  bool shown_ = false;
  bool scaled_ = false;
};

}  // namespace kal
