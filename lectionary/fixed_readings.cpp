#include "fixed_readings.h"

#include <algorithm>
#include <initializer_list>

#include "movable_readings.h"

namespace kal {
namespace {

constexpr FixedFeastRow kFixedFeastTable[] = {
    {"01/01", "The Circumcision of Our Lord Jesus Christ"},
    {"SatBefTheo", "For Saturday Before the Theophany"},
    {"SunBefTheo", "For Sunday Before the Theophany"},
    {"TheoRH", "Forefeast of the Theophany"},
    {"01/05", "Eve of the Theophany"},
    {"01/06", "The Holy Theophany of Our Lord, God and Saviour Jesus Christ"},
    {"SatAftTheo", "For Saturday after the Theophany"},
    {"SunAftTheo", "For Sunday after the Theophany"},
    {"01/30", "Synaxis of the Three Hierarchs: St. Basil the Great, St. Gregory the Theologian, and St. John "
              "Chrysostom"},
    {"02/02", "The Meeting of Our Lord, God and Saviour Jesus Christ"},
    {"03/25", "The Annunciation of Our Most Holy Lady, the Theotokos and Ever-Virgin Mary"},
    {"06/24", "The Nativity of St. John the Baptist"},
    {"06/29", "The Holy, Glorious and All-praised Leaders of the Apostles, Peter and Paul"},
    {"08/06", "The Holy Transfiguration of Our Lord, God and Saviour Jesus Christ"},
    {"08/15", "The Dormition of Our Most Holy Lady the Theotokos and Ever-Virgin Mary"},
    {"08/29", "The Beheading of the Glorious Prophet, Forerunner, and Baptist John"},
    {"09/08", "The Nativity of Our Most Holy Lady the Theotokos and Ever-Virgin Mary"},
    {"SatBefExal", "For Saturday before the Exaltation of the Cross"},
    {"SunBefExal", "For Sunday before the Exaltation of the Cross"},
    {"09/14", "The Universal Exaltation of the Precious and Life-giving Cross"},
    {"SatAftExal", "For Saturday After the Exaltation of the Cross"},
    {"SunAftExal", "For Sunday After the Exaltation of the Cross"},
    {"10/01", "The Protection of Our Most Holy Lady the Theotokos and Ever-Virgin Mary"},
    {"11/21", "The Entry of the Most Holy Theotokos into the Temple"},
    {"12/06", "St. Nicholas the Wonderworker, archbishop of Myra in Lycia"},
    {"SecSunBefNativ", "For Sunday of the Holy Forefathers"},
    {"SatBefNativ", "For Saturday before the Nativity"},
    {"SunBefNativ", "For Sunday before the Nativity\r\nSunday of the Holy Fathers"},
    {"NativRH", "Forefeast of the Nativity of Christ"},
    {"12/24", "The Eve of the Nativity of Christ"},
    {"12/25", "The Nativity according to the Flesh of Our Lord, God and Saviour Jesus Christ"},
    {"SatAftNativ", "For Saturday after the Nativity"},
    {"SunAftNativ", "For Sunday after the Nativity\r\nCommemoration of the Holy Righteous Ones: Joseph the "
                    "Betrothed, David the King, and James the Brother of the Lord"},
};
static_assert(std::size(kFixedFeastTable) == 33);

using Keys = std::initializer_list<std::string_view>;

bool Is(std::string_view key, Keys keys) { return std::find(keys.begin(), keys.end(), key) != keys.end(); }
bool Is(std::uint16_t d, std::initializer_list<std::uint16_t> days) {
  return std::find(days.begin(), days.end(), d) != days.end();
}

// Date keys are "mm/dd", so a run of days within one month is a range of
// texts.
bool Between(std::string_view key, std::string_view first, std::string_view last) {
  return key.size() == 5 && key >= first && key <= last;
}

bool Sunday(const DayValues& day) { return day.Weekday == 1; }
bool Saturday(const DayValues& day) { return day.Weekday == 7; }
bool Weekend(const DayValues& day) { return Sunday(day) || Saturday(day); }
bool MonToFri(const DayValues& day) { return day.Weekday >= 2 && day.Weekday <= 6; }
bool MonToThu(const DayValues& day) { return day.Weekday >= 2 && day.Weekday <= 5; }

bool AroundNativitySunday(const DayValues& day) {
  return Sunday(day) && day.DateKey != "12/24" &&
         (InDateList(FixedDateList::Forefathers, day.DateKey) ||
          InDateList(FixedDateList::BeforeNativity, day.DateKey) ||
          InDateList(FixedDateList::AfterNativity, day.DateKey));
}

// The Friday that takes the Royal Hours of an eve falling on a weekend.
bool RoyalHoursFriday(const DayValues& day) {
  return day.Weekday == 6 && Is(day.DateKey, {"01/03", "01/04", "12/22", "12/23"});
}

std::string FixedKey(std::string_view key, std::string_view slot) {
  std::string k(key);
  k += ',';
  k += slot;
  return k;
}

std::string LiturgyName(const DayValues& day, std::string_view key) {
  if (key != day.DateKey) return "Liturgy";
  const std::string& date = day.DateKey;
  if (date == "01/01" || (Weekend(day) && Is(date, {"01/06", "12/25"})) ||
      (MonToFri(day) && Is(date, {"01/05", "12/24"})))
    return "Liturgy of St. Basil";
  if ((MonToFri(day) && Is(date, {"01/06", "12/25"})) || (Weekend(day) && Is(date, {"01/05", "12/24"})))
    return "Liturgy of St. John Chrysostom";
  return "Liturgy";
}

std::string Vespers(ReadingsContext& context, std::string_view key) {
  const std::string date = context.Day().DateKey;
  const bool ownDate = key == date;
  // The Vespers of the Apostles Peter and Paul read 1 Peter.
  context.Open(ownDate && date == "06/29" ? BibleFile::NewTestament : BibleFile::OldTestament);
  auto gri = [&](std::string_view slot) { return context.Reading(FixedKey(key, slot)); };

  std::string a = "VESPERS";
  if (ownDate && date == "02/02") {
    // Exodus, Leviticus and Numbers make one reading under one heading; the
    // two later pieces have no heading and join the Exodus text.
    const std::string pieces = gri("V1B") + gri("V1C");
    a += gri("V1A");
    a += ' ';
    a += StripBoth(BibleReader::SqueezeSpaces(BibleReader::FlattenLineBreaks(pieces)));
  } else {
    a += gri("V1");
  }
  a += gri("V2");
  if (ownDate && Is(date, {"01/30", "08/29", "12/06"})) {  // Wisdom
    context.Open(BibleFile::Apocrypha);
    a += gri("V3");
    context.Open(BibleFile::OldTestament);
  } else {
    a += gri("V3");
  }
  if (ownDate && Is(date, {"01/05", "03/25", "12/24"})) {
    a += gri("V4");
    if (date == "12/24") context.Open(BibleFile::Apocrypha);  // Baruch
    a += gri("V5");
    if (date == "12/24") context.Open(BibleFile::OldTestament);
  }
  if (ownDate && Is(date, {"01/05", "12/24"}))
    for (const char* slot : {"V6", "V7", "V8"}) a += gri(slot);
  if (ownDate && date == "01/05")
    for (const char* slot : {"V9", "V10", "V11", "V12", "V13"}) a += gri(slot);
  a += kNL3;
  return a;
}

}  // namespace

std::span<const FixedFeastRow> FixedFeastTable() { return kFixedFeastTable; }

const FixedFeastRow* FindFixedFeast(std::string_view key) {
  for (const FixedFeastRow& row : kFixedFeastTable)
    if (key == row.Key) return &row;
  return nullptr;
}

bool InDateList(FixedDateList list, std::string_view key) {
  switch (list) {
    case FixedDateList::GreatFeast: return Is(key, {"06/24", "06/29", "08/15", "08/29", "09/08", "11/21"});
    case FixedDateList::LesserFeast: return Is(key, {"01/01", "01/30", "10/01", "12/06"});
    case FixedDateList::FeastEve:
      return Is(key, {"06/23", "06/28", "08/05", "08/14", "08/28", "09/07", "09/13", "11/20"});
    case FixedDateList::FeastMorrow:
      return Is(key, {"06/25", "06/30", "08/07", "08/16", "08/30", "09/09", "09/15", "11/22"});
    case FixedDateList::BeforeTheophany: return Between(key, "01/01", "01/05");
    case FixedDateList::AfterTheophany: return Between(key, "01/07", "01/13");
    case FixedDateList::BeforeExaltation: return Between(key, "09/07", "09/13");
    case FixedDateList::AfterExaltation: return Between(key, "09/15", "09/21");
    case FixedDateList::Forefathers: return Between(key, "12/11", "12/17");
    case FixedDateList::BeforeNativity: return Between(key, "12/18", "12/24");
    case FixedDateList::AfterNativity: return Between(key, "12/26", "12/31");
  }
  return false;
}

bool FeastReplacesDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  const std::uint16_t d = day.LectionaryDay;
  bool result = false;
  if (!Sunday(day) && InDateList(FixedDateList::GreatFeast, date)) result = true;
  // The Nativity of the Theotokos on a Saturday comes before the Saturday
  // before the Exaltation instead.
  if (Saturday(day) && date == "09/08") result = false;
  if (Is(date, {"01/06", "08/06", "09/14", "12/25"})) result = true;
  if (MonToFri(day) && Is(date, {"01/05", "12/24"})) result = true;
  if (AroundNativitySunday(day)) result = true;
  if (RoyalHoursFriday(day)) result = true;
  if (day.OldCalendar) {
    // On the Old calendar the Meeting can fall in Cheese-fare week or on
    // Clean Monday, and the Annunciation in Bright Week.
    if (date == "02/02" && !Sunday(day) && !Is(d, {24, 26, 29})) result = true;
    if (date == "03/25" && Is(d, {78, 79, 80})) result = true;
  } else if (date == "02/02" && !Sunday(day)) {
    result = true;
  }
  return result;
}

