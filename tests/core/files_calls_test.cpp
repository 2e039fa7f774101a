// The file calls: Win32 results and error codes on POSIX files, the atomic
// replace, and the failures that tests can inject.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <string>

#include "files_temp_folder.h"
#include "platform/kernel/file_faults.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

class FileCalls : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::ClearFileFaults();
    platform::ResetSettingsFolder();
  }
  HANDLE Open(const std::string& path, DWORD access, DWORD creation) {
    return CreateFile(path.c_str(), access, 0, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  TempFolder folder;
};

TEST_F(FileCalls, CreationDispositions) {
  const struct {
    const char* name;
    bool exists;
    DWORD creation;
    bool opens;
    DWORD error;
    const char* contentsAfter;  // nullptr: no file
  } cases[] = {
      {"create new, absent", false, CREATE_NEW, true, ERROR_SUCCESS, ""},
      {"create new, present", true, CREATE_NEW, false, ERROR_ALREADY_EXISTS, "old"},
      {"create always, absent", false, CREATE_ALWAYS, true, ERROR_SUCCESS, ""},
      {"create always, present", true, CREATE_ALWAYS, true, ERROR_ALREADY_EXISTS, ""},
      {"open existing, absent", false, OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND, nullptr},
      {"open existing, present", true, OPEN_EXISTING, true, ERROR_SUCCESS, "old"},
      {"open always, absent", false, OPEN_ALWAYS, true, ERROR_SUCCESS, ""},
      {"open always, present", true, OPEN_ALWAYS, true, ERROR_ALREADY_EXISTS, "old"},
      {"truncate existing, absent", false, TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND, nullptr},
      {"truncate existing, present", true, TRUNCATE_EXISTING, true, ERROR_SUCCESS, ""},
  };
  const std::string path = folder / "f";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(path.c_str());
    if (c.exists) WriteTextFile(path, "old");
    HANDLE file = Open(path, GENERIC_READ | GENERIC_WRITE, c.creation);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
    EXPECT_EQ(GetLastError(), c.error);
    if (file != INVALID_HANDLE_VALUE) {
      EXPECT_TRUE(CloseHandle(file));
    }
    const auto contents = ReadTextFile(path);
    EXPECT_EQ(contents.has_value(), c.contentsAfter != nullptr);
    if (contents && c.contentsAfter) {
      EXPECT_EQ(*contents, c.contentsAfter);
    }
  }
}

TEST_F(FileCalls, MissingFolderAndFolderAsFile) {
  EXPECT_EQ(Open(folder / "no/such", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(Open(folder.path(), GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_DIRECTORY_NOT_SUPPORTED);
}

TEST_F(FileCalls, WriteReadAndSize) {
  HANDLE file = Open(folder / "f", GENERIC_WRITE, CREATE_ALWAYS);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "abcdef", 6, &written, nullptr));
  EXPECT_EQ(written, 6u);
  EXPECT_TRUE(FlushFileBuffers(file));
  EXPECT_TRUE(CloseHandle(file));

  file = Open(folder / "f", GENERIC_READ, OPEN_EXISTING);
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(file, &high), 6u);
  EXPECT_EQ(high, 0u);
  char buffer[10] = {};
  DWORD got = 0;
  // Asking for more than is there reads what is there and succeeds, as on Windows.
  EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(got, 6u);
  EXPECT_EQ(std::string(buffer, got), "abcdef");
  EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
  EXPECT_EQ(got, 0u);
  EXPECT_TRUE(CloseHandle(file));
}

