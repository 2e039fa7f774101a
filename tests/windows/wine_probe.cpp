// A Windows program that uses the Windows clock as a person would, from
// outside: it starts horatick.exe, finds its windows among the desktop's,
// sends them the messages a user's clicks and keys make, and reports what it
// sees. Run under Wine by run_wine_checks.sh, which compares the reports with
// the Linux clock's.
//
//   wine_probe EXE SETTINGS-DIR ACTION...
//
// Actions, done in order (each stops the probe with a message on failure):
//   title                 print "title: <the clock's title>"
//   rect                  print the clock window's place and its client area's
//   menu ID               choose system-menu command ID; wait for its dialog
//   click ID              click control ID of the open dialog
//   type ID TEXT          put TEXT into edit ID of the open dialog
//   ok | cancel           press OK or Cancel; wait for the dialog to close
//   key NAME              press Enter, Escape or Alt+LETTER (alt-x) in the dialog
//   closed                the dialog has closed
//   focus                 print "focus: <caption>: <id of the control with the focus>"
//   layout                check each control of the open dialog sits where its
//                         template puts it (dialog units through its font)
//   wait CAPTION SECONDS  wait for a window whose caption starts with CAPTION;
//                         print "window: <caption>" and "text: <its texts>"
//   answer ID             press button ID of the open window (a note, a box)
//   second                start the clock again on the same folder: print
//                         "second: <its box's text>", answer it, and wait for
//                         that copy to end
//   sleep MS              let the clock run
//   quit                  close the clock and wait for it to end
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource_list.h"
#include "resources/resources.h"

namespace {

PROCESS_INFORMATION clock{};
HWND dialog = nullptr;

[[noreturn]] void Fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  std::fflush(stdout);
  if (clock.hProcess != nullptr) TerminateProcess(clock.hProcess, 1);
  std::exit(1);
}

std::string TextOf(HWND hwnd) {
  char text[512] = {};
  // A window of another process answers WM_GETTEXT through the system.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  return text;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

struct Search {
  std::string className;
  std::string captionPrefix;
  HWND found = nullptr;
};

// The clock's visible top-level windows, front first.
BOOL CALLBACK TakeWindow(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != clock.dwProcessId || !IsWindowVisible(hwnd)) return TRUE;
  if (!search.className.empty() && lstrcmpiA(ClassOf(hwnd).c_str(), search.className.c_str()) != 0) return TRUE;
  if (TextOf(hwnd).rfind(search.captionPrefix, 0) != 0) return TRUE;
  search.found = hwnd;
  return FALSE;
}

