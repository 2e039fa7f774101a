#!/usr/bin/env bash
# Runs the Windows clock under Wine beside the Linux one and checks that they
# are the same program: the title is the Linux clock's face for the same
# settings, the dialogs open with their controls where the templates put
# them and answer Enter and Escape, the configuration file written after the
# same steps is the Linux clock's byte for byte, and an alarm's note shows.
#
#   tests/windows/run_wine_checks.sh LINUX-HORATICK WINDOWS-BUILD-DIR
#
# Wine gets a prefix of its own under the Windows build folder (made once)
# and an X server of its own.
set -euo pipefail

linux_clock="$(realpath "$1")"
build="$(realpath "$2")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$build/wine-checks"
rm -rf "$work"
mkdir -p "$work"

wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

display=""
for n in $(seq 70 99); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "wine checks: no free X display"; exit 1; }
# The same screen as the Linux clock's tests, so the window's place is the same.
wineserver="$(command -v wineserver || echo "$(dirname "$wine")/wineserver")"
# Whatever still runs in the checks' own prefix would keep its own display
# and screen size: it is ended first.
"$wineserver" -k >/dev/null 2>&1 || true
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine checks: making the Wine prefix"
  "$wine" wineboot -i >/dev/null 2>&1
fi
"$wine" wineboot -r >/dev/null 2>&1 || true

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# probe FOLDER ACTION...: the probe's report, on standard output.
probe() {
  local folder="$1"
  shift
  "$wine" "$build/horatick_wine_probe.exe" "$(windows_path "$build/horatick.exe")" "$(windows_path "$folder")" "$@" \
    2>/dev/null | tr -d "\r" || true
}

