// MainRichEdit: the page editor, with a formatting rectangle inside its
// client area.
#pragma once

#include <QTextEdit>

namespace kal {

class RichEdit : public QTextEdit {
  Q_OBJECT

 public:
  using QTextEdit::QTextEdit;
  void SetFormattingMargins(int horizontal, int vertical) {
    setViewportMargins(horizontal, vertical, horizontal, vertical);
  }
};

}  // namespace kal
