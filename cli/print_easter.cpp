#include "print_easter.h"

#include "calendar/selected_day.h"
#include "date_args.h"
#include "json_writer.h"

namespace kalday {

int PrintEaster(const Options& options, std::ostream& out, std::ostream& err) {
  const std::optional<int> year = ParseYear(*options.easterYear);
  if (!year) {
    err << "kalday: \"" << *options.easterYear << "\" is not a year from " << kFirstYear << " to "
        << kLastYear << "\n";
    return 2;
  }
  const std::string western = FormatIsoDate(kal::WesternEasterOfYear(*year));
  const std::string pascha = FormatIsoDate(kal::PaschaOfYear(*year));
  if (options.json) {
    JsonWriter json(out);
    json.BeginObject().Field("westernEaster", western).Field("pascha", pascha).EndObject();
  } else {
    out << "Western Easter: " << western << "\n"
        << "Pascha:         " << pascha << "\n";
  }
  return 0;
}

}  // namespace kalday
