// Setting the machine's clock from the Time and Date dialog: automatic
// network time would put the clock back at once, so it is turned off first,
// when the user agrees; every failure is told in plain words.
#include <cstdio>

#include "datetime/set_date_time_dialog.h"

namespace {

constexpr char kCaption[] = "Horatick";
constexpr char kNoTimeService[] = "The clock cannot be set here: the system's time service does not answer.";
constexpr char kNetworkTimeQuestion[] =
    "The time is set automatically from the network. Turn that off and set the time by hand?";

// While the desktop asks for authorisation the dialog waits: the clock goes
// on ticking, but a second OK must not start a second request.
class DialogHeld {
 public:
  explicit DialogHeld(HWND dialog) : dialog_(dialog) { EnableWindow(dialog_, FALSE); }
  ~DialogHeld() { EnableWindow(dialog_, TRUE); }
  DialogHeld(const DialogHeld&) = delete;
  DialogHeld& operator=(const DialogHeld&) = delete;

 private:
  HWND dialog_;
};

// The failure of the call just made, with its reason. With no time service
// to ask (no system bus, no service on it) the clock cannot be set on this
// system at all, and the box says so rather than that this one try failed.
void ReportFailure(HWND dialog, DWORD error) {
  char reason[256];
  FormatMessage(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason, sizeof reason,
                nullptr);
  const char* headline = error == ERROR_NOT_SUPPORTED ? kNoTimeService : "The clock was not set.";
  char text[384];
  std::snprintf(text, sizeof text, "%s\n%s", headline, reason);
  MessageBox(dialog, text, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

void SetSystemClock(HWND dialog, const SYSTEMTIME& local) {
  BOOL networkTime = FALSE;
  DWORD error = ERROR_SUCCESS;
  {
    DialogHeld held(dialog);
    if (!GetNetworkTimeSync(&networkTime)) error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    ReportFailure(dialog, error);
    return;
  }
  if (networkTime && MessageBox(dialog, kNetworkTimeQuestion, kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  {
    DialogHeld held(dialog);
    if ((networkTime && !SetNetworkTimeSync(FALSE)) || !SetLocalTime(&local)) error = GetLastError();
  }
  if (error != ERROR_SUCCESS) ReportFailure(dialog, error);
}
