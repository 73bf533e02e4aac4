// The icon panel in the window: the day's icon and caption, Show Next Icon
// and F12, Show Icons, and sizing by the screen's height.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "date_box.h"
#include "icon_panel.h"
#include "kalview_fixture.h"
#include "main_form.h"

namespace kal {
namespace {

class IconPanelTest : public KalviewTest {
 protected:
  IconPanel& Panel() const { return *windows_.main->Icons(); }
  QPushButton* NextButton() const { return windows_.main->findChild<QPushButton*>("ShowNextIcon"); }
};

TEST_F(IconPanelTest, F12AlternatesTheTwoIconsOfADay) {
  Start(QDate(2021, 8, 14));  // Julian 1 August: two icons in the pack only
  ASSERT_EQ(Panel().ShownIconKey(), 10801);
  EXPECT_TRUE(NextButton()->isVisibleTo(windows_.main.get()));
  EXPECT_TRUE(Item("NextIcon")->isEnabled());
  const QString first = Panel().Caption();
  EXPECT_FALSE(first.isEmpty());
  Press(Qt::Key_F12);
  EXPECT_EQ(Panel().ShownIconKey(), 20801);
  EXPECT_NE(Panel().Caption(), first);
  NextButton()->click();
  EXPECT_EQ(Panel().ShownIconKey(), 10801);
  EXPECT_EQ(Panel().Caption(), first);
  EXPECT_EQ(Day().ShownIconKey, 10801);
}

TEST_F(IconPanelTest, ADayWithOneIconOffersNoNextIcon) {
  Start(QDate(2021, 8, 16));  // Julian 3 August: one icon, in the pack
  const uint16_t shown = Panel().ShownIconKey();
  EXPECT_NE(shown, 0);
  EXPECT_FALSE(NextButton()->isVisibleTo(windows_.main.get()));
  EXPECT_FALSE(Item("NextIcon")->isEnabled());
  EXPECT_EQ(windows_.main->findChild<QWidget*>("BottomPanel")->height(), 0);
  Press(Qt::Key_F12);
  EXPECT_EQ(Panel().ShownIconKey(), shown);
}

TEST_F(IconPanelTest, TheIconFollowsTheCalendarInForce) {
  Start(QDate(2021, 8, 14));
  EXPECT_EQ(Panel().ShownIconKey() % 10000, 801);
  Item("MNewCalendar")->trigger();
  EXPECT_NE(Panel().ShownIconKey() % 10000, 801);
}

TEST_F(IconPanelTest, ShowIconsOffCollapsesThePanelAndStopsNextIcon) {
  Start(QDate(2021, 8, 14));
  const int width = Panel().PanelWidth();
  ASSERT_GT(width, 0);
  Item("MShowIcons")->trigger();
  EXPECT_FALSE(Item("MShowIcons")->isChecked());
  EXPECT_EQ(Panel().PanelWidth(), 0);
  Press(Qt::Key_F12);
  EXPECT_EQ(Panel().ShownIconKey(), 10801);
  Press(Qt::Key_F7);  // days load without icons
  EXPECT_EQ(Panel().ShownIconKey(), 10801);
  Item("MShowIcons")->trigger();
  // Julian 2 August shows St Stephen's icon from the base library.
  EXPECT_EQ(Panel().ShownIconKey(), 1227);
  EXPECT_EQ(Panel().PanelWidth(), std::lround(Panel().PictureSize().width() * 1.28));
}

TEST_F(IconPanelTest, TheScreensHeightSizesTheIcon) {
  Start(QDate(2021, 8, 14));
  const QSize picture = Panel().PictureSize();
  ASSERT_FALSE(picture.isEmpty());
  // Screen height, then the width and height factors of its row.
  const struct {
    int height;
    double fw, fh;
  } rows[] = {{539, 0.75, 0.8},       {540, 1, 1},   {683, 1, 1},       {684, 1.28, 1.28}, {818, 1.28, 1.28},
              {819, 1.44, 1.45},      {946, 1.44, 1.45}, {947, 1.6, 1.7066666}, {1111, 1.6, 1.7066666},
              {1112, 2, 2},           {1319, 2, 2},  {1320, 2.25, 2.4}};
  for (const auto& row : rows) {
    screen_.size = QSize(1920, row.height);
    windows_.main->ScreenResolutionChanged();
    EXPECT_EQ(Panel().PanelWidth(), std::lround(picture.width() * row.fw)) << row.height;
    EXPECT_EQ(windows_.main->findChild<QLabel*>("MainImage")->height(), std::lround(picture.height() * row.fh))
        << row.height;
    EXPECT_EQ(windows_.main->ScreenHeight, row.height);
  }
}

}  // namespace
}  // namespace kal
