#include "platform/kernel/profile_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <mutex>

#include "platform/kernel/file_replace.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace platform::profile {
namespace {

// A profile of this clock holds a few keys; anything near this size is not one of ours.
constexpr std::size_t kLargestProfileBytes = 16u << 20;

// What tells one state of a file on disk from another.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  bool operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
  }
};

bool StampOf(const std::string& path, FileStamp& stamp) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  stamp = FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
  return true;
}

bool Earlier(const timespec& a, const timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

struct KeptParse {
  std::string path;
  FileStamp stamp;
  std::shared_ptr<const ParsedProfile> parsed;
};

std::mutex keptMutex;
KeptParse kept;

}  // namespace

ReadResult ReadParsedFile(const std::string& path, std::shared_ptr<const ParsedProfile>& parsed) {
  static const auto empty = std::make_shared<const ParsedProfile>(std::string());
  const std::lock_guard<std::mutex> lock(keptMutex);
  // The file system stamps a change with this coarse clock: a file changed
  // before its present tick will carry a newer time if it is changed again,
  // while one changed within the tick might change again unseen, so it is
  // not kept.
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
  FileStamp before;
  const bool stamped = StampOf(path, before);
  if (stamped && kept.parsed != nullptr && kept.path == path && kept.stamp == before) {
    parsed = kept.parsed;
    return ReadResult::Read;
  }
  kept = KeptParse{};
  std::string text;
  const ReadResult result = ReadWholeFile(path, text);
  if (result != ReadResult::Read) {
    parsed = empty;
    return result;
  }
  parsed = std::make_shared<const ParsedProfile>(std::move(text));
  FileStamp after;
  if (stamped && StampOf(path, after) && after == before && Earlier(before.modified, now)) {
    kept = KeptParse{path, before, parsed};
  }
  return result;
}

void ForgetParsedFile() {
  const std::lock_guard<std::mutex> lock(keptMutex);
  kept = KeptParse{};
}

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
  DWORD error = ERROR_SUCCESS;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
      result = ReadResult::Failed;
      error = GetLastError();
      break;
    }
    if (got == 0) break;
    text.append(chunk, got);
    if (text.size() > kLargestProfileBytes) {
      result = ReadResult::Failed;
      error = ERROR_FILE_TOO_LARGE;
      break;
    }
  }
  CloseHandle(file);
  if (result != ReadResult::Read) {
    text.clear();
    // The close succeeded and cleared it: the caller is to hear why the read failed.
    SetLastError(error);
  }
  return result;
}

bool ReplaceFile(const std::string& path, const std::string& text) {
  // Beside the file that is really replaced, so the rename stays on one disk.
  const std::string temporary = TemporaryNameBeside(WriteTargetOf(path));
  HANDLE file = CreateFile(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // The reason of the first step that fails is the one reported: the steps
  // after it (the close above all) would each overwrite it.
  DWORD error = ERROR_SUCCESS;
  const auto step = [&error](bool done) {
    if (!done && error == ERROR_SUCCESS) error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
    return done;
  };
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < text.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
    DWORD written = 0;
    ok = step(WriteFile(file, text.data() + done, want, &written, nullptr) && written == want);
    done += written;
  }
  ok = ok && step(FlushFileBuffers(file));
  ok = step(CloseHandle(file)) && ok;
  ok = ok && step(MoveFileEx(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  if (!ok) {
    DeleteFile(temporary.c_str());
    SetLastError(error);
  }
  return ok;
}

}  // namespace platform::profile
