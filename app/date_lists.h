// The day, month and year lists of the go-to-date and print range dialogs:
// the window of years they offer, their check of a day-month-year
// combination, the texts of the messages about it, and the dialogs' OK and
// Cancel buttons.
#pragma once

#include <QString>

#include "calendar/day_number.h"
#include "calendar/selected_day.h"

class QBoxLayout;
class QComboBox;
class QDialog;

namespace kal {

// The years wholly inside the Old Calendar's reckoned range (1 March 1900 to
// 28 February 2084, Julian), so either calendar can reach every day of them.
inline constexpr int kFirstListYear = 1901;
inline constexpr int kLastListYear = 2083;

// "Date must be between Jan 1, 1901 and Dec 31, 2083." (Go To Date) and the
// same ending on Dec 30 (Print Range, whose range needs the following day).
QString GoToDateRangeMessage();
QString PrintRangeDateMessage();
// Shown, with its leading blanks, when a list makes an impossible date.
inline constexpr const char* kNotValidDateText = "                            Not a valid Date.";

// Month "January" ... "December" (locale names), day "1" ... "31", year
// kFirstListYear ... kLastListYear; twelve rows visible, no typing.
void FillMonthList(QComboBox& list);
void FillDayList(QComboBox& list);
void FillYearList(QComboBox& list);

// The date the three lists show (year = row + kFirstListYear, month and day
// = row + 1); it need not be a real date.
YearMonthDay ListDate(const QComboBox& month, const QComboBox& day, const QComboBox& year);
// Selects the rows of a date whose year lies in the list.
void SelectListDate(QComboBox& month, QComboBox& day, QComboBox& year, const YearMonthDay& date);

// February has 29 days in leap years (as the calendar reckons them) and 28
// otherwise; April, June, September and November 30; the other months 31.
bool IsValidListDate(const YearMonthDay& date);
bool YearInLists(int year);

// The selected day on the calendar in force as the user reads it: the true
// Julian year on the Old Calendar.
YearMonthDay ActiveListDate(const SelectedDay& day, CalendarMode mode);
// Such a date as the day number the date selection window's grid takes (the
// shifted form on the Old Calendar).
DayNumber GridDateOf(const YearMonthDay& date, CalendarMode mode);

// Adds "OK" (the default button, accepting) and "Cancel" (rejecting) to the
// dialog, in that order, at the end of the layout.
void AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout);

}  // namespace kal
