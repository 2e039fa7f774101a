#include "platform/core/profile_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/core/file_replace.h"
#include "platform/core/settings_folder.h"
#include "platform/win32.h"

namespace platform::profile {
namespace {

// A profile of this clock holds a few keys; anything near this size is not one of ours.
constexpr std::size_t kLargestProfileBytes = 16u << 20;

}  // namespace

std::string ProfilePath(const char* fileName) {
  std::string name = fileName != nullptr ? fileName : "";
  if (name.find('/') != std::string::npos) return name;
  return SettingsFolderPath() + "/" + name;
}

ReadResult ReadWholeFile(const std::string& path, std::string& text) {
  text.clear();
  HANDLE file = CreateFile(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND ? ReadResult::Missing : ReadResult::Failed;
  }
  char chunk[4096];
  ReadResult result = ReadResult::Read;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
      result = ReadResult::Failed;
      break;
    }
    if (got == 0) break;
    text.append(chunk, got);
    if (text.size() > kLargestProfileBytes) {
      result = ReadResult::Failed;
      break;
    }
  }
  CloseHandle(file);
  if (result != ReadResult::Read) text.clear();
  return result;
}

bool ReplaceFile(const std::string& path, const std::string& text) {
  // Beside the file that is really replaced, so the rename stays on one disk.
  const std::string temporary = TemporaryNameBeside(WriteTargetOf(path));
  HANDLE file = CreateFile(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < text.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, text.data() + done, want, &written, nullptr) && written == want;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileEx(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) {
    const DWORD error = GetLastError();
    DeleteFile(temporary.c_str());
    SetLastError(error);
  }
  return ok;
}

}  // namespace platform::profile