// Every call that takes a handle refuses one it did not give out, or gave
// out and took back, without touching the file behind it.
TEST_F(FileCalls, BadHandlesAreRefused) {
  const HANDLE open = Open(folder / "open", GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
  const HANDLE closed = Open(folder / "closed", GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
  ASSERT_TRUE(CloseHandle(closed));
  const struct {
    const char* name;
    HANDLE handle;
  } handles[] = {
      {"closed", closed},
      {"never given out", reinterpret_cast<HANDLE>(reinterpret_cast<std::uintptr_t>(open) + 4096)},
      {"made up", reinterpret_cast<HANDLE>(std::uintptr_t{0x1234})},
      {"INVALID_HANDLE_VALUE", INVALID_HANDLE_VALUE},
      {"nullptr", nullptr},
  };
  for (const auto& h : handles) {
    SCOPED_TRACE(h.name);
    char buffer[4] = {};
    DWORD count = 7;
    EXPECT_FALSE(ReadFile(h.handle, buffer, 4, &count, nullptr));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    count = 7;
    EXPECT_FALSE(WriteFile(h.handle, buffer, 4, &count, nullptr));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(FlushFileBuffers(h.handle));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetFileSize(h.handle, nullptr), INVALID_FILE_SIZE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(h.handle));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
  // The file still open is untouched by all of that.
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(open, "abc", 3, &written, nullptr));
  EXPECT_EQ(GetFileSize(open, nullptr), 3u);
  EXPECT_TRUE(CloseHandle(open));
}

TEST_F(FileCalls, MoveAndDelete) {
  WriteTextFile(folder / "a", "new");
  WriteTextFile(folder / "b", "old");
  EXPECT_FALSE(MoveFileEx((folder / "a").c_str(), (folder / "b").c_str(), 0));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_EQ(ReadTextFile(folder / "b"), "old");

  ::chmod((folder / "b").c_str(), 0600);
  EXPECT_TRUE(MoveFileEx((folder / "a").c_str(), (folder / "b").c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
  EXPECT_EQ(ReadTextFile(folder / "b"), "new");
  EXPECT_FALSE(PathExists(folder / "a"));
  // The replacement keeps the permissions of the file it replaced.
  struct stat info {};
  ASSERT_EQ(::stat((folder / "b").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  EXPECT_TRUE(DeleteFile((folder / "b").c_str()));
  EXPECT_FALSE(DeleteFile((folder / "b").c_str()));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(DeleteFile(folder.path().c_str()));
}

TEST_F(FileCalls, InjectedFailuresCountSuccessesFirst) {
  platform::FailFileCall(platform::FileCall::DeleteFile, 2, 1, ERROR_ACCESS_DENIED);
  const bool expected[] = {true, true, false, true};
  for (bool succeeds : expected) {
    WriteTextFile(folder / "f", "x");
    EXPECT_EQ(DeleteFile((folder / "f").c_str()) != FALSE, succeeds);
  }
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_EQ(platform::FileCallCount(platform::FileCall::DeleteFile), 4);

  // times 0: every call from then on.
  WriteTextFile(folder / "f", "x");
  platform::FailFileCall(platform::FileCall::DeleteFile, 0, 0, ERROR_ACCESS_DENIED);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(DeleteFile((folder / "f").c_str()));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  }
  EXPECT_TRUE(PathExists(folder / "f"));
}

TEST_F(FileCalls, AFailingWriteStopsHalfWay) {
  HANDLE file = Open(folder / "f", GENERIC_WRITE, CREATE_ALWAYS);
  platform::FailFileCall(platform::FileCall::WriteFile, 0, 1, ERROR_WRITE_FAULT);
  DWORD written = 0;
  EXPECT_FALSE(WriteFile(file, "abcdefgh", 8, &written, nullptr));
  EXPECT_EQ(written, 4u);
  EXPECT_EQ(GetLastError(), ERROR_WRITE_FAULT);
  CloseHandle(file);
  EXPECT_EQ(ReadTextFile(folder / "f"), "abcd");
}

TEST_F(FileCalls, ReadOnlyModeChangesNothing) {
  WriteTextFile(folder / "f", "x");
  platform::SetSettingsReadOnly(true);
  EXPECT_EQ(Open(folder / "g", GENERIC_WRITE, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(Open(folder / "f", GENERIC_WRITE, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(DeleteFile((folder / "f").c_str()));
  EXPECT_FALSE(MoveFileEx((folder / "f").c_str(), (folder / "h").c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_EQ(FolderListing(folder.path()), "f");
  HANDLE file = Open(folder / "f", GENERIC_READ, OPEN_EXISTING);
  EXPECT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
}

TEST_F(FileCalls, ModuleFileNameIsThisExecutable) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileName(nullptr, path, sizeof path);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(std::string(path).find("horatick_tests_core"), std::string(path).rfind('/') + 1);
  char small[5];
  EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof small), 5u);
  EXPECT_EQ(std::string(small), std::string(path, 4));
}

}  // namespace
