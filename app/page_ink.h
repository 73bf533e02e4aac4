// The page's colours on screen. The hymn documents and the readings page
// write their text in plain black; on screen that black is drawn in the
// palette's text colour, so a dark or high-contrast palette shows a readable
// page. Only the drawing changes: the document keeps its black, so saved
// copies and printouts are as they always were.
#pragma once

#include <QColor>
#include <QObject>

class QPalette;
class QTextEdit;

namespace kal {

class PageInk : public QObject {
  Q_OBJECT

 public:
  explicit PageInk(QTextEdit* editor);
  // Recolours the page's black runs now; drawing does it by itself.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTextEdit* editor_;
  bool stale_ = true;
};

// The background that marks a personalised copy: the palette's base tinted
// towards yellow. A white base gives the familiar pale yellow 255, 255, 239;
// a dark base a warm dark shade that still reads as marked.
QColor PersonalPageColour(const QPalette& palette);

}  // namespace kal
