#include "print_hymns.h"

#include <cstdio>
#include <cstring>

#include "hymnpak/hymnpak.h"
#include "richtext/rtf_reader.h"

namespace kalday {

namespace {

int YearOnCalendar(const DayContext& context) {
  // The shifted Old year is the Julian year + 16.
  return context.mode == kal::CalendarMode::Old ? context.day.OldYear - kal::OldCalendarRange::kShift
                                                : context.day.NewYear;
}

}  // namespace

std::string HymnsText(const DayContext& context) { return HymnsText(kal::DateKey(context.day, context.mode)); }

std::string HymnsText(std::uint16_t dateKey) {
  const char* rtf = LoadTropFromResource(dateKey);
  if (rtf == nullptr) return {};
  return richtext::rtfToPlainText(QByteArrayView(rtf, static_cast<qsizetype>(std::strlen(rtf)))).toStdString();
}

std::optional<SaintFound> FindSaint(const DayContext& context, const std::string& text) {
  const std::uint16_t key = SearchTropLookupTable(text.c_str(), kal::DateKey(context.day, context.mode));
  if (key == 0) return std::nullopt;
  char date[16];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", YearOnCalendar(context), key / 100, key % 100);
  return SaintFound{key, date};
}

void PrintHymnsText(const DayContext& context, std::ostream& out) { out << HymnsText(context); }

void WriteHymnsJson(const DayContext& context, JsonWriter& json) { json.Field("hymns", HymnsText(context)); }

int PrintFindSaintText(const DayContext& context, const std::string& text, std::ostream& out) {
  const auto found = FindSaint(context, text);
  if (!found) {
    out << "Cannot find \"" << text << "\".\n";
    return 1;
  }
  out << kal::DateKeyText(found->key) << " " << found->date << "\n";
  return 0;
}

int WriteFindSaintJson(const DayContext& context, const std::string& text, JsonWriter& json) {
  const auto found = FindSaint(context, text);
  json.Key("findSaint");
  if (!found) {
    json.Null();
    return 1;
  }
  json.BeginObject();
  json.Field("key", kal::DateKeyText(found->key));
  json.Field("date", found->date);
  json.EndObject();
  return 0;
}

}  // namespace kalday
