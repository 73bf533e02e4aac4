#include "movable_readings.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

namespace kal {
namespace {

constexpr const char* kLiturgy = "Liturgy";

// Days whose Liturgy differs from the plain "Liturgy"; a commemoration adds
// its own Epistle and Gospel after the day's.
struct ServiceException {
  std::initializer_list<std::uint16_t> days;
  bool commemoration;
  const char* name;
};

constexpr std::uint16_t kFirstServiceDay = 7;  // after day 0; 1 to 6 never occur
constexpr std::uint16_t kLastServiceDay = 189;
constexpr std::size_t kServiceRows = 1 + kLastServiceDay - kFirstServiceDay + 1;

constexpr std::array<DailyServiceRow, kServiceRows> MakeDailyServiceTable() {
  const ServiceException exceptions[] = {
      {{20, 41, 48, 55, 86, 125}, true, "Commemoration of the Dead"},
      {{27}, true, "Commemoration of all the holy and God-bearing Fathers who shone forth in the ascetic life"},
      {{34}, true, "Commemoration of St. Theodore the Tyro"},
      {{42}, true, "Commemoration of St. Gregory Palamas"},
      {{56}, true, "Commemoration of St. John of the Ladder (Climacus)"},
      {{62}, true, "Laudation of the Most Holy Theotokos"},
      {{63}, true, "Commemoration of St. Mary of Egypt"},
      {{82}, true, "The Life-giving Spring of the Most Holy Theotokos"},
      {{140}, true, "Sunday of All Saints of Russia"},
      {{189}, true, "Commemoration of the Holy Fathers of the First Six Ecumenical Councils"},
      // Wednesday and Friday of Cheese-fare week and the Lenten weekdays
      // without a Liturgy, and Great Friday.
      {{24, 26, 29, 30, 32, 36, 37, 39, 43, 44, 46, 50, 51, 53, 57, 58, 64, 65, 67, 75}, false, "No Liturgy"},
      {{31, 33, 38, 40, 45, 47, 52, 54, 59, 60, 61, 66, 68, 71, 72, 73}, false,
       "Liturgy of the Presanctified Gifts"},
      {{35, 49, 74, 76}, false, "Liturgy of St. Basil"},
  };
  std::array<DailyServiceRow, kServiceRows> rows{};
  std::size_t i = 0;
  for (std::uint16_t day = 0; day <= kLastServiceDay; ++day) {
    if (day > 0 && day < kFirstServiceDay) continue;
    DailyServiceRow row{day, false, kLiturgy};
    for (const ServiceException& e : exceptions)
      for (std::uint16_t d : e.days)
        if (d == day) row = {day, e.commemoration, e.name};
    rows[i++] = row;
  }
  return rows;
}

constexpr auto kDailyServiceTable = MakeDailyServiceTable();
static_assert(kDailyServiceTable.size() == 184);

constexpr MatinsGospelRow kMatinsGospelTable[] = {
    {1, "MATINS (I)\r\n\r\nMatthew 28:16-20", 0, "28", "16", "28", "20"},
    {2, "MATINS (II)\r\n\r\nMark 16:1-8", 1, "16", "1", "16", "8"},
    {3, "MATINS (III)\r\n\r\nMark 16:9-20", 1, "16", "9", "16", "20"},
    {4, "MATINS (IV)\r\n\r\nLuke 24:1-12", 2, "24", "1", "24", "12"},
    {5, "MATINS (V)\r\n\r\nLuke 24:12-35", 2, "24", "12", "24", "35"},
    {6, "MATINS (VI)\r\n\r\nLuke 24:36-53", 2, "24", "36", "24", "53"},
    {7, "MATINS (VII)\r\n\r\nJohn 20:1-10", 3, "20", "1", "20", "10"},
    {8, "MATINS (VIII)\r\n\r\nJohn 20:11-18", 3, "20", "11", "20", "18"},
    {9, "MATINS (IX)\r\n\r\nJohn 20:19-31", 3, "20", "19", "20", "31"},
    {10, "MATINS (X)\r\n\r\nJohn 21:1-14", 3, "21", "1", "21", "14"},
    {11, "MATINS (XI)\r\n\r\nJohn 21:15-25", 3, "21", "15", "21", "25"},
    {12, "MATINS\r\n\r\nMatthew 21:1-11, 15-17", 0, "21", "1", "21", "11"},
    {13, "MATINS\r\n\r\nMatthew 21:1-11, 15-17", 0, "21", "15", "21", "17"},  // second part of 12
    {14, "MATINS\r\n\r\nMatthew 21:18-43", 0, "21", "18", "21", "43"},
    {15, "MATINS\r\n\r\nMatthew 22:15-23:39", 0, "22", "15", "23", "39"},
    {16, "MATINS\r\n\r\nJohn 12:17-50", 3, "12", "17", "12", "50"},
    {17, "MATINS\r\n\r\nLuke 22:1-39", 2, "22", "1", "22", "39"},
    {18, "MATINS\r\n\r\nTHE TWELVE PASSION GOSPELS\r\n\r\n(1) John 13:31-17:26", 3, "13", "31", "17", "26"},
    {19, "(2) John 18:1-27", 3, "18", "1", "18", "27"},
    {20, "(3) Matthew 26:57-75", 0, "26", "57", "26", "75"},
    {21, "(4) John 18:28-19:16", 3, "18", "28", "19", "16"},
    {22, "(5) Matthew 27:3-32", 0, "27", "3", "27", "32"},
    {23, "(6) Mark 15:16-32", 1, "15", "16", "15", "32"},
    {24, "(7) Matthew 27:33-54", 0, "27", "33", "27", "54"},
    {25, "(8) Luke 23:32-49", 2, "23", "32", "23", "49"},
    {26, "(9) John 19:25-37", 3, "19", "25", "19", "37"},
    {27, "(10) Mark 15:43-47", 1, "15", "43", "15", "47"},
    {28, "(11) John 19:38-42", 3, "19", "38", "19", "42"},
    {29, "(12) Matthew 27:62-66", 0, "27", "62", "27", "66"},
    {30, "Matthew 27:62-66", 0, "27", "62", "27", "66"},
    {31, "MATINS\r\n\r\nMark 16:9-20", 1, "16", "9", "16", "20"},
    {32, "MATINS\r\n\r\nJohn 20:19-23", 3, "20", "19", "20", "23"},
};
static_assert(std::size(kMatinsGospelTable) == 32);

const MatinsGospelRow& MatinsRow(int number) { return kMatinsGospelTable[number - 1]; }

std::string ReadRow(ReadingsContext& context, const MatinsGospelRow& row, bool chapterHeadings) {
  return context.Reader().ReadPassage(row.Book, row.StartChapter, row.StartVerse, row.EndChapter, row.EndVerse,
                                      context.Day().VerseNumbers, chapterHeadings);
}

bool In(std::uint16_t d, std::initializer_list<std::uint16_t> days) {
  return std::find(days.begin(), days.end(), d) != days.end();
}

bool IsLentenWeekday(std::uint16_t d) {
  // Monday to Friday of the six weeks of Great Lent: 29-33, 36-40, ... 64-68.
  return d >= 29 && d <= 68 && (d - 29) % 7 <= 4;
}

std::string SundayAfterPentecost(int n) {
  switch (n) {
    case 1: return "1st Sunday after Pentecost\r\nSunday of All Saints";
    case 2: return "2nd Sunday after Pentecost";
    case 3: return "3rd Sunday after Pentecost";
    case 21: return "21st Sunday after Pentecost";
    case 22: return "22nd Sunday after Pentecost";
    case 23: return "23rd Sunday after Pentecost";
    case 31: return "31st Sunday after Pentecost";
    case 32: return "32nd Sunday after Pentecost";
    case 33: return "33rd Sunday after Pentecost";
    default: return std::to_string(n) + "th Sunday after Pentecost";
  }
}

const char* SundayUpToPentecost(std::uint16_t d) {
  switch (d) {
    case 0: return "Zacchaeus Sunday";
    case 7: return "Sunday of the Publican and the Pharisee";
    case 14: return "Sunday of the Prodigan Son";
    case 21: return "Meat-fare Sunday";
    case 28: return "Cheese-fare Sunday";
    case 35: return "First Sunday of Great Lent";
    case 42: return "Second Sunday of Great Lent";
    case 49: return "Third Sunday of Great Lent";
    case 56: return "Fourth Sunday of Great Lent";
    case 63: return "Fifth Sunday of Great Lent";
    case 70: return "Palm Sunday";
    case 77: return "Pascha";
    case 84: return "2nd Sunday of Pascha";
    case 91: return "3rd Sunday of Pascha";
    case 98: return "4th Sunday of Pascha";
    case 105: return "5th Sunday of Pascha";
    case 112: return "6th Sunday of Pascha";
    case 119: return "7th Sunday of Pascha";
    case 126: return "Pentecost";
    default: return nullptr;
  }
}

const char* NamedWeekday(std::uint16_t d) {
  switch (d) {
    case 71: return "Passion Week: Great Monday";
    case 72: return "Passion Week: Great Tuesday";
    case 73: return "Passion Week: Great Wednesday";
    case 74: return "Passion Week: Great Thursday";
    case 75: return "Passion Week: Great Friday";
    case 76: return "Great and Holy Saturday";
    case 78: return "Bright Monday";
    case 79: return "Bright Tuesday";
    case 80: return "Bright Wednesday";
    case 81: return "Bright Thursday";
    case 82: return "Bright Friday";
    case 83: return "Bright Saturday";
    case 101: return "Wednesday\r\nMid-Pentecost";
    case 116: return "Thursday\r\nThe Ascension of Our Lord";
    default: return nullptr;
  }
}

}  // namespace

std::span<const DailyServiceRow> DailyServiceTable() { return kDailyServiceTable; }
std::span<const MatinsGospelRow> MatinsGospelTable() { return kMatinsGospelTable; }

std::optional<DailyService> FindDailyService(std::uint16_t day) {
  if (day > kLastServiceDay) return DailyService{kLiturgy, false};
  for (const DailyServiceRow& row : kDailyServiceTable)
    if (row.Day == day) return DailyService{row.Name, row.Commemoration};
  return std::nullopt;
}

std::string GetDayName(const DayValues& day) {
  const std::uint16_t d = day.LectionaryDay;
  if (day.Weekday == 1) {
    if (d > 126) return SundayAfterPentecost((d - 126) / 7);
    if (const char* name = SundayUpToPentecost(d)) return name;
  } else if (const char* name = NamedWeekday(d)) {
    return name;
  }
  return WeekdayName(day, day.NewDate);
}

int MatinsGospelNumber(const DayValues& day) {
  const std::uint16_t d = day.LectionaryDay;
  if (d >= 70 && d <= 126) {
    static constexpr std::pair<std::uint16_t, int> kHolyWeekToPentecost[] = {
        {70, 12}, {71, 14}, {72, 15}, {73, 16}, {74, 17},   {75, 18},   {76, 30}, {84, 1},
        {91, 3},  {98, 4},  {105, 7}, {112, 8}, {116, 31}, {119, 10}, {126, 32}};
    for (const auto& [gospelDay, number] : kHolyWeekToPentecost)
      if (gospelDay == d) return number;
    return 0;
  }
  // The eleven Resurrection Gospels turn week by week from All Saints Sunday
  // through the year, on through the Sundays before and of Great Lent.
  const DayNumber since = day.NewDate >= day.AllSaintsSunday ? day.NewDate - day.AllSaintsSunday
                                                             : day.NewDate - day.PrevAllSaintsSunday;
  return (since / 7) % 11 + 1;
}

std::string GetMatinsGospelVerses(ReadingsContext& context) {
  const int g = MatinsGospelNumber(context.Day());
  if (g == 0) return kMatinsGospelError;
  context.Open(BibleFile::NewTestament);

  if (g == 18) {  // Great Friday: the Twelve Passion Gospels, each under its own heading
    std::string r = MatinsRow(18).Title;
    r += kNL2;
    r += ReadRow(context, MatinsRow(18), true);
    for (int n = 19; n <= 29; ++n) {
      r += kNL2;
      r += MatinsRow(n).Title;
      r += kNL2;
      r += ReadRow(context, MatinsRow(n), false);
    }
    return r;
  }

  const MatinsGospelRow& row = MatinsRow(g);
  std::string passage = ReadRow(context, row, false);
  if (std::strcmp(row.StartChapter, row.EndChapter) != 0)
    passage = BibleReader::SqueezeSpaces(BibleReader::FlattenLineBreaks(passage));
  std::string a = " ";
  a += StripLeading(passage);

  std::string r = row.Title;
  r += kNL2;
  if (g == 12) {  // Palm Sunday reads 21:1-11 and 21:15-17 as one Gospel
    const MatinsGospelRow& second = MatinsRow(13);
    a += ' ';
    a += StripBoth(context.Reader().ReadPassage(row.Book, second.StartChapter, second.StartVerse,
                                                second.EndChapter, second.EndVerse,
                                                context.Day().VerseNumbers, false));
  } else {
    r += "    ";
  }
  return r + a;
}

namespace {

std::string HoursAndVespersOf(ReadingsContext& context, std::uint16_t d) {
  context.Open(BibleFile::OldTestament);
  std::string h;
  if ((d >= 24 && d <= 69) || (d >= 71 && d <= 74)) {
    h = d == 74 ? "FIRST HOUR" + context.Reading("74,1H") : "SIXTH HOUR" + context.Reading(d, "6H");
    h += kNL3;
  }
  h += "VESPERS" + context.Reading(d, "V1");
  if (d == 133 || d == 140) context.Open(BibleFile::Apocrypha);  // Wisdom
  if (d != 24 && d != 26) {
    h += context.Reading(d, "V2");
    if (!IsLentenWeekday(d) && !In(d, {71, 72, 73})) h += context.Reading(d, "V3");
  }
  if (d == 76) {  // Holy Saturday: fifteen prophecies, then the Song of the Three
    for (int n = 4; n <= 15; ++n) h += context.Reading(d, "V" + std::to_string(n));
    context.Open(BibleFile::Apocrypha);
    h += context.Reading(d, "V16");
  }
  context.Open(BibleFile::NewTestament);
  return h;
}

// A commemoration's own section after the day's Liturgy: its name, for the
// two that keep a Vespers of their own its Vespers readings and a Liturgy
// heading, then its Epistle and Gospel.
std::string CommemorationSection(ReadingsContext& context, std::uint16_t keyDay, const std::string& name) {
  std::string l(kNL3);
  l += name;
  if (keyDay == 140 || keyDay == kCouncilFathersKeyDay) {
    l += kNL2;
    l += HoursAndVespersOf(context, keyDay);
    l += kNL3;
    l += "LITURGY";
  }
  l += context.Reading(keyDay, "E2");
  l += context.Reading(keyDay, "G2");
  return l;
}

}  // namespace

bool CouncilFathersSunday(const DayValues& day) {
  return day.Weekday == 1 && day.DateKey >= "07/13" && day.DateKey <= "07/19";
}

std::string GetHoursAndVespers(ReadingsContext& context) { return HoursAndVespersOf(context, context.D()); }

std::string GetHolySaturdayMatins(ReadingsContext& context) {
  context.Open(BibleFile::OldTestament);
  std::string r = "MATINS" + context.Reading("76,M1");
  context.Open(BibleFile::NewTestament);
  r += context.Reading("76,M2");
  r += context.Reading("76,M3");
  return r;
}

std::string GetDailyInfo(ReadingsContext& context) {
  const std::uint16_t d = context.D();
  const std::optional<DailyService> service = FindDailyService(d);
  if (!service) return kDailyInfoError;
  context.Open(BibleFile::NewTestament);

  const bool presanctifiedHolyWeek = In(d, {71, 72, 73});  // Gospel only, no Epistle
  std::string l;
  if (!presanctifiedHolyWeek) {
    if (In(d, {35, 42, 49, 56, 63}))
      l = "LITURGY OF ST. BASIL";
    else if (service->Commemoration || d > kLastServiceDay)
      l = "LITURGY";
    else if (d != 75)
      l = UpperAscii(service->Name);
    l += context.Reading(d, "E1");
  } else {
    l += UpperAscii(service->Name);
  }
  l += context.Reading(d, "G1");
  if (d == 74 || d == 75)
    for (const char* slot : {"G2", "G3", "G4", "G5"}) l += context.Reading(d, slot);
  if (d == 77) {
    l += kNL3;
    l += "GREAT VESPERS" + context.Reading("77,GV1");
  }
  // Day 189 keeps the Fathers' readings but is itself an ordinary Sunday;
  // the Fathers have their section on their own Sunday in July.
  if (service->Commemoration && d != kCouncilFathersKeyDay) l += CommemorationSection(context, d, service->Name);
  if (CouncilFathersSunday(context.Day()))
    l += CommemorationSection(context, kCouncilFathersKeyDay, FindDailyService(kCouncilFathersKeyDay)->Name);
  return l;
}

}  // namespace kal
