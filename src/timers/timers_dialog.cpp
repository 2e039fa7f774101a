// The Timers dialog procedure. Settings are edited in a working copy and
// committed by OK; Start and Stop act on the live timers at once.
#include <cstdio>
#include <cstring>

#include "base/clock_app.h"
#include "base/dialog_buttons.h"
#include "timers/timer_engine.h"
#include "timers/timers_dialog.h"

TimerRecord dialogTimers[kTimerCount];
int selectedTimer = 0;

namespace {

constexpr const char kZeroLengthNotice[] =
    "In order to use the countdown timer, you must enter a number to countdown from which is greater than "
    "zero.";
constexpr const char kCaption[] = "Horatick";

HWND const kNoDialog = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));

bool IsCountdown(int index) { return index >= kFirstCountdown; }

void CopySettings(const TimerRecord& from, TimerRecord& to) {
  to.showTimer = from.showTimer;
  to.showTime = from.showTime;
  to.showDate = from.showDate;
  to.showSeconds = from.showSeconds;
  to.beepWhenFinished = from.beepWhenFinished;
  to.beepDuration = from.beepDuration;
  to.beepPitch = from.beepPitch;
  to.countFromHours = from.countFromHours;
  to.countFromMinutes = from.countFromMinutes;
}

std::int32_t Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0; }

void ShowCheckBoxes(HWND dialog, const TimerRecord& record) {
  CheckDlgButton(dialog, IDC_TIMERS_DISPLAY_TIMER, record.showTimer);
  CheckDlgButton(dialog, IDC_TIMERS_DISPLAY_TIME, record.showTime);
  CheckDlgButton(dialog, IDC_TIMERS_DISPLAY_DATE, record.showDate);
  CheckDlgButton(dialog, IDC_TIMERS_DISPLAY_SECONDS, record.showSeconds);
  CheckDlgButton(dialog, IDC_TIMERS_WHEN_FINISHED, record.beepWhenFinished);
}

void ShowCountdownLength(HWND dialog, const TimerRecord& record) {
  char text[40];
  FormatCountdownLength(record, text, sizeof text);
  SetDlgItemText(dialog, IDC_TIMERS_COUNTDOWN_FROM, text);
}

// Reads the length in the edit into the given record's two length fields.
void ReadCountdownLength(HWND dialog, TimerRecord& record) {
  char text[80];
  GetDlgItemText(dialog, IDC_TIMERS_COUNTDOWN_FROM, text, sizeof text);
  const CountdownLength length = ParseCountdownFrom(text);
  record.countFromHours = length.hours;
  record.countFromMinutes = length.totalMinutes;
}

void ShowStartStopCaption(HWND dialog) {
  const char* caption = timers[selectedTimer].running ? "&Stop" : "&Start";
  char shown[16] = {};
  GetDlgItemText(dialog, IDC_TIMERS_START_STOP, shown, sizeof shown);
  if (std::strcmp(shown, caption) != 0) SetDlgItemText(dialog, IDC_TIMERS_START_STOP, caption);
}

void EnableCountdownControls(HWND dialog, bool enable) {
  EnableWindow(GetDlgItem(dialog, IDC_TIMERS_COUNTDOWN_FROM), enable);
  EnableWindow(GetDlgItem(dialog, IDC_TIMERS_COUNTDOWN_FROM_LABEL), enable);
  EnableWindow(GetDlgItem(dialog, IDC_TIMERS_WHEN_FINISHED), enable);
}

void Initialise(HWND dialog) {
  for (int i = 0; i < kTimerCount; ++i) {
    dialogTimers[i] = TimerRecord{};
    CopySettings(timers[i], dialogTimers[i]);
  }
  // The dialog always opens on Stopwatch 1, whatever was selected last time.
  CheckRadioButton(dialog, IDC_TIMERS_STOPWATCH1, IDC_TIMERS_COUNTDOWN2, IDC_TIMERS_STOPWATCH1);
  selectedTimer = 0;
  ShowCheckBoxes(dialog, dialogTimers[0]);
  ShowCountdownLength(dialog, dialogTimers[0]);
  EnableCountdownControls(dialog, false);
  timersDialog = dialog;
  ShowStartStopCaption(dialog);
}

// Keeps what the check boxes and the edit say for the timer that was selected, then shows another.
void SelectTimer(HWND dialog, int id) {
  TimerRecord& previous = dialogTimers[selectedTimer];
  previous.showTimer = Checked(dialog, IDC_TIMERS_DISPLAY_TIMER);
  previous.showTime = Checked(dialog, IDC_TIMERS_DISPLAY_TIME);
  previous.showDate = Checked(dialog, IDC_TIMERS_DISPLAY_DATE);
  previous.beepWhenFinished = Checked(dialog, IDC_TIMERS_WHEN_FINISHED);
  previous.showSeconds = Checked(dialog, IDC_TIMERS_DISPLAY_SECONDS);
  ReadCountdownLength(dialog, previous);

  CheckRadioButton(dialog, IDC_TIMERS_STOPWATCH1, IDC_TIMERS_COUNTDOWN2, id);
  selectedTimer = id - IDC_TIMERS_STOPWATCH1;
  const TimerRecord& shown = dialogTimers[selectedTimer];
  // A value outside a group (a stopwatch carries 0) leaves both of its radios unchecked.
  CheckRadioButton(dialog, IDC_TIMERS_PITCH_HI, IDC_TIMERS_PITCH_LOW, shown.beepPitch);
  CheckRadioButton(dialog, IDC_TIMERS_BEEP_LONG, IDC_TIMERS_BEEP_SHORT, shown.beepDuration);
  ShowCheckBoxes(dialog, shown);
  ShowCountdownLength(dialog, shown);
  SetDlgItemText(dialog, IDC_TIMERS_CURRENT_COUNT, "00:00:00");
  EnableCountdownControls(dialog, IsCountdown(selectedTimer));
  ShowStartStopCaption(dialog);
}

