// The desk's views of open dialogs, message boxes and the file chooser.
#include "support/desk.h"

namespace desk {

namespace {

bool IsDialogLike(const platform::WindowSnapshot& shot) {
  return shot.kind == platform::WindowKind::Dialog || shot.kind == platform::WindowKind::MessageBox;
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

std::vector<std::string> Desk::dialogCaptions() const {
  std::vector<std::string> captions;
  for (HWND hwnd : platform::TopLevelWindows()) {
    const auto shot = platform::DescribeWindow(hwnd);
    if (IsDialogLike(shot)) captions.push_back(shot.text);
  }
  return captions;
}

bool Desk::hasDialog(const char* caption) const {
  for (const std::string& text : dialogCaptions()) {
    if (text == caption) return true;
  }
  return false;
}

DialogView Desk::dialog(const char* caption) {
  const auto windows = platform::TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const auto shot = platform::DescribeWindow(*it);
    if (IsDialogLike(shot) && shot.text == caption) return DialogView(*this, *it);
  }
  std::string open;
  for (const std::string& text : dialogCaptions()) open += (open.empty() ? "" : ", ") + Quote(text);
  fail("no open dialog with the caption " + Quote(caption) + " (open: " + (open.empty() ? "none" : open) + ")");
  return DialogView(*this, nullptr);
}

DialogView Desk::topDialog() {
  const auto windows = platform::TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (IsDialogLike(platform::DescribeWindow(*it))) return DialogView(*this, *it);
  }
  fail("no dialog is open");
  return DialogView(*this, nullptr);
}

bool Desk::hasMessageBox() const {
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (platform::DescribeWindow(hwnd).kind == platform::WindowKind::MessageBox) return true;
  }
  return false;
}

MessageBoxView Desk::messageBox() {
  const auto windows = platform::TopLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (platform::DescribeWindow(*it).kind == platform::WindowKind::MessageBox) return MessageBoxView(*this, *it);
  }
  fail("no message box is open");
  return MessageBoxView(*this, nullptr);
}

bool Desk::fileChooserOpen() const { return driver_->OpenFileChooser().has_value(); }

std::optional<platform::FileChooserRequest> Desk::fileChooser() const { return driver_->OpenFileChooser(); }

void Desk::chooseFile(const char* path) {
  if (!fileChooserOpen()) fail(std::string("chooseFile(\"") + path + "\"): no file chooser is open");
  input(platform::input::FileChosen{true, path});
}

void Desk::cancelFileChooser() {
  if (!fileChooserOpen()) fail("cancelFileChooser(): no file chooser is open");
  input(platform::input::FileChosen{false, {}});
}

// --- DialogView -----------------------------------------------------------------

bool DialogView::isOpen() const { return hwnd_ != nullptr && platform::DescribeWindow(hwnd_).exists; }

void DialogView::mustBeOpen(const char* action) const {
  if (!isOpen()) throw DeskError(std::string("dialog: ") + action + " on a dialog that is no longer open");
}

std::string DialogView::caption() const {
  mustBeOpen("caption()");
  return platform::DescribeWindow(hwnd_).text;
}

RECT DialogView::rect() const {
  mustBeOpen("rect()");
  return platform::DescribeWindow(hwnd_).rect;
}

std::string DialogView::templateName() const {
  mustBeOpen("templateName()");
  return platform::DescribeWindow(hwnd_).templateName;
}

bool DialogView::has(int id) const {
  mustBeOpen("has()");
  for (HWND child : platform::DescribeWindow(hwnd_).children) {
    if (platform::DescribeWindow(child).id == id) return true;
  }
  return false;
}

const platform::WindowSnapshot& DialogView::need(int id) const {
  mustBeOpen("looking at a control");
  const auto dialog = platform::DescribeWindow(hwnd_);
  for (HWND child : dialog.children) {
    last_ = platform::DescribeWindow(child);
    if (last_.id == id) return last_;
  }
  throw DeskError("dialog \"" + dialog.text + "\" has no control " + std::to_string(id));
}

HWND DialogView::control(int id) const { return need(id).handle; }