bool FeastPrecedesDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  const std::uint16_t d = day.LectionaryDay;
  bool result = false;
  if (Sunday(day) && InDateList(FixedDateList::GreatFeast, date)) result = true;
  if (Saturday(day) && date == "09/08") result = true;
  if (InDateList(FixedDateList::LesserFeast, date)) result = true;
  if (Weekend(day) && Is(date, {"01/05", "12/24"})) result = true;
  if (day.OldCalendar) {
    if (date == "03/25" && !(d >= 77 && d <= 80)) result = true;
    if (date == "02/02" && (Sunday(day) || Is(d, {24, 26, 29}))) result = true;
  } else {
    if (date == "03/25") result = true;
    if (date == "02/02" && Sunday(day)) result = true;
  }
  return result;
}

bool FeastFollowsDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  bool result = false;
  if (Weekend(day) && (InDateList(FixedDateList::BeforeExaltation, date) ||
                       InDateList(FixedDateList::AfterExaltation, date)))
    result = true;
  if (Saturday(day) &&
      (InDateList(FixedDateList::BeforeNativity, date) || InDateList(FixedDateList::AfterNativity, date)))
    result = true;
  if (Sunday(day) && date == "12/24") result = true;
  if (Weekend(day) && (InDateList(FixedDateList::BeforeTheophany, date) ||
                       InDateList(FixedDateList::AfterTheophany, date)))
    result = true;
  // The Annunciation on Pascha is read after the Paschal Liturgy.
  if (day.OldCalendar && day.LectionaryDay == 77 && date == "03/25") result = true;
  return result;
}

