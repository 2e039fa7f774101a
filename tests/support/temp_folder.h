// A private folder for one test: made fresh (mode 0700, under TMPDIR or the
// parent given), removed with everything in it when the test is done.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Makes a fresh private folder under parent and returns its path; a machine
// that cannot make one cannot run the tests, so that ends the run.
inline std::string MakeTempFolder(const std::string& parent = std::filesystem::temp_directory_path().string()) {
  std::string pattern = parent + "/horatick-test-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::fprintf(stderr, "cannot make a folder under %s\n", parent.c_str());
    std::abort();
  }
  return pattern;
}

class TempFolder {
 public:
  // Folders that hold sockets name /tmp as the parent: a socket's path has
  // room for about a hundred bytes only.
  explicit TempFolder(const std::string& parent = std::filesystem::temp_directory_path().string())
      : path_(MakeTempFolder(parent)) {}
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
