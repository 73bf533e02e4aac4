// Names from the user's locale: in the date bar as the locale writes them
// inside a date, in headings and lists in their standalone form, and on the
// Windows-1252 readings page as the right letters or, where the code page
// has none, in English.
#include <QComboBox>
#include <QTextEdit>

#include "calendar/day_designation.h"
#include "kalview_fixture.h"
#include "locale_date_names.h"
#include "main_form.h"
#include "windows_1252.h"

namespace kal {
namespace {

std::string Utf8(const char* text) { return text; }

TEST(LocaleNames, DatesUseTheFormTheLocaleWritesInADate) {
  const LocaleDateNames ru(QLocale("ru_RU")), de(QLocale("de_DE")), el(QLocale("el_GR"));
  EXPECT_EQ(ru.MonthName(11), Utf8("ноября"));
  EXPECT_EQ(ru.StandaloneMonthName(11), Utf8("ноябрь"));
  EXPECT_EQ(ru.WeekdayName(3), Utf8("вторник"));
  EXPECT_EQ(el.MonthName(1), Utf8("Ιανουαρίου"));
  EXPECT_EQ(el.StandaloneMonthName(1), Utf8("Ιανουάριος"));
  EXPECT_EQ(de.MonthName(3), Utf8("März"));
  EXPECT_EQ(de.WeekdayName(1), Utf8("Sonntag"));

  // The heading of a month takes the standalone form; the title the date form.
  SelectedDay day;
  SelectNewDate(day, EncodeDate(2026, 11, 24), CalendarMode::New);
  EXPECT_EQ(DateTitle(day, CalendarMode::New, ru), Utf8("вторник, ноября 24, 2026"));
  EXPECT_EQ(MonthText(day, CalendarMode::New, ru), Utf8("ноябрь"));
  EXPECT_EQ(DateTitle(day, CalendarMode::New, el), Utf8("Τρίτη, Νοεμβρίου 24, 2026"));
}

TEST(LocaleNames, ThePageGetsCodePageLettersOrEnglish) {
  const LocaleDateNames ru(QLocale("ru_RU")), de(QLocale("de_DE")), el(QLocale("el_GR"));
  const PageDateNames ruPage(ru), dePage(de), elPage(el);
  EXPECT_EQ(dePage.MonthName(3), "M\xE4rz");
  EXPECT_EQ(Utf8FromWindows1252(dePage.MonthName(3)), Utf8("März"));
  EXPECT_EQ(dePage.WeekdayName(3), "Dienstag");
  EXPECT_EQ(ruPage.WeekdayName(3), "Tuesday");
  EXPECT_EQ(ruPage.MonthName(11), "November");
  EXPECT_EQ(elPage.WeekdayName(3), "Tuesday");
  // The code page's own letters beyond Latin-1 go through as their bytes.
  EXPECT_EQ(Windows1252FromUtf8(Utf8("Œuvre – €")), std::optional<std::string>("\x8Cuvre \x96 \x80"));
  EXPECT_EQ(Windows1252FromUtf8("\xC3"), std::nullopt) << "cut-off UTF-8";
}

class LocaleWindowTest : public KalviewTest {
 protected:
  void TearDown() override {
    KalviewTest::TearDown();
    QLocale::setDefault(saved_);
  }
  QLocale saved_;
};

TEST_F(LocaleWindowTest, DateBarAndReadingsPageInRussianGermanAndGreek) {
  struct Case {
    const char* locale;
    const char* title;    // Old Calendar, 11 November (24 November civil)
    const char* weekday;  // as the readings page writes it
    const char* month;    // the go-to-date list
  };
  const Case cases[] = {{"ru_RU", "вторник, ноября 11, 2026", "Tuesday", "ноябрь"},
                        {"de_DE", "Dienstag, November 11, 2026", "Dienstag", "November"},
                        {"el_GR", "Τρίτη, Νοεμβρίου 11, 2026", "Tuesday", "Νοέμβριος"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locale);
    QLocale::setDefault(QLocale(c.locale));
    Start(QDate(2026, 11, 24));
    EXPECT_EQ(DateBarText(), QString::fromUtf8(c.title));
    Press(Qt::Key_F9);
    const QString page = Editor()->toPlainText();
    EXPECT_TRUE(page.contains(QString::fromUtf8(c.weekday))) << page.left(200).toStdString();
    for (const char* broken : {"Ð", "Ñ", "Ã", "Î", "\xEF\xBF\xBD"}) EXPECT_FALSE(page.contains(QString::fromUtf8(broken))) << broken;
    EXPECT_EQ(ProgramDateNames().StandaloneMonthName(11), Utf8(c.month));
    Stop();
  }
}

}  // namespace
}  // namespace kal
