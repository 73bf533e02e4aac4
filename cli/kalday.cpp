#include "kalday.h"

#include <algorithm>

#include "date_args.h"
#include "day_context.h"
#include "json_writer.h"
#include "options.h"
#include "print_day.h"
#include "print_easter.h"
#include "print_hymns.h"
#include "print_icon.h"
#include "print_ical.h"
#include "print_passage.h"
#include "print_reading.h"
#include "print_readings.h"
#include "program_folder.h"

namespace kalday {

namespace {

// The parts of one day's page the options ask for.
int PrintOneDay(const DayContext& context, std::ostream& out, std::ostream& err) {
  const Options& options = context.options;
  // Each feature of the day adds its part, as text or as fields of one object.
  // In text, asking for a section prints that section instead of the summary.
  const bool sections = options.hymns || options.findSaint || options.icon || options.readings;
  int status = 0;
  if (options.json) {
    JsonWriter json(out);
    json.BeginObject();
    WriteDayJson(context, json);
    if (options.hymns) WriteHymnsJson(context, json);
    if (options.findSaint) status = WriteFindSaintJson(context, *options.findSaint, json);
    if (options.icon) status = std::max(status, WriteIconJson(context, kal::ExecutableDirectory(), json, err));
    if (options.readings) status = std::max(status, WriteReadingsJson(context, kal::ExecutableDirectory(), json));
    json.EndObject();
  } else {
    if (!sections) PrintDayText(context, out);
    if (options.hymns) PrintHymnsText(context, out);
    if (options.findSaint) status = PrintFindSaintText(context, *options.findSaint, out);
    if (options.icon) status = std::max(status, PrintIconText(context, kal::ExecutableDirectory(), out, err));
    if (options.readings) status = std::max(status, PrintReadingsText(context, kal::ExecutableDirectory(), out));
  }
  return status;
}

}  // namespace

int RunKalday(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              kal::DayNumber today) {
  const ParsedOptions parsed = ParseOptions(args);
  if (!parsed.error.empty()) {
    err << "kalday: " << parsed.error << "\n";
    return 2;
  }
  const Options& options = parsed.options;
  if (options.help) {
    PrintHelp(out);
    return 0;
  }

  // Commands that are not about one day.
  if (options.easterYear) return PrintEaster(options, out, err);
  if (options.passage) {
    const std::vector<std::string>& p = *options.passage;
    return PrintPassage({p[0], p[1], p[2], p[3], options.headings, options.verseNumbers}, options.json,
                        kal::ExecutableDirectory(), out, err);
  }
  if (options.ical) return PrintIcal(options, today, kal::ExecutableDirectory(), out, err);
  if (options.reading) return PrintReading(*options.reading, options.json, kal::ExecutableDirectory(), out, err);

  if (options.from) {
    // One page a day over a run of days, each exactly as its own run prints it.
    const RangeChoice range = ChooseRange(options, *options.from, *options.to, today, "--to comes before --from");
    if (!range.error.empty()) {
      err << "kalday: " << range.error << "\n";
      return 2;
    }
    int status = 0;
    if (options.json) out << "[";
    for (kal::DayNumber n = range.first; n <= range.last; ++n) {
      const kal::SelectedDay day = kal::MakeSelectedDayOfNewDate(n, options.mode);
      if (options.json && n != range.first) out << ",";
      status = std::max(status, PrintOneDay(DayContext{options, day, options.mode}, out, err));
    }
    if (options.json) out << "]\n";
    return status;
  }

  const DayChoice choice = ChooseDay(options, today);
  if (!choice.error.empty()) {
    err << "kalday: " << choice.error << "\n";
    return 2;
  }
  return PrintOneDay(DayContext{options, choice.day, options.mode}, out, err);
}

}  // namespace kalday