std::string DialogView::text(int id) const { return need(id).text; }

bool DialogView::checked(int id) const { return need(id).check == BST_CHECKED; }

UINT DialogView::checkState(int id) const { return need(id).check; }

bool DialogView::enabled(int id) const { return need(id).enabled; }

bool DialogView::visible(int id) const { return need(id).visible; }

bool DialogView::focused(int id) const { return need(id).focused; }

int DialogView::focusId() const {
  mustBeOpen("focusId()");
  for (HWND child : platform::DescribeWindow(hwnd_).children) {
    const auto shot = platform::DescribeWindow(child);
    if (shot.focused) return shot.id;
  }
  return 0;
}

std::pair<DWORD, DWORD> DialogView::selection(int id) const {
  const auto& shot = need(id);
  return {shot.selectionStart, shot.selectionEnd};
}

std::size_t DialogView::textLimit(int id) const { return need(id).textLimit; }

namespace {

// A user can only reach a control that is shown and enabled in a dialog that
// is itself enabled (not waiting behind a dialog of its own).
void MustBeReachable(HWND dialog, const platform::WindowSnapshot& control, const char* action) {
  const auto owner = platform::DescribeWindow(dialog);
  const std::string where = "dialog \"" + owner.text + "\": " + action + " control " + std::to_string(control.id);
  if (!owner.enabled) throw DeskError(where + ": the dialog is disabled (another dialog is in front)");
  if (!control.visible) throw DeskError(where + ": the control is hidden");
  if (!control.enabled) throw DeskError(where + ": the control is disabled");
}

}  // namespace

DialogView& DialogView::click(int id) {
  const auto& shot = need(id);
  MustBeReachable(hwnd_, shot, "click on");
  desk_->input(platform::input::ClickControl{shot.handle});
  return *this;
}

DialogView& DialogView::focus(int id) {
  const auto& shot = need(id);
  MustBeReachable(hwnd_, shot, "focus on");
  desk_->input(platform::input::FocusControl{shot.handle});
  return *this;
}

DialogView& DialogView::type(int id, const char* text) {
  const auto& shot = need(id);
  MustBeReachable(hwnd_, shot, "typing into");
  if (shot.kind != platform::WindowKind::Edit) throw DeskError("typing into control " + std::to_string(id) + ", which is not an edit");
  const HWND edit = shot.handle;
  desk_->input(platform::input::FocusControl{edit});
  desk_->input(platform::input::Text{edit, text});
  return *this;
}

DialogView& DialogView::typeMore(int id, const char* text) {
  const auto& shot = need(id);
  MustBeReachable(hwnd_, shot, "typing into");
  desk_->input(platform::input::Text{shot.handle, text});
  return *this;
}

DialogView& DialogView::key(int virtualKey) {
  mustBeOpen("a key");
  desk_->key(virtualKey);
  return *this;
}

DialogView& DialogView::enter() { return key(VK_RETURN); }

DialogView& DialogView::escape() { return key(VK_ESCAPE); }

// --- MessageBoxView -----------------------------------------------------------

std::string MessageBoxView::text() const { return platform::DescribeWindow(hwnd_).messageBoxText; }

std::string MessageBoxView::caption() const { return platform::DescribeWindow(hwnd_).text; }

UINT MessageBoxView::style() const { return platform::DescribeWindow(hwnd_).messageBoxStyle; }

HWND MessageBoxView::owner() const { return platform::DescribeWindow(hwnd_).owner; }

void MessageBoxView::answer(int buttonId) {
  const auto box = platform::DescribeWindow(hwnd_);
  if (!box.exists) throw DeskError("message box: answer on a message box that is no longer open");
  for (HWND child : box.children) {
    const auto shot = platform::DescribeWindow(child);
    if (shot.id == buttonId && shot.kind == platform::WindowKind::Button) {
      desk_->input(platform::input::ClickControl{child});
      return;
    }
  }
  throw DeskError("message box \"" + box.messageBoxText + "\" has no button " + std::to_string(buttonId));
}

}  // namespace desk
