// A palette of the kind dark desktop themes give, for the pictures of the
// program in a dark theme and the tests that check its colours there.
#pragma once

#include <QColor>
#include <QPalette>

namespace kal {

inline QPalette DarkDesktopPalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(42, 46, 50));
  p.setColor(QPalette::WindowText, QColor(252, 252, 252));
  p.setColor(QPalette::Base, QColor(27, 30, 32));
  p.setColor(QPalette::AlternateBase, QColor(35, 38, 41));
  p.setColor(QPalette::Text, QColor(252, 252, 252));
  p.setColor(QPalette::Button, QColor(49, 54, 59));
  p.setColor(QPalette::ButtonText, QColor(252, 252, 252));
  p.setColor(QPalette::Highlight, QColor(61, 174, 233));
  p.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
  p.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
  p.setColor(QPalette::ToolTipText, QColor(252, 252, 252));
  return p;
}

}  // namespace kal
