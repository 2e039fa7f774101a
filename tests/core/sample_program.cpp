#include "core/sample_program.h"

namespace sample {

namespace {

HWND mainWindow = nullptr;
HINSTANCE instance = nullptr;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const DialogItemTemplate kSampleItems[] = {
    {"EDIT", kChild | WS_BORDER | WS_TABSTOP | WS_GROUP, kEdit, "start", 10, 10, 80, 12},
    {"BUTTON", kChild | BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, kCheck, "&Check", 10, 26, 60, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, kAutoRadio1, "One", 10, 40, 40, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kAutoRadio2, "Two", 50, 40, 40, 12},
    {"EDIT", kChild | WS_BORDER, 206, "", 90, 40, 20, 12},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON, kAutoRadio3, "Three", 110, 40, 40, 12},
    {"STATIC", kChild | SS_LEFT | WS_GROUP, kLabel, "Label", 10, 54, 40, 8},
    {"BUTTON", kChild | BS_AUTORADIOBUTTON | WS_GROUP, kAutoRadio4, "Four", 50, 54, 40, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, kPlainRadio1, "Plain 1", 10, 68, 50, 12},
    {"BUTTON", kChild | BS_RADIOBUTTON, kPlainRadio2, "Plain 2", 60, 68, 50, 12},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_DISABLED | WS_GROUP, kDisabledButton, "Off", 10, 84, 40, 14},
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, "OK", 120, 6, 40, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Cancel", 120, 24, 40, 14},
    {"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, kNested, "&Nested", 120, 42, 40, 14},
};

const DialogTemplateResource kSampleDialog = {
    "SAMPLEDIALOG", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 20, 10, 170, 100, "Sample", nullptr, 8,
    kSampleItems, static_cast<int>(sizeof kSampleItems / sizeof kSampleItems[0]),
};

const DialogItemTemplate kInnerItems[] = {
    {"BUTTON", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 10, 10, 40, 14},
};

const DialogTemplateResource kInnerDialog = {
    "INNER", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 30, 20, 60, 30, "Inner", nullptr, 8, kInnerItems, 1,
};

const DialogTemplateResource* const kDialogs[] = {&kSampleDialog, &kInnerDialog};

const StringResource kStrings[] = {
    {1, "Hello"},
    {2, "h\xC3\xA9llo"},  // "héllo": the é takes two bytes
};

const std::uint32_t kBellPixels[4] = {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000};
const IconResource kBell = {"BELL", 2, 2, kBellPixels};
const IconResource* const kIcons[] = {&kBell};

const ResourceModule kResources = {kDialogs, 2, kStrings, 2, kIcons, 1};

LRESULT CALLBACK SampleWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Script& script = TheScript();
  if (message == WM_DESTROY && hwnd == mainWindow) {
    PostQuitMessage(script.exitCode);
    return 0;
  }
  if (script.onMessage) {
    if (const auto result = script.onMessage(hwnd, message, wParam, lParam)) return *result;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

int SampleMain(HINSTANCE moduleInstance, HINSTANCE, LPSTR, int) {
  instance = moduleInstance;
  WNDCLASS windowClass{};
  windowClass.lpfnWndProc = SampleWindowProc;
  windowClass.hInstance = moduleInstance;
  windowClass.lpszClassName = "Sample";
  if (RegisterClass(&windowClass) == 0) return -1;
  Script& script = TheScript();
  mainWindow = CreateWindow("Sample", "Sample window", script.style, script.rect.left, script.rect.top,
                            script.rect.right - script.rect.left, script.rect.bottom - script.rect.top, nullptr,
                            nullptr, moduleInstance, nullptr);
  ShowWindow(mainWindow, SW_SHOWNOACTIVATE);
  if (script.onStart) script.onStart(mainWindow);
  MSG message{};
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

Script& TheScript() {
  static Script script;
  return script;
}

HWND MainWindow() { return mainWindow; }

HINSTANCE Instance() { return instance; }

INT_PTR CALLBACK SampleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Script& script = TheScript();
  if (script.onDialog) return script.onDialog(dialog, message, wParam, lParam);
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam) == IDOK ? 10 : 20);
    return TRUE;
  }
  return FALSE;
}

Settings SampleSettings() {
  return Settings::ForProgram(&SampleMain, &kResources, [] {
    mainWindow = nullptr;
    instance = nullptr;
  }).mainWindowClass("Sample");
}

}  // namespace sample
