// The day's summary: date title, info text, fasting, tone, place in the
// movable cycle, both dates, Pascha, Western Easter and the icon key.
#pragma once

#include <ostream>

#include "day_context.h"
#include "json_writer.h"

namespace kalday {

void PrintDayText(const DayContext& context, std::ostream& out);
// Adds the summary's fields to the JSON object being written.
void WriteDayJson(const DayContext& context, JsonWriter& json);

}  // namespace kalday
