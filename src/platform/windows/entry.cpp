// The Windows clock's entry point, its counterpart of the Linux command line:
// it chooses the settings folder, makes sure the clock runs once per folder,
// and runs the program.
//
// Windows passes every program a null previous instance, so the clock finds
// out itself whether one runs: a named mutex per settings folder. A second
// start asks the running clock to lay out and show its window (a right click
// may have hidden it) before the program says that it is already running.
#include <string>

#include "app/entry.h"
#include "app/main_window.h"
#include "platform/windows/windows_platform.h"

// After windows.h, which it needs.
#include <shellapi.h>
#include "resources/resources.h"

namespace {

constexpr char kCaption[] = "Horatick";
constexpr char kUsage[] =
    "Usage: horatick [--settings-dir DIR]\n\n"
    "The settings live in %HORATICK_HOME%, else in %APPDATA%\\Horatick.";

// The folder's name for the kernel objects of its clock: Windows compares
// paths without regard to case, and a name may not hold a backslash.
std::wstring InstanceName(const std::string& folder) {
  std::wstring upper = platform::windows::Wide(folder);
  CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  std::uint64_t hash = 14695981039346656037ULL;
  for (wchar_t c : upper) {
    hash ^= static_cast<std::uint64_t>(c);
    hash *= 1099511628211ULL;
  }
  wchar_t name[64];
  wsprintfW(name, L"Local\\Horatick-%08lx%08lx", static_cast<unsigned long>(hash >> 32),
            static_cast<unsigned long>(hash & 0xFFFFFFFF));
  return name;
}

// The running clock's process id, kept in a small shared block beside its
// mutex, so that a second start finds that clock's window and not another
// folder's.
class RunningClock {
 public:
  explicit RunningClock(const std::wstring& name) : name_(name + L"-process") {}
  ~RunningClock() {
    if (view_ != nullptr) UnmapViewOfFile(view_);
    if (mapping_ != nullptr) CloseHandle(mapping_);
  }
  RunningClock(const RunningClock&) = delete;
  RunningClock& operator=(const RunningClock&) = delete;

  void Publish() {
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DWORD), name_.c_str());
    if (mapping_ != nullptr) view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(DWORD));
    if (view_ != nullptr) *static_cast<volatile DWORD*>(view_) = GetCurrentProcessId();
  }

  DWORD Read() const {
    HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, name_.c_str());
    if (mapping == nullptr) return 0;
    DWORD process = 0;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(DWORD)); view != nullptr) {
      process = *static_cast<volatile DWORD*>(view);
      UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return process;
  }

 private:
  std::wstring name_;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

struct WindowSearch {
  DWORD process;
  HWND found;
};

BOOL CALLBACK TakeClockWindow(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  char className[16];
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != search.process || GetClassNameA(hwnd, className, sizeof className) == 0 ||
      lstrcmpiA(className, "Horatick") != 0) {
    return TRUE;
  }
  search.found = hwnd;
  return FALSE;
}

void ShowRunningClock(const RunningClock& running) {
  WindowSearch search{running.Read(), nullptr};
  if (search.process == 0) return;
  EnumWindows(TakeClockWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;
  // The running clock may bring its window to the front.
  AllowSetForegroundWindow(search.process);
  PostMessageA(search.found, WM_SYSCOMMAND, IDM_RELAYOUT, 0);
}

// The options the Windows clock reads: the settings folder, named as on Linux.
// False, with the problem, for anything else.
bool ReadCommandLine(std::string* problem) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return true;
  bool ok = true;
  for (int i = 1; i < count && ok; ++i) {
    const std::string argument = platform::windows::Utf8(arguments[i]);
    const std::string prefix = "--settings-dir=";
    if (argument == "--settings-dir" && i + 1 < count && arguments[i + 1][0] != L'\0') {
      platform::windows::SetSettingsFolder(platform::windows::Utf8(arguments[++i]));
    } else if (argument.compare(0, prefix.size(), prefix) == 0 && argument.size() > prefix.size()) {
      platform::windows::SetSettingsFolder(argument.substr(prefix.size()));
    } else {
      *problem = argument == "--settings-dir" || argument == prefix ? "option '--settings-dir' needs a folder"
                                                                    : "unknown option '" + argument + "'";
      ok = false;
    }
  }
  LocalFree(arguments);
  return ok;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  std::string problem;
  if (!ReadCommandLine(&problem)) {
    const std::string text = problem + "\n\n" + kUsage;
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONERROR);
    return 2;
  }
  const HINSTANCE instance = RegisterResourceModule(&kHoratickResources);
  const std::string folder = platform::windows::SettingsFolder();
  if (!platform::windows::EnsureSettingsFolder()) {
    const std::string text = "The settings folder " + folder + " cannot be made.";
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONERROR);
    return 1;
  }
  platform::windows::SendStandardErrorToLog();
  // The manifest asks for UTF-8 in the "A" calls, which Windows before
  // version 1903 does not give: names outside ASCII would come out wrong.
  if (GetACP() != CP_UTF8) {
    std::string text = "This Windows gives the clock the code page " + std::to_string(GetACP()) +
                       " instead of UTF-8 (Windows 10 version 1903 or later gives it): alarm notes and file names "
                       "with letters outside English may show wrongly.";
    MessageBoxA(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONWARNING);
  }
  const std::wstring name = InstanceName(folder);
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
  const bool alone = mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
  RunningClock running(name);
  if (alone) {
    running.Publish();
  } else {
    ShowRunningClock(running);
  }
  char commandLine[] = "";
  const int exitCode = HoratickMain(instance, alone ? nullptr : instance, commandLine, showCommand);
  if (mutex != nullptr) {
    if (alone) ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
  return exitCode;
}
