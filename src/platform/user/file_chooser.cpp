// GetOpenFileName: a modal wait that the driver answers with a path or a
// cancel, while every other window goes on getting its messages.
#include <cstring>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"

namespace platform {

bool DisableOwner(HWND owner);

namespace {

// The filter pair the chooser starts with (nFilterIndex counts from 1).
void PickFilter(const OPENFILENAME& ofn, FileChooserRequest* request) {
  const char* at = ofn.lpstrFilter;
  if (at == nullptr) return;
  DWORD index = ofn.nFilterIndex == 0 ? 1 : ofn.nFilterIndex;
  for (DWORD pair = 1; *at != '\0'; ++pair) {
    const char* description = at;
    const char* patterns = description + std::strlen(description) + 1;
    if (pair == index) {
      request->filterDescription = description;
      request->filterPatterns = patterns;
      return;
    }
    at = patterns + std::strlen(patterns) + 1;
  }
}

}  // namespace

}  // namespace platform

using platform::FindWindowEntry;

BOOL GetOpenFileName(OPENFILENAME* ofn) {
  platform::CoreState& core = platform::Core();
  if (ofn == nullptr || ofn->lpstrFile == nullptr || ofn->nMaxFile == 0 || core.fileChooser != nullptr) return FALSE;
  if (ofn->hwndOwner != nullptr && FindWindowEntry(ofn->hwndOwner) == nullptr) return FALSE;
  const HWND owner = platform::TopLevelOf(ofn->hwndOwner);
  platform::EndOpenMenu();

  platform::FileChooserRequest request;
  request.owner = owner;
  request.title = ofn->lpstrTitle != nullptr ? ofn->lpstrTitle : "";
  request.initialFolder = ofn->lpstrInitialDir != nullptr ? ofn->lpstrInitialDir : "";
  request.initialName.assign(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
  request.flags = ofn->Flags;
  platform::PickFilter(*ofn, &request);

  const bool ownerDisabled = platform::DisableOwner(owner);
  platform::FileChooserTrack track;
  {
    // The pointer to the wait goes also when the program is unwound out of it.
    struct Tracking {
      platform::FileChooserTrack*& slot;
      ~Tracking() { slot = nullptr; }
    } tracking{core.fileChooser};
    core.fileChooser = &track;
    platform::CurrentDriver().FileChooserOpened(request);
    platform::RunModalLoop([&] { return track.done; }, nullptr);
  }
  platform::CurrentDriver().FileChooserClosed();
  if (ownerDisabled && FindWindowEntry(owner) != nullptr) EnableWindow(owner, TRUE);

  // A path that does not fit is refused whole, never cut: a cut path would
  // name another file.
  if (!track.ok || track.path.empty() || track.path.size() + 1 > ofn->nMaxFile) return FALSE;
  std::memcpy(ofn->lpstrFile, track.path.c_str(), track.path.size() + 1);
  const std::size_t slash = track.path.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = track.path.rfind('.');
  ofn->nFileOffset = static_cast<WORD>(nameStart);
  ofn->nFileExtension =
      static_cast<WORD>(dot != std::string::npos && dot >= nameStart ? dot + 1 : track.path.size());
  if (ofn->lpstrFileTitle != nullptr && ofn->nMaxFileTitle > 0) {
    const std::string title = track.path.substr(nameStart);
    platform::CopyTextCut(title.data(), title.size(), ofn->lpstrFileTitle, ofn->nMaxFileTitle);
  }
  return TRUE;
}
