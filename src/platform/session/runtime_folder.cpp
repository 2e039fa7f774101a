#include "platform/session/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

const char* AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : nullptr;
}

}  // namespace

bool IsPrivateFolder(const std::string& path, unsigned user) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == user &&
         (info.st_mode & 077) == 0;
}

std::optional<std::string> RuntimeFolder(std::string* problem) {
  const unsigned user = ::getuid();
  if (const char* runtime = AbsoluteEnv("XDG_RUNTIME_DIR")) {
    const std::string folder = WithoutTrailingSlashes(runtime);
    if (IsPrivateFolder(folder, user)) return folder;
  }
  const char* temporary = AbsoluteEnv("TMPDIR");
  const std::string folder =
      WithoutTrailingSlashes(temporary != nullptr ? temporary : "/tmp") + "/horatick-" + std::to_string(user);
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    if (problem != nullptr) *problem = "cannot make the folder " + folder + ": " + std::strerror(errno);
    return std::nullopt;
  }
  if (!IsPrivateFolder(folder, user)) {
    if (problem != nullptr) {
      *problem = "the folder " + folder + " is not a private folder of this user (remove it, or set XDG_RUNTIME_DIR)";
    }
    return std::nullopt;
  }
  return folder;
}

}  // namespace platform
