#!/usr/bin/env python3
"""kalday --ical read back with a real iCalendar library: one event a day on
its civil date, stable UIDs, Pascha and the great feasts and the fast days in
their categories, as kalday's own day summary says."""
import datetime
import json
import subprocess
import sys
import tempfile
import unittest

import icalendar

KALDAY = sys.argv.pop(1)


def kalday(*args):
    return subprocess.run([KALDAY, *args], check=True, capture_output=True, text=True).stdout


def export(first, last, *extra):
    with tempfile.TemporaryDirectory() as folder:
        path = f"{folder}/days.ics"
        subprocess.run([KALDAY, "--ical", first, last, "--output", path, *extra], check=True)
        with open(path, "rb") as f:
            return icalendar.Calendar.from_ical(f.read())


class IcalRoundTrip(unittest.TestCase):
    def check_year(self, year, mode):
        cal = export(f"{year}-01-01", f"{year}-12-31", mode, "--readings")
        events = cal.walk("VEVENT")
        leap = year % 4 == 0 and (year % 100 != 0 or year % 400 == 0 or mode == "--old")
        self.assertEqual(len(events), 366 if leap else 365)
        uids = [str(e["UID"]) for e in events]
        self.assertEqual(len(set(uids)), len(uids))
        starts = [e.decoded("DTSTART") for e in events]
        for a, b in zip(starts, starts[1:]):
            self.assertEqual((b - a).days, 1)
        for e in events:
            self.assertIsInstance(e.decoded("DTSTART"), datetime.date)
            self.assertNotIsInstance(e.decoded("DTSTART"), datetime.datetime)
            self.assertEqual((e.decoded("DTEND") - e.decoded("DTSTART")).days, 1)
        return {e.decoded("DTSTART"): e for e in events}

    def categories(self, event):
        cats = event.get("CATEGORIES")
        if cats is None:
            return set()
        return {str(c) for c in (cats.cats if hasattr(cats, "cats") else cats)}

    def test_years_on_both_calendars(self):
        for year, mode in [(2026, "--new"), (2026, "--old"), (2028, "--new"), (2028, "--old")]:
            with self.subTest(year=year, mode=mode):
                by_date = self.check_year(year, mode)
                easter = kalday("--easter", str(year), "--json")
                pascha = datetime.date.fromisoformat(json.loads(easter)["pascha"])
                self.assertIn("Pascha", self.categories(by_date[pascha]))
                self.assertEqual(sum("Pascha" in self.categories(e) for e in by_date.values()), 1)
                feasts = sum("Great Feast" in self.categories(e) for e in by_date.values())
                self.assertIn(feasts, (11, 12))
                # Every day's categories against kalday's own summary of it.
                for civil, event in sorted(by_date.items())[::9]:
                    day = json.loads(kalday("--date", civil.isoformat(), "--json"))
                    fasting = day["fastingText"]
                    if mode == "--old":
                        old = kalday("--date", civil.isoformat(), "--json")  # civil date, New view
                        jul = json.loads(old)["julianDate"]
                        fasting = json.loads(kalday("--date", jul, "--old", "--json"))["fastingText"]
                    cats = self.categories(event)
                    fish = "Fish" in fasting or "Caviar" in fasting
                    wine = "Wine" in fasting
                    self.assertEqual("Fish Allowed" in cats, fish, (civil, fasting, cats))
                    self.assertEqual("Wine and Oil" in cats, wine, (civil, fasting, cats))
                    if "Fast Free" in fasting or "fare" in fasting:
                        self.assertNotIn("Fast Day", cats, (civil, fasting, cats))
                    if "Fast Day" in fasting or fasting.strip().endswith(" Fast"):
                        self.assertIn("Fast Day", cats, (civil, fasting, cats))
                    self.assertIn(fasting.strip().split("   ")[0] if fasting.strip() else "",
                                  str(event["DESCRIPTION"]))

    def test_reimport_updates_rather_than_duplicates(self):
        a = export("2026-12-20", "2026-12-31", "--new")
        b = export("2026-12-25", "2027-01-02", "--new")
        uid_a = {str(e["UID"]): e.decoded("DTSTART") for e in a.walk("VEVENT")}
        uid_b = {str(e["UID"]): e.decoded("DTSTART") for e in b.walk("VEVENT")}
        for uid in set(uid_a) & set(uid_b):
            self.assertEqual(uid_a[uid], uid_b[uid])
        self.assertEqual(len(set(uid_a) & set(uid_b)), 7)

    def test_readings_listed_service_by_service(self):
        cal = export("2026-04-05", "2026-04-05", "--new", "--readings")
        (event,) = cal.walk("VEVENT")
        text = str(event["DESCRIPTION"])
        self.assertIn("Vespers: Genesis 49:1-2, 8-12; Zephaniah 3:14-19", text)
        self.assertIn("Liturgy: Philippians 4:4-9; John 12:1-18", text)
        self.assertIn("Great Feast", self.categories(event))


if __name__ == "__main__":
    unittest.main()
