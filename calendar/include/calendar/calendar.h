// The liturgical calendar: the selected day on both calendars, Pascha and the
// movable cycle, day names, tones and fasting.
#pragma once

#include "calendar/date_names.h"
#include "calendar/day_designation.h"
#include "calendar/day_names.h"
#include "calendar/day_number.h"
#include "calendar/fasting.h"
#include "calendar/selected_day.h"
#include "calendar/stepping.h"
