// The core's own state: every window, class, timer, queued message and menu.
// Only the program's thread touches it (the inbox, in inbox.h, is the one
// part other threads may use).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/win32.h"

namespace platform {

struct WindowClassEntry {
  std::string name;
  WNDPROC proc = nullptr;
  UINT style = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
};

struct DialogState {
  DLGPROC proc = nullptr;
  const DialogTemplateResource* source = nullptr;
  bool ended = false;
  INT_PTR result = 0;
  // This dialog disabled its owner, so it is the one to enable it again; a
  // dialog opened over an owner that another dialog holds leaves it disabled.
  bool disabledOwner = false;
  // The message box's button ids in order, for Enter and Escape; empty for a dialog.
  std::vector<int> messageBoxButtons;
  UINT messageBoxStyle = 0;
};

struct Window {
  HWND handle = nullptr;
  WindowKind kind = WindowKind::Plain;
  std::string className;
  WNDPROC proc = nullptr;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // screen coordinates, also for controls
  HWND parent = nullptr;  // the dialog of a control
  HWND owner = nullptr;   // the owner of a top-level window
  int id = 0;             // a control's id
  std::vector<HWND> children;  // controls, in template order
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;  // an icon static's image

  // Control state.
  UINT check = BST_UNCHECKED;
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  std::size_t textLimit = 30000;

  std::unique_ptr<DialogState> dialog;
  HMENU systemMenu = nullptr;
  bool destroying = false;
};

struct TimerEntry {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT intervalMs = 0;
  TIMERPROC proc = nullptr;
  std::uint64_t deadlineMs = 0;
  std::uint64_t order = 0;  // breaks ties between equal deadlines: the older timer first
};

struct MenuItem {
  UINT id = 0;
  std::string text;
  UINT flags = 0;  // MF_SEPARATOR, MF_CHECKED, MF_GRAYED, MF_DISABLED
};

struct MenuEntry {
  HMENU handle = nullptr;
  HWND owner = nullptr;
  std::vector<MenuItem> items;
};

// The modal loops that take input of their own while they run.
struct MenuTrack {
  HWND owner = nullptr;
  HMENU menu = nullptr;
  UINT highlighted = 0;
  bool done = false;
  UINT chosen = 0;  // 0: closed without a choice
};

struct MoveTrack {
  HWND hwnd = nullptr;
  RECT start{};
  bool done = false;
};

struct FileChooserTrack {
  bool done = false;
  bool ok = false;
  std::string path;
};

struct CoreState {
  std::vector<const ResourceModule*> modules;
  std::vector<WindowClassEntry> classes;
  // Window handles are never reused: a handle is an index into this table,
  // and a destroyed window leaves an empty slot.
  std::vector<std::unique_ptr<Window>> windows;
  std::vector<HWND> topLevel;  // in creation order
  std::vector<std::unique_ptr<MenuEntry>> menus;  // by handle, like windows

  std::deque<MSG> posted;
  std::deque<InputEvent> input;
  // Input already turned into messages (the characters of a typed text).
  std::deque<MSG> inputMessages;
  // Input that the core acts on itself when its message is dispatched.
  std::map<WPARAM, InputEvent> inputInFlight;
  WPARAM nextInputId = 1;
  bool quitPending = false;
  int quitCode = 0;

  std::vector<TimerEntry> timers;
  std::uint64_t timerOrder = 0;

  HWND focus = nullptr;
  HWND active = nullptr;
  HCURSOR cursor = nullptr;

  MenuTrack* menuTrack = nullptr;
  MoveTrack* moveTrack = nullptr;
  FileChooserTrack* fileChooser = nullptr;
  UINT_PTR nextThreadTimerId = 1;

  std::function<void(HWND, UINT, WPARAM, LPARAM)> trace;
};

CoreState& Core();

// Lookups shared by the files of the core.
Window* FindWindowEntry(HWND hwnd);  // nullptr for a handle that names no window
std::unique_ptr<Window>* WindowSlot(HWND hwnd);
HWND NewWindowHandle();
HWND TopLevelOf(HWND hwnd);
const ResourceModule* ModuleOf(HINSTANCE instance);
void NotifyChange(HWND hwnd, unsigned changes);

// Calls the window's procedure (recording the message when tracing); 0 for
// a window that does not exist.
LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Messages only the core uses; DispatchMessage handles them itself.
constexpr UINT kCoreInputMessage = 0x0319;

// The next message for a loop, as GetMessage finds it: posted messages in
// order, then the quit request, then input, then a due timer; otherwise the
// loop waits. idle (when given) runs each time before waiting.
enum class NextResult { Message, Quit };
NextResult NextMessage(MSG* message, HWND filterWindow, UINT filterMin, UINT filterMax,
                       const std::function<void()>& idle = {});

// Runs a modal loop until done() holds: every message of every window is
// dispatched (keyboard messages first offered to dialogForKeys' dialog
// manager, or to keyFilter). A WM_QUIT ends the loop and is posted again so
// that the outer loop ends too; the result is then false.
bool RunModalLoop(const std::function<bool()>& done, HWND dialogForKeys,
                  const std::function<bool(const MSG&)>& keyFilter = {}, const std::function<void()>& idle = {});

// The due timer's WM_TIMER, when one is due at nowMs.
bool TakeDueTimer(MSG* out, std::uint64_t nowMs, HWND filterWindow);
// The next input turned into a message, when there is input.
bool TakeInput(MSG* out);
bool IsKeyboardMessage(UINT message);

// Window state changes shared by several calls.
void ActivateWindow(HWND hwnd, WORD how);
// The most recently made dialog or message box of this owner that is still
// open and shown, other than `except`; nullptr when there is none.
HWND LatestOpenDialogOwnedBy(HWND owner, HWND except);
void SetWindowRectAndNotify(HWND hwnd, const RECT& rect);
POINT ClientOrigin(const Window& window);
// WM_MOVE's lParam: the client area's origin (on the screen, or in the parent).
LPARAM ClientOriginParam(HWND hwnd);
RECT ClientRectOf(const Window& window);
void DestroyWindowTree(HWND hwnd);
HWND CreateWindowEntry(std::unique_ptr<Window> window);
void ClickButton(HWND control);
bool IsRadioButton(const Window& control);
// The group of a dialog's control, in template order: from the nearest
// control at or before it that starts a group (WS_GROUP) up to the next one
// that does. In a dialog that marks no group at all, a radio button's group
// is the run of radio buttons around it (broken where one starts over up and
// to the left of the one before), and any other control is a group of its
// own.
std::vector<HWND> ControlGroup(const Window& dialog, HWND control);
void EndOpenMenu();
void TrackSystemMenu(HWND hwnd);
void RunMoveLoop(HWND hwnd);
void HandleInputMessage(WPARAM id);

}  // namespace platform