bool ReadsNextDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  const std::uint16_t d = day.LectionaryDay;
  bool result = false;
  if (MonToFri(day) && InDateList(FixedDateList::FeastEve, date)) result = true;
  // Before the eve of Theophany or the Nativity on a weekday ...
  if (MonToThu(day) && Is(date, {"01/04", "12/23"})) result = true;
  // ... and before the Friday of the Royal Hours.
  if (day.Weekday == 5 && Is(date, {"01/02", "01/03", "12/21", "12/22"})) result = true;
  if (day.OldCalendar) {
    // Not when the next day is the Wednesday or Friday of Cheese-fare week,
    // which have no Liturgy.
    if (MonToFri(day) && date == "02/01" && !Is(d, {23, 25})) result = true;
    if (date == "03/24" && Is(d, {78, 79})) result = true;
  } else if (MonToFri(day) && date == "02/01") {
    result = true;
  }
  return result;
}

bool ReadsPreviousDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  bool result = false;
  if (day.Weekday == 3 && InDateList(FixedDateList::FeastMorrow, date)) result = true;
  if (day.OldCalendar) {
    // Clean Monday, the day before Tuesday d 30, has no Liturgy.
    if (day.Weekday == 3 && date == "02/03" && day.LectionaryDay != 30) result = true;
    if (date == "03/26" && day.LectionaryDay == 79) result = true;
  } else if (day.Weekday == 3 && date == "02/03") {
    result = true;
  }
  return result;
}

std::string FixedKeyOfDay(const DayValues& day) {
  const std::string& date = day.DateKey;
  if (Sunday(day)) {
    if (InDateList(FixedDateList::Forefathers, date)) return "SecSunBefNativ";
    if (Between(date, "12/18", "12/23")) return "SunBefNativ";
    if (InDateList(FixedDateList::AfterNativity, date)) return "SunAftNativ";
  } else if (day.Weekday == 6) {
    if (Is(date, {"01/03", "01/04"})) return "TheoRH";
    if (Is(date, {"12/22", "12/23"})) return "NativRH";
  }
  return date;
}