HWND FindClockWindow(const std::string& className, const std::string& captionPrefix, int waitMs) {
  for (int waited = 0; waited <= waitMs; waited += 20) {
    Search search{className, captionPrefix};
    EnumWindows(TakeWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    if (WaitForSingleObject(clock.hProcess, 20) == WAIT_OBJECT_0) Fail("the clock ended");
  }
  return nullptr;
}

HWND MainWindow() {
  HWND hwnd = FindClockWindow("Horatick", "", 10000);
  if (hwnd == nullptr) Fail("no clock window");
  return hwnd;
}

HWND OpenDialog(int waitMs) {
  HWND found = FindClockWindow("#32770", "", waitMs);
  if (found == nullptr) Fail("no dialog opened");
  return found;
}

HWND Control(int id) {
  if (dialog == nullptr) Fail("no dialog is open");
  HWND control = GetDlgItem(dialog, id);
  if (control == nullptr) Fail("the dialog has no control " + std::to_string(id));
  return control;
}

void WaitClosed() {
  for (int waited = 0; waited < 10000; waited += 20) {
    if (!IsWindow(dialog)) {
      dialog = nullptr;
      return;
    }
    Sleep(20);
  }
  Fail("the dialog \"" + TextOf(dialog) + "\" did not close");
}

// Presses a key in the open dialog as the keyboard would, through its
// thread's focus window.
void PressKey(WORD key, bool alt) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
  HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr ? info.hwndFocus : dialog;
  const LPARAM altBit = alt ? (1 << 29) : 0;
  if (alt) {
    PostMessageA(target, WM_SYSKEYDOWN, key, altBit | 1);
    PostMessageA(target, WM_SYSCHAR, key | 0x20, altBit | 1);
    PostMessageA(target, WM_SYSKEYUP, key, altBit | 0xC0000001);
  } else {
    PostMessageA(target, WM_KEYDOWN, key, 1);
    if (key == VK_RETURN || key == VK_ESCAPE) PostMessageA(target, WM_CHAR, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  }
  Sleep(300);
}

const DialogTemplateResource* TemplateCaptioned(const std::string& caption) {
  for (int i = 0; i < kHoratickResources.dialogCount; ++i) {
    const DialogTemplateResource* entry = kHoratickResources.dialogs[i];
    if (entry->caption != nullptr && caption == entry->caption) return entry;
  }
  return nullptr;
}

// The dialog units of a template, as Windows' dialog manager works them out:
// from the average width of the alphabet and the height of its font, or the
// system font's when it names none.
SIZE BaseUnits(const DialogTemplateResource& resource) {
  if (resource.fontName == nullptr) {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
  }
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(resource.pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, resource.fontName);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SIZE extent{};
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  GetTextExtentPoint32A(screen, kAlphabet, 52, &extent);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

void CheckLayout() {
  const std::string caption = TextOf(dialog);
  const DialogTemplateResource* resource = TemplateCaptioned(caption);
  if (resource == nullptr) Fail("no template has the caption \"" + caption + "\"");
  const SIZE units = BaseUnits(*resource);
  int wrong = 0;
  for (int i = 0; i < resource->itemCount; ++i) {
    const DialogItemTemplate& item = resource->items[i];
    HWND control = GetDlgItem(dialog, item.id);
    if (control == nullptr) {
      std::printf("  control %d (%s) is missing\n", item.id, item.text);
      ++wrong;
      continue;
    }
    RECT actual{};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    // The size is scaled on its own and added to the scaled corner.
    RECT expected{MulDiv(item.x, units.cx, 4), MulDiv(item.y, units.cy, 8), 0, 0};
    expected.right = expected.left + MulDiv(item.cx, units.cx, 4);
    expected.bottom = expected.top + MulDiv(item.cy, units.cy, 8);
    // Windows sizes an icon static to its icon, from the template's corner.
    if ((item.style & SS_TYPEMASK) == SS_ICON && lstrcmpiA(item.className, "STATIC") == 0) {
      expected.right = expected.left + GetSystemMetrics(SM_CXICON);
      expected.bottom = expected.top + GetSystemMetrics(SM_CYICON);
    }
    if (std::memcmp(&actual, &expected, sizeof actual) != 0) {
      std::printf("  control %d (%s) at %ld,%ld-%ld,%ld, template %ld,%ld-%ld,%ld\n", item.id, item.text,
                  actual.left, actual.top, actual.right, actual.bottom, expected.left, expected.top, expected.right,
                  expected.bottom);
      ++wrong;
    }
  }
  if (wrong != 0) Fail(caption + ": " + std::to_string(wrong) + " controls are not where the template puts them");
  std::printf("layout: %s: %d controls in place\n", caption.c_str(), resource->itemCount);
}

// The texts of a window's children, joined with '|'.
BOOL CALLBACK JoinText(HWND child, LPARAM lParam) {
  auto& joined = *reinterpret_cast<std::string*>(lParam);
  const std::string text = TextOf(child);
  if (!text.empty()) joined += (joined.empty() ? "" : "|") + text;
  return TRUE;
}

void StartProcess(const char* exe, const char* folder) {
  std::string commandLine = std::string("\"") + exe + "\" --settings-dir \"" + folder + "\"";
  // As the desktop starts it: with no standard handles.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &clock)) {
    Fail("the clock did not start: error " + std::to_string(GetLastError()));
  }
}

void StartClock(const char* exe, const char* folder) {
  StartProcess(exe, folder);
  const DWORD started = GetTickCount();
  MainWindow();
  std::printf("window after: %lu ms\n", static_cast<unsigned long>(GetTickCount() - started));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: wine_probe EXE SETTINGS-DIR ACTION...\n");
    return 2;
  }
  setvbuf(stdout, nullptr, _IONBF, 0);
  // The first program of a Wine session that draws text loads the fonts;
  // the probe does that first, so the time to the clock's window is the
  // clock's own.
  HDC screen = GetDC(nullptr);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  ReleaseDC(nullptr, screen);
  StartClock(argv[1], argv[2]);
  for (int i = 3; i < argc; ++i) {
    const std::string action = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) Fail("'" + action + "' needs a value");
      return argv[++i];
    };
    if (action == "title") {
      std::printf("title: %s\n", TextOf(MainWindow()).c_str());
    } else if (action == "rect") {
      RECT rect{};
      POINT client{0, 0};
      GetWindowRect(MainWindow(), &rect);
      ClientToScreen(MainWindow(), &client);
      std::printf("rect: %ld,%ld-%ld,%ld client at %ld,%ld caption %d frame %d border %d\n", rect.left, rect.top,
                  rect.right, rect.bottom, client.x, client.y, GetSystemMetrics(SM_CYCAPTION),
                  GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CXBORDER));
    } else if (action == "menu") {
      const int id = std::atoi(next().c_str());
      PostMessageA(MainWindow(), WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
      dialog = OpenDialog(10000);
    } else if (action == "click") {
      const int id = std::atoi(next().c_str());
      HWND control = Control(id);
      // A click that opens a further dialog leaves this one waiting under it.
      PostMessageA(control, BM_CLICK, 0, 0);
      Sleep(300);
      HWND front = FindClockWindow("#32770", "", 0);
      if (front != nullptr && front != dialog && IsWindowEnabled(front)) dialog = front;
    } else if (action == "type") {
      const int id = std::atoi(next().c_str());
      const std::string text = next();
      SendMessageTimeoutA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                          nullptr);
    } else if (action == "ok" || action == "cancel") {
      PostMessageA(Control(action == "ok" ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
      WaitClosed();
      dialog = FindClockWindow("#32770", "", 300);
    } else if (action == "key") {
      const std::string name = next();
      if (dialog == nullptr) Fail("no dialog is open");
      if (name == "enter") {
        PressKey(VK_RETURN, false);
      } else if (name == "escape") {
        PressKey(VK_ESCAPE, false);
      } else if (name.size() == 5 && name.rfind("alt-", 0) == 0) {
        PressKey(static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[4]))), true);
      } else {
        Fail("no key " + name);
      }
    } else if (action == "focus") {
      if (dialog == nullptr) Fail("no dialog is open");
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
      const int id = GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr ? GetDlgCtrlID(info.hwndFocus) : 0;
      std::printf("focus: %s: %d\n", TextOf(dialog).c_str(), id);
    } else if (action == "closed") {
      WaitClosed();
      dialog = FindClockWindow("#32770", "", 300);
    } else if (action == "layout") {
      if (dialog == nullptr) Fail("no dialog is open");
      CheckLayout();
    } else if (action == "wait") {
      const std::string caption = next();
      const int seconds = std::atoi(next().c_str());
      dialog = FindClockWindow("", caption, seconds * 1000);
      if (dialog == nullptr) Fail("no window \"" + caption + "\" within " + std::to_string(seconds) + " s");
      std::string texts;
      EnumChildWindows(dialog, JoinText, reinterpret_cast<LPARAM>(&texts));
      std::printf("window: %s\ntext: %s\n", TextOf(dialog).c_str(), texts.c_str());
    } else if (action == "answer") {
      PostMessageA(Control(std::atoi(next().c_str())), BM_CLICK, 0, 0);
      WaitClosed();
    } else if (action == "second") {
      const PROCESS_INFORMATION first = clock;
      StartProcess(argv[1], argv[2]);
      HWND box = FindClockWindow("#32770", "", 10000);
      if (box == nullptr) Fail("the second copy showed no box");
      std::string texts;
      EnumChildWindows(box, JoinText, reinterpret_cast<LPARAM>(&texts));
      std::printf("second: %s\n", texts.c_str());
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      if (WaitForSingleObject(clock.hProcess, 10000) != WAIT_OBJECT_0) Fail("the second copy did not end");
      CloseHandle(clock.hProcess);
      CloseHandle(clock.hThread);
      clock = first;
    } else if (action == "sleep") {
      Sleep(static_cast<DWORD>(std::atoi(next().c_str())));
    } else if (action == "quit") {
      PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
      if (WaitForSingleObject(clock.hProcess, 10000) != WAIT_OBJECT_0) Fail("the clock did not end");
      DWORD exitCode = 0;
      GetExitCodeProcess(clock.hProcess, &exitCode);
      std::printf("ended: %lu\n", static_cast<unsigned long>(exitCode));
      return 0;
    } else {
      Fail("no action " + action);
    }
  }
  return 0;
}
