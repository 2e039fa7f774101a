#!/usr/bin/python3
"""Reads an iCalendar file of the clock's alarms with libraries of its own and
prints what a reader of the file finds in it.

usage: ics_occurrences.py FILE "YYYY-MM-DD HH:MM" DAYS
    the minutes in DAYS days from the given one at which the clock rings the
    events, in the form and order of `horatick --upcoming`: a floating time
    that the zone in TZ skips rings at the first minute after the gap, one it
    repeats rings once.
usage: ics_occurrences.py FILE notes
    each event's alarm number, summary and reminder text, one a line.
"""
import json
import os
import re
import sys
from datetime import datetime, timedelta, timezone
from zoneinfo import ZoneInfo

import icalendar
from dateutil.rrule import rrulestr


def exists(local, zone):
    back = local.replace(tzinfo=zone).astimezone(timezone.utc).astimezone(zone)
    return back.replace(tzinfo=None) == local


def noticed(local, zone):
    for minutes in range(12 * 60 + 1):
        moment = local + timedelta(minutes=minutes)
        if exists(moment, zone):
            return moment
    return None


def alarm_number(event):
    return int(re.match(r"alarm(\d+)-", str(event["UID"])).group(1))


def occurrences(calendar, start, days):
    zone = ZoneInfo(os.environ["TZ"])
    end = start + timedelta(days=days)
    found = []
    for event in calendar.walk("VEVENT"):
        first = event.decoded("DTSTART")
        if first.tzinfo is not None:
            sys.exit("DTSTART is not floating: %s" % event["DTSTART"].to_ical())
        if "RRULE" in event:
            rule = rrulestr(event["RRULE"].to_ical().decode(), dtstart=first)
            times = rule.between(start - timedelta(days=1), end, inc=True)
        else:
            times = [first]
        for time in times:
            moment = noticed(time, zone)
            if moment is not None and start <= moment < end:
                found.append((moment, alarm_number(event)))
    for moment, number in sorted(found):
        print("%s alarm %d" % (moment.strftime("%Y-%m-%d %H:%M"), number))


def notes(calendar):
    for event in calendar.walk("VEVENT"):
        reminders = [str(alarm["DESCRIPTION"]) for alarm in event.walk("VALARM")]
        print(json.dumps([alarm_number(event), str(event["SUMMARY"]), str(event.get("DESCRIPTION", "")), reminders],
                         ensure_ascii=False))


def main():
    with open(sys.argv[1], "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    if sys.argv[2] == "notes":
        notes(calendar)
    else:
        occurrences(calendar, datetime.strptime(sys.argv[2], "%Y-%m-%d %H:%M"), int(sys.argv[3]))


main()
