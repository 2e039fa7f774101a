// Dialogs from the program's templates: each is written out in memory as the
// DLGTEMPLATE that a resource compiler would have made of it, and Windows'
// own dialog manager runs it. Icon statics name an icon of the program's
// tables, which Windows cannot find in the module; they are given it when the
// dialog starts, before the program's procedure sees WM_INITDIALOG.
#include <cstring>
#include <map>
#include <vector>

#include "platform/windows/resource_module.h"
#include "platform/windows/windows_platform.h"

namespace platform::windows {

namespace {

// The in-memory template: WORDs, with the alignments Windows asks for.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const char* text) {
    const std::wstring wide = Wide(text != nullptr ? text : "");
    for (wchar_t c : wide) Word(static_cast<WORD>(c));
    Word(0);
  }
  // Each item starts on a DWORD boundary.
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  const WORD* Data() const { return words_.data(); }

 private:
  std::vector<WORD> words_;
};

// The predefined classes, which a template names by their atoms.
WORD ClassAtom(const char* className) {
  if (lstrcmpiA(className, "BUTTON") == 0) return 0x0080;
  if (lstrcmpiA(className, "EDIT") == 0) return 0x0081;
  if (lstrcmpiA(className, "STATIC") == 0) return 0x0082;
  return 0;
}

bool IsIconStatic(const DialogItemTemplate& item) {
  return ClassAtom(item.className) == 0x0082 && (item.style & SS_TYPEMASK) == SS_ICON;
}

TemplateWriter WriteTemplate(const DialogTemplateResource& dialog) {
  TemplateWriter out;
  const bool hasFont = dialog.fontName != nullptr;
  out.Dword(dialog.style | (hasFont ? DS_SETFONT : 0));
  out.Dword(0);  // extended style
  out.Word(static_cast<WORD>(dialog.itemCount));
  out.Word(static_cast<WORD>(dialog.x));
  out.Word(static_cast<WORD>(dialog.y));
  out.Word(static_cast<WORD>(dialog.cx));
  out.Word(static_cast<WORD>(dialog.cy));
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(dialog.caption);
  if (hasFont) {
    out.Word(static_cast<WORD>(dialog.pointSize));
    out.Text(dialog.fontName);
  }
  for (int i = 0; i < dialog.itemCount; ++i) {
    const DialogItemTemplate& item = dialog.items[i];
    out.AlignToDword();
    out.Dword(item.style);
    out.Dword(0);  // extended style
    out.Word(static_cast<WORD>(item.x));
    out.Word(static_cast<WORD>(item.y));
    out.Word(static_cast<WORD>(item.cx));
    out.Word(static_cast<WORD>(item.cy));
    out.Word(static_cast<WORD>(item.id));
    const WORD atom = ClassAtom(item.className);
    if (atom != 0) {
      out.Word(0xFFFF);
      out.Word(atom);
    } else {
      out.Text(item.className);
    }
    // An icon static's text names the icon, which is set when the dialog starts.
    out.Text(IsIconStatic(item) ? "" : item.text);
    out.Word(0);  // no creation data
  }
  return out;
}

struct DialogStart {
  HINSTANCE instance;
  const DialogTemplateResource* dialog;
  DLGPROC proc;
  LPARAM param;
};

// The program's procedure of each open dialog.
std::map<HWND, DLGPROC>& Procedures() {
  static std::map<HWND, DLGPROC> procedures;
  return procedures;
}

INT_PTR CALLBACK TemplateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const DialogStart& start = *reinterpret_cast<const DialogStart*>(lParam);
    Procedures()[dialog] = start.proc;
    for (int i = 0; i < start.dialog->itemCount; ++i) {
      const DialogItemTemplate& item = start.dialog->items[i];
      if (!IsIconStatic(item)) continue;
      HICON icon = LoadIconFromModule(start.instance, item.text);
      if (icon != nullptr) SendDlgItemMessageA(dialog, item.id, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    return start.proc != nullptr ? start.proc(dialog, message, wParam, start.param) : TRUE;
  }
  const auto found = Procedures().find(dialog);
  if (found == Procedures().end()) return FALSE;
  const DLGPROC proc = found->second;
  if (message == WM_NCDESTROY) Procedures().erase(found);
  return proc != nullptr ? proc(dialog, message, wParam, lParam) : FALSE;
}

}  // namespace

}  // namespace platform::windows

using platform::windows::DialogStart;
using platform::windows::FindTemplate;

INT_PTR DialogBoxParamByName(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
  const DialogTemplateResource* dialog = FindTemplate(instance, templateName);
  if (dialog == nullptr) return DialogBoxParamA(instance, templateName, owner, proc, param);
  const platform::windows::TemplateWriter written = platform::windows::WriteTemplate(*dialog);
  DialogStart start{instance, dialog, proc, param};
  return DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(written.Data()), owner,
                                 platform::windows::TemplateDialogProc, reinterpret_cast<LPARAM>(&start));
}

HWND CreateDialogParamByName(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param) {
  const DialogTemplateResource* dialog = FindTemplate(instance, templateName);
  if (dialog == nullptr) return CreateDialogParamA(instance, templateName, owner, proc, param);
  const platform::windows::TemplateWriter written = platform::windows::WriteTemplate(*dialog);
  DialogStart start{instance, dialog, proc, param};
  return CreateDialogIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(written.Data()), owner,
                                    platform::windows::TemplateDialogProc, reinterpret_cast<LPARAM>(&start));
}
