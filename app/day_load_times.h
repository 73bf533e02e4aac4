// How long the stages of the last page load took, in nanoseconds: the
// readings text, putting the page into the editor, laying out its visible
// part and the icon. Read by the benchmark; costs a few clock reads.
#pragma once

#include <QtGlobal>

namespace kal {

struct DayLoadTimes {
  qint64 text = 0, editor = 0, layout = 0, icon = 0;
};

inline DayLoadTimes& LastDayLoadTimes() {
  static DayLoadTimes times;
  return times;
}

}  // namespace kal