# Waits out the last seconds of a minute, so that a face read now and the
# Linux clock's face read a moment later show the same minute.
settle_minute() {
  local second
  second=$((10#$(date +%S)))
  if [ "$second" -ge 45 ]; then sleep $((61 - second)); fi
}

# Control ids of the Preferences dialog (src/resources/control_ids.h).
TIME_24H=106 WEEKDAY_FULL=206 WEEKDAY_NONE=207 MONTH_FULL=308 MONTH_SHORT=307 YEAR_FULL=506
DAY_TWO_DIGITS=406 DATE_DMY=606 DATE_YMD=607 SEPARATOR=611 PM_LOWER=149

echo "-- the face in several styles"
styles=(
  ""
  "click $TIME_24H click $WEEKDAY_FULL click $MONTH_FULL"
  "click $DATE_DMY click $DAY_TWO_DIGITS click $YEAR_FULL type $SEPARATOR ."
  "click $WEEKDAY_NONE click $MONTH_SHORT click $DATE_YMD click $PM_LOWER"
)
index=0
for style in "${styles[@]}"; do
  index=$((index + 1))
  folder="$work/face-$index"
  mkdir -p "$folder"
  ok=""
  for attempt in 1 2; do
    settle_minute
    # shellcheck disable=SC2086
    report="$(probe "$folder" menu 2 $style ok title quit)"
    title="$(sed -n 's/^title: //p' <<<"$report")"
    face="$("$linux_clock" --settings-dir "$folder" --print-face)"
    if [ -n "$title" ] && [ "$title" = "$face" ]; then ok=1; break; fi
  done
  if [ -n "$ok" ]; then
    echo "ok: style $index: '$title'"
  else
    fail "style $index: Windows title '$title', Linux face '$face'"
    echo "$report"
  fi
done

echo "-- the dialogs: layout, first focus, Enter, Escape, a mnemonic; a second start"
folder="$work/dialogs"
mkdir -p "$folder"
# In the order of dialog_focus.txt, whose focus each must open with.
report="$(probe "$folder" \
  menu 1 layout focus key enter closed \
  menu 2 layout focus key alt-c closed \
  menu 3 layout focus cancel \
  menu 4 layout focus click 601 layout focus cancel cancel \
  menu 6 layout focus key escape closed \
  second \
  quit)"
echo "$report" | grep -v '^window after' || true
grep -q '^FAIL' <<<"$report" && fail "dialogs"
[ "$(grep -c '^layout:' <<<"$report")" -eq 6 ] || fail "not every dialog was checked"
grep -q '^second: .*Horatick is already running\.' <<<"$report" || fail "a second start on the same folder"
focus="$(sed -n 's/^focus: .*: //p' <<<"$report" | tr '\n' ' ')"
expected="$(sed -e '/^#/d' -e 's/^[^ ]* //' "$here/dialog_focus.txt" | tr '\n' ' ')"
[ "$focus" = "$expected" ] || fail "the dialogs' first focus: $focus, expected $expected"

echo "-- the configuration file after the same steps as the Linux clock's"
folder="$work/same-steps"
mkdir -p "$folder"
# shellcheck disable=SC2046
report="$(probe "$folder" $(sed -e 's/#.*//' "$here/same_steps.txt") quit)"
grep -q '^FAIL' <<<"$report" && fail "same steps: $report"
if cmp "$folder/HORATICK.CFG" "$here/same_steps.cfg"; then
  echo "ok: HORATICK.CFG is the Linux clock's, byte for byte"
else
  fail "HORATICK.CFG differs from the Linux clock's"
  cmp -l "$folder/HORATICK.CFG" "$here/same_steps.cfg" | head -20 || true
fi
# Each reads the other's: the Windows clock shows the face of the Linux
# clock's file as the Linux clock does.
folder="$work/linux-file"
mkdir -p "$folder"
cp "$here/same_steps.cfg" "$folder/HORATICK.CFG"
settle_minute
title="$(probe "$folder" title quit | sed -n 's/^title: //p')"
face="$("$linux_clock" --settings-dir "$folder" --print-face)"
if [ -n "$title" ] && [ "$title" = "$face" ]; then
  echo "ok: the Windows clock reads the Linux clock's file: '$title'"
else
  fail "the Linux clock's file: Windows title '$title', Linux face '$face'"
fi

echo "-- what the Linux clock says on standard error goes to horatick.log"
folder="$work/log"
mkdir -p "$folder/HORATICK.INI"
probe "$folder" title quit >/dev/null
if grep -q 'profile .*could not be written' "$folder/horatick.log" 2>/dev/null; then
  echo "ok: $(cat "$folder/horatick.log")"
else
  fail "no horatick.log with the profile's failure"
fi

# The alarm and the countdown each wait a minute of real time: the two clocks
# run side by side, each in a folder of its own, and the probe speaks to its
# own clock's windows only.
alarm_folder="$work/alarm"
mkdir -p "$alarm_folder"
second=$((10#$(date +%S)))
# The alarm is set a minute ahead, with time for the steps before it.
[ "$second" -ge 50 ] && sleep $((61 - second))
at="$(date -d '+1 minute' +%H:%M)"
# The 24-hour time first, so that the time typed is read as 24-hour time at
# any hour of the day (switching turns a time typed before into the other
# form). The click is posted and the typing sent, so the typing waits.
probe "$alarm_folder" menu 4 click 120 sleep 500 type 304 "$at" click 306 click 124 type 307 "Tea is ready" ok \
  wait "Alarm 1" 90 answer 1 quit >"$work/alarm-report" &
alarm_probe=$!

countdown_folder="$work/countdown"
mkdir -p "$countdown_folder"
# Countdown 1 for its shortest length, one minute, started in the Timers
# dialog. The radio's click is posted while the typing is sent, so the typing
# waits until the click has shown the countdown's stored length.
countdown_report="$(probe "$countdown_folder" menu 6 click 107 sleep 500 type 141 1 click 110 ok \
  wait "Horatick" 90 answer 1 quit)"
wait "$alarm_probe" || true
alarm_report="$(cat "$work/alarm-report")"

echo "-- an alarm's note"
echo "$alarm_report" | grep '^window:\|^text:' || true
if grep -q '^text:.*Tea is ready' <<<"$alarm_report" && ! grep -q '^FAIL' <<<"$alarm_report"; then
  echo "ok: alarm 1 showed its note"
else
  fail "alarm note: $alarm_report"
fi

echo "-- a countdown's notice"
echo "$countdown_report" | grep '^window:\|^text:' || true
if grep -q '^text:.*Countdown timer 1 finished\.' <<<"$countdown_report" && ! grep -q '^FAIL' <<<"$countdown_report"; then
  echo "ok: countdown 1 showed its notice"
else
  fail "countdown notice: $countdown_report"
fi

if [ "$failures" -ne 0 ]; then
  echo "wine checks: $failures failed"
  exit 1
fi
echo "wine checks: all passed"