std::string FollowingFixedKey(const DayValues& day) {
  const std::string& date = day.DateKey;
  const bool saturday = Saturday(day);
  if (!saturday && !Sunday(day)) return {};
  if (InDateList(FixedDateList::BeforeTheophany, date)) return saturday ? "SatBefTheo" : "SunBefTheo";
  if (InDateList(FixedDateList::AfterTheophany, date)) return saturday ? "SatAftTheo" : "SunAftTheo";
  if (InDateList(FixedDateList::BeforeExaltation, date)) return saturday ? "SatBefExal" : "SunBefExal";
  if (InDateList(FixedDateList::AfterExaltation, date)) return saturday ? "SatAftExal" : "SunAftExal";
  if (saturday) {
    if (InDateList(FixedDateList::BeforeNativity, date)) return "SatBefNativ";
    if (InDateList(FixedDateList::AfterNativity, date)) return "SatAftNativ";
    return {};
  }
  if (date == "12/24") return "SunBefNativ";
  if (day.OldCalendar && day.LectionaryDay == 77 && date == "03/25") return "03/25";
  return {};
}

std::string GetFixedInfo(ReadingsContext& context, std::string_view key) {
  const DayValues& day = context.Day();
  const std::string date = day.DateKey;
  const bool ownDate = key == date;
  const std::string liturgy = LiturgyName(day, key);

  std::string a;
  // A Sunday of December around the Nativity keeps its own name and its
  // Resurrection Gospel before the feast's readings.
  if (AroundNativitySunday(day)) {
    a = GetDayName(day);
    a += kNL2;
    a += GetMatinsGospelVerses(context);
    a += kNL3;
  }
  const FixedFeastRow* row = FindFixedFeast(key);
  if (!row) return kFixedInfoError;
  a += row->Title;
  a += kNL2;

  if (RoyalHoursFriday(day)) return a + GetRoyalHours(context);
  if (Is(date, {"01/05", "12/24"}) && MonToFri(day)) {
    a += GetRoyalHours(context);
    a += kNL3;
  }
  if ((ownDate && !Is(date, {"01/06", "12/25"})) || key == "SunBefNativ") a += Vespers(context, key);
  context.Open(BibleFile::NewTestament);

  if (ownDate && !Is(date, {"01/05", "12/24"}) &&
      !(Sunday(day) && InDateList(FixedDateList::BeforeNativity, date))) {
    a += "MATINS" + context.Reading(FixedKey(key, "M1"));
    a += kNL3;
  }
  a += UpperAscii(liturgy);
  a += context.Reading(FixedKey(key, "E1"));
  a += context.Reading(FixedKey(key, "G1"));

  if (ownDate && date == "01/05") {
    context.Open(BibleFile::OldTestament);
    a += kNL3;
    a += "BLESSING OF THE WATERS";
    for (const char* slot : {"BW1", "BW2", "BW3"}) a += context.Reading(FixedKey(key, slot));
    context.Open(BibleFile::NewTestament);
    for (const char* slot : {"BW4", "BW5"}) a += context.Reading(FixedKey(key, slot));
  }
  return a;
}

std::string GetRoyalHours(ReadingsContext& context) {
  const DayValues& day = context.Day();
  const std::string prefix = day.LectionaryDay == 75                          ? "75"
                             : Is(day.DateKey, {"01/03", "01/04", "01/05"}) ? "TheoRH"
                                                                             : "NativRH";
  // Before the Nativity the Third Hour's prophecy is from Baruch.
  const bool baruch = Is(day.DateKey, {"12/22", "12/23", "12/24"});

  std::string r = "ROYAL HOURS";
  r += kNL2;
  const char* const hours[] = {"FIRST HOUR", "THIRD HOUR", "SIXTH HOUR", "NINTH HOUR"};
  const char* const numbers[] = {"1", "3", "6", "9"};
  for (int i = 0; i < 4; ++i) {
    if (i > 0) r += kNL2;
    r += hours[i];
    const std::string slot = std::string(numbers[i]) + "H";
    context.Open(i == 1 && baruch ? BibleFile::Apocrypha : BibleFile::OldTestament);
    r += context.Reading(FixedKey(prefix, slot + "1"));  // prophecy
    context.Open(BibleFile::NewTestament);
    r += context.Reading(FixedKey(prefix, slot + "2"));  // epistle
    r += context.Reading(FixedKey(prefix, slot + "3"));  // gospel
  }
  return r;
}

}  // namespace kal
