// The page, the personalised-copy mark and the icon panel in dark and
// high-contrast palettes: every character stands out from its page by at
// least the 4.5:1 contrast of accessible text, while the document itself
// (what is saved and printed) keeps its black.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <cmath>

#include "dark_palette.h"
#include "icon_panel.h"
#include "kalview_fixture.h"
#include "main_form.h"

namespace kal {
namespace {

double Luminance(QColor c) {
  const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette HighContrastPalette() {
  QPalette p(Qt::white, Qt::black);
  p.setColor(QPalette::Base, Qt::black);
  p.setColor(QPalette::Text, Qt::white);
  p.setColor(QPalette::WindowText, Qt::white);
  return p;
}

// The colour each run of the page is drawn in: an on-screen recolouring
// first, then the run's own colour, then the palette's text colour.
QColor DrawnInk(QTextEdit* editor, const QTextFragment& fragment) {
  QColor ink = fragment.charFormat().foreground().style() == Qt::NoBrush
                   ? editor->palette().color(QPalette::Text)
                   : fragment.charFormat().foreground().color();
  for (const QTextEdit::ExtraSelection& run : editor->extraSelections()) {
    if (run.format.hasProperty(QTextFormat::ForegroundBrush) && run.cursor.selectionStart() <= fragment.position() &&
        fragment.position() < run.cursor.selectionEnd()) {
      ink = run.format.foreground().color();
    }
  }
  return ink;
}

// The lowest contrast of any text on the page, as drawn.
double WeakestText(QTextEdit* editor) {
  editor->viewport()->grab();  // draws the page as the screen would
  const QColor page = editor->palette().color(QPalette::Base);
  double weakest = 100;
  int runs = 0;
  for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().text().trimmed().isEmpty()) continue;
      weakest = std::min(weakest, Contrast(DrawnInk(editor, it.fragment()), page));
      ++runs;
    }
  }
  EXPECT_GT(runs, 0) << "the page has text";
  return weakest;
}

// The page as drawn, without the text cursor (drawn in the palette's text
// colour whatever the page's ink).
QImage DrawnPage(QTextEdit* editor) {
  const int caret = editor->cursorWidth();
  editor->setCursorWidth(0);
  const QImage page = editor->viewport()->grab().toImage();
  editor->setCursorWidth(caret);
  return page;
}

// The strongest contrast any pixel of the picture has against the colour at
// its corner: glyph cores carry the full ink colour.
double StrongestPixel(const QImage& picture) {
  const QColor ground = picture.pixelColor(0, 0);
  double strongest = 1;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) strongest = std::max(strongest, Contrast(picture.pixelColor(x, y), ground));
  return strongest;
}

bool HoldsOnlyBlackText(QTextEdit* editor) {
  for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QBrush ink = it.fragment().charFormat().foreground();
      if (ink.style() != Qt::NoBrush && ink.color() != Qt::black) return false;
    }
  return true;
}

class PageColoursTest : public KalviewTest {
 protected:
  void SetUp() override {
    KalviewTest::SetUp();
    saved_ = QApplication::palette();
  }
  void TearDown() override {
    KalviewTest::TearDown();
    QApplication::setPalette(saved_);
  }
  QLabel* Caption() const { return windows_.main->Icons()->findChild<QLabel*>("CenterPanel"); }
  QPalette saved_;
};

TEST_F(PageColoursTest, BothViewsAndTheIconPanelAreReadableInDarkAndHighContrastPalettes) {
  for (const QPalette& palette : {DarkDesktopPalette(), HighContrastPalette()}) {
    QApplication::setPalette(palette);
    Start(QDate(2021, 1, 7));
    QTextEdit* editor = Editor();
    EXPECT_EQ(editor->palette().color(QPalette::Base), palette.color(QPalette::Base));
    EXPECT_GE(WeakestText(editor), 4.5) << "troparia";
    EXPECT_GE(StrongestPixel(DrawnPage(editor)), 4.5) << "troparia as drawn";
    // The hymn document itself keeps the library's black.
    EXPECT_TRUE(HoldsOnlyBlackText(editor));

    IconPanel* icons = windows_.main->Icons();
    ASSERT_GT(icons->PanelWidth(), 0);
    const QColor panel = icons->palette().color(icons->backgroundRole());
    EXPECT_EQ(panel, palette.color(QPalette::Base));
    EXPECT_GE(Contrast(Caption()->palette().color(Caption()->foregroundRole()), panel), 4.5);
    EXPECT_GE(StrongestPixel(Caption()->grab().toImage()), 4.5) << "icon caption as drawn";
    for (QLabel* bar : {windows_.main->DateBar(), windows_.main->InfoBar()})
      EXPECT_GE(Contrast(bar->palette().color(bar->foregroundRole()), bar->palette().color(bar->backgroundRole())), 4.5);

    Press(Qt::Key_F9);
    ASSERT_TRUE(Item("MDailyBibleReadings")->isChecked());
    EXPECT_GE(WeakestText(editor), 4.5) << "readings";
    EXPECT_GE(StrongestPixel(DrawnPage(editor)), 4.5) << "readings as drawn";
    EXPECT_TRUE(HoldsOnlyBlackText(editor));
    Stop();
  }
}

TEST_F(PageColoursTest, APersonalisedCopyIsMarkedInEveryPaletteAndSavedAsBefore) {
  QApplication::setPalette(DarkDesktopPalette());
  Start();
  prompt_.answers = {PromptAnswer::Ok};
  Press(Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(QFile::exists(CopyPath("12-25.TRP")));
  const QColor marked = Editor()->palette().color(QPalette::Base);
  EXPECT_NE(marked, DarkDesktopPalette().color(QPalette::Base)) << "a copy is visibly marked";
  EXPECT_LT(marked.lightnessF(), 0.5) << "and stays dark in a dark palette";
  EXPECT_GE(WeakestText(Editor()), 4.5);
  // The copy holds the page's black, as it does in a light palette.
  QFile copy(CopyPath("12-25.TRP"));
  ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
  EXPECT_TRUE(copy.readAll().contains("\\red0\\green0\\blue0;"));

}

}  // namespace
}  // namespace kal
