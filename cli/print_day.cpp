#include "print_day.h"

#include <iomanip>
#include <string>

#include "calendar/calendar.h"
#include "date_args.h"

namespace kalday {
namespace {

// The summary, computed once for both forms of output.
struct DaySummary {
  std::string dateTitle, infoText, fastingText, monthText, yearText, dateKey;
  int tone;
  int zacchaeusId;
  std::string newDate, julianDate, pascha, westernEaster;
  int substituteIconKey;
};

DaySummary Summarise(const DayContext& c) {
  const kal::SelectedDay& d = c.day;
  DaySummary s;
  s.dateTitle = kal::DateTitle(d, c.mode);
  s.infoText = kal::InfoText(d, c.mode);
  s.fastingText = kal::FastingText(d, c.mode);
  s.monthText = kal::MonthText(d, c.mode);
  s.yearText = kal::YearText(d, c.mode);
  s.dateKey = kal::DateKeyText(d, c.mode);
  s.tone = kal::WeekTone(d);
  s.zacchaeusId = kal::ZacchaeusID(d);
  s.newDate = FormatIsoDate(d.NewDate);
  // The real Julian date, also where the Old side of the day is clamped.
  s.julianDate = FormatIsoDate(kal::DecodeJulianDate(d.NewDate));
  s.pascha = FormatIsoDate(d.Pascha);
  s.westernEaster = FormatIsoDate(d.WesternEaster);
  s.substituteIconKey = kal::SubstituteIconKey(d, kal::DateKey(d, c.mode));
  return s;
}

std::string TrimLeft(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

void PrintDayText(const DayContext& context, std::ostream& out) {
  const DaySummary s = Summarise(context);
  const auto row = [&out](const char* label, const std::string& value) {
    out << std::left << std::setw(22) << label << value << '\n';
  };
  out << s.dateTitle << '\n' << s.infoText << '\n';
  row("Fasting:", s.fastingText.empty() ? "(no fasting rule)" : TrimLeft(s.fastingText));
  row("Tone:", std::to_string(s.tone));
  row("ZacchaeusID:", std::to_string(s.zacchaeusId));
  row("Date key:", s.dateKey);
  row("New date:", s.newDate);
  row("Julian date:", s.julianDate);
  row("Pascha:", s.pascha);
  row("Western Easter:", s.westernEaster);
  row("Substitute icon key:", std::to_string(s.substituteIconKey));
}

void WriteDayJson(const DayContext& context, JsonWriter& json) {
  const DaySummary s = Summarise(context);
  json.Field("dateTitle", s.dateTitle)
      .Field("infoText", s.infoText)
      .Field("fastingText", s.fastingText)
      .Field("tone", s.tone)
      .Field("zacchaeusId", s.zacchaeusId)
      .Field("dateKey", s.dateKey)
      .Field("newDate", s.newDate)
      .Field("julianDate", s.julianDate)
      .Field("pascha", s.pascha)
      .Field("westernEaster", s.westernEaster)
      .Field("monthText", s.monthText)
      .Field("yearText", s.yearText)
      .Field("substituteIconKey", s.substituteIconKey);
}

}  // namespace kalday