void StartOrStop(HWND dialog) {
  TimerRecord& settings = dialogTimers[selectedTimer];
  ReadCountdownLength(dialog, settings);
  const bool running = timers[selectedTimer].running != 0;
  if (IsCountdown(selectedTimer) && !running && settings.countFromMinutes < 1) {
    MessageBox(dialog, kZeroLengthNotice, kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (running) {
    StopTimer(selectedTimer);
  } else if (IsCountdown(selectedTimer)) {
    StartCountdown(selectedTimer, settings.countFromMinutes);
  } else {
    StartStopwatch(selectedTimer);
  }
  ShowStartStopCaption(dialog);
}

// Pitch and duration belong to countdowns; with a stopwatch selected a click changes nothing.
void ChooseBeep(HWND dialog, int id, int firstId, int lastId, std::int32_t TimerRecord::*field) {
  if (!IsCountdown(selectedTimer)) return;
  dialogTimers[selectedTimer].*field = id;
  CheckRadioButton(dialog, firstId, lastId, id);
}

void Commit(HWND dialog) {
  const TimerRecord& selected = dialogTimers[selectedTimer];
  for (int i = 0; i < kTimerCount; ++i) {
    TimerRecord& live = timers[i];
    const TimerRecord& edited = dialogTimers[i];
    live.showTimer = edited.showTimer;
    live.showSeconds = edited.showSeconds;
    live.beepWhenFinished = edited.beepWhenFinished;
    live.beepPitch = edited.beepPitch;
    live.beepDuration = edited.beepDuration;
    live.countFromHours = edited.countFromHours;
    live.countFromMinutes = edited.countFromMinutes;
    live.showTime = selected.showTime;
    live.showDate = selected.showDate;
  }
  TimerRecord& live = timers[selectedTimer];
  live.showTimer = Checked(dialog, IDC_TIMERS_DISPLAY_TIMER);
  live.showTime = Checked(dialog, IDC_TIMERS_DISPLAY_TIME);
  live.showDate = Checked(dialog, IDC_TIMERS_DISPLAY_DATE);
  live.showSeconds = Checked(dialog, IDC_TIMERS_DISPLAY_SECONDS);
  live.beepWhenFinished = Checked(dialog, IDC_TIMERS_WHEN_FINISHED);
  ReadCountdownLength(dialog, live);
  // The face reads Display Time and Display Date from Stopwatch 1's record.
  timers[0].showDate = Checked(dialog, IDC_TIMERS_DISPLAY_DATE);
  timers[0].showTime = Checked(dialog, IDC_TIMERS_DISPLAY_TIME);
}

void Close(HWND dialog, INT_PTR result) {
  timersDialog = kNoDialog;
  EndDialog(dialog, result);
}

void Refresh(HWND dialog) {
  if (timers[selectedTimer].running) {
    UpdateTimers(dialog);
    const TimerRecord& shown = timers[selectedTimer];
    char count[16];
    std::snprintf(count, sizeof count, "%02d:%02d:%02d", shown.hours, shown.minutes, shown.seconds);
    SetDlgItemText(dialog, IDC_TIMERS_CURRENT_COUNT, count);
  }
  // A countdown that finished in this update must not leave "&Stop" on a button that now starts it.
  ShowStartStopCaption(dialog);
}

bool HandleCommand(HWND dialog, WPARAM command) {
  switch (command) {
    case IDC_TIMERS_STOPWATCH1:
    case IDC_TIMERS_STOPWATCH2:
    case IDC_TIMERS_COUNTDOWN1:
    case IDC_TIMERS_COUNTDOWN2:
      SelectTimer(dialog, static_cast<int>(command));
      return true;
    case IDC_TIMERS_START_STOP:
      StartOrStop(dialog);
      return true;
    case IDC_TIMERS_PITCH_HI:
    case IDC_TIMERS_PITCH_LOW:
      ChooseBeep(dialog, static_cast<int>(command), IDC_TIMERS_PITCH_HI, IDC_TIMERS_PITCH_LOW, &TimerRecord::beepPitch);
      return true;
    case IDC_TIMERS_BEEP_LONG:
    case IDC_TIMERS_BEEP_SHORT:
      ChooseBeep(dialog, static_cast<int>(command), IDC_TIMERS_BEEP_LONG, IDC_TIMERS_BEEP_SHORT,
                 &TimerRecord::beepDuration);
      return true;
    default:
      return HandleDialogButton(dialog, command, {IDC_TIMERS_HELP, kTimersHelpContext, Commit, Close});
  }
}

}  // namespace

INT_PTR TimersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(dialog);
      return TRUE;
    case WM_COMMAND:
      return HandleCommand(dialog, wParam) ? TRUE : FALSE;
    case WM_TIMERS_REFRESH:
      Refresh(dialog);
      return TRUE;
    case WM_DESTROY:
      // However the dialog goes away, the clock window must stop sending it refreshes.
      if (timersDialog == dialog) timersDialog = kNoDialog;
      return FALSE;
    default:
      return FALSE;
  }
}

void ResetTimersDialogState() {
  for (TimerRecord& record : dialogTimers) record = TimerRecord{};
  selectedTimer = 0;
}
