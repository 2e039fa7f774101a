// Reading profile files: what GetPrivateProfileString and GetPrivateProfileInt
// give for each way a file can be written.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "files_temp_folder.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

class ProfileRead : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetSettingsFolder(folder.path().c_str()); }
  void TearDown() override { platform::ResetSettingsFolder(); }
  void Holds(const std::string& contents) { WriteTextFile(folder / "TEST.INI", contents); }

  TempFolder folder;
};

struct StringCase {
  const char* name;
  const char* file;  // nullptr: no file at all
  const char* section;
  const char* key;
  const char* defaultValue;
  DWORD size;
  DWORD expectedLength;
  const char* expected;
};

const StringCase kStringCases[] = {
    {"found", "[Horatick]\nPMPM=149\n", "Horatick", "PMPM", "x", 80, 3, "149"},
    {"names ignore case", "[horatick]\npmpm=149\n", "HORATICK", "Pmpm", "x", 80, 3, "149"},
    {"blanks around names and value", "[ Horatick ]\n \tPMPM \t=  149 \t\n", "Horatick", "PMPM", "x", 80, 3, "149"},
    {"blanks inside value kept", "[s]\nk=  a  b  \n", "s", "k", "", 80, 4, "a  b"},
    {"double quotes removed", "[s]\nk=\"a b\"\n", "s", "k", "", 80, 3, "a b"},
    {"single quotes removed", "[s]\nk='x'\n", "s", "k", "", 80, 1, "x"},
    {"unmatched quotes kept", "[s]\nk=\"x'\n", "s", "k", "", 80, 3, "\"x'"},
    {"a lone quote kept", "[s]\nk=\"\n", "s", "k", "", 80, 1, "\""},
    {"only one pair removed", "[s]\nk=\"\"x\"\"\n", "s", "k", "", 80, 3, "\"x\""},
    {"no end-of-line comments", "[s]\nk=v ;x\n", "s", "k", "", 80, 4, "v ;x"},
    {"comment line", "[s]\n ;k=v\n", "s", "k", "d", 80, 1, "d"},
    {"key before any section", "k=v\n[s]\n", "s", "k", "d", 80, 1, "d"},
    {"line without equals", "[s]\nk\n", "s", "k", "d", 80, 1, "d"},
    {"first duplicate wins", "[s]\nk=1\nK=2\n", "s", "k", "", 80, 1, "1"},
    {"repeated section not searched", "[s]\na=1\n[t]\n[S]\nb=2\n", "s", "b", "d", 80, 1, "d"},
    {"key of next section not seen", "[s]\n[t]\nk=1\n", "s", "k", "d", 80, 1, "d"},
    {"crlf line ends", "[s]\r\nk=v\r\n", "s", "k", "", 80, 1, "v"},
    {"cr line ends", "[s]\rk=v\rj=w", "s", "j", "", 80, 1, "w"},
    {"no final line end", "[s]\nk=v", "s", "k", "", 80, 1, "v"},
    {"byte-order mark before the first section", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "", 80, 1, "v"},
    {"empty value is not the default", "[s]\nk=\n", "s", "k", "d", 80, 0, ""},
    {"missing key gives the default", "[s]\nj=1\n", "s", "k", "abc", 80, 3, "abc"},
    {"default loses trailing blanks", "[s]\n", "s", "k", "ab \t ", 80, 2, "ab"},
    {"null default gives empty", "[s]\n", "s", "k", nullptr, 80, 0, ""},
    {"missing section gives the default", "[t]\nk=1\n", "s", "k", "d", 80, 1, "d"},
    {"missing file gives the default", nullptr, "s", "k", "d", 80, 1, "d"},
    {"value cut to size - 1", "[s]\nk=abcdef\n", "s", "k", "", 4, 3, "abc"},
    {"cut keeps whole characters", "[s]\nk=a\xC3\xA9z\n", "s", "k", "", 3, 1, "a"},
    {"a character that fits stays", "[s]\nk=a\xC3\xA9z\n", "s", "k", "", 4, 3, "a\xC3\xA9"},
    {"default cut too", "[s]\n", "s", "k", "abcdef", 3, 2, "ab"},
    {"size one gives empty", "[s]\nk=v\n", "s", "k", "", 1, 0, ""},
};

TEST_F(ProfileRead, StringValues) {
  for (const StringCase& c : kStringCases) {
    SCOPED_TRACE(c.name);
    std::remove((folder / "TEST.INI").c_str());
    if (c.file != nullptr) Holds(c.file);
    char buffer[128];
    std::memset(buffer, '#', sizeof buffer);
    const DWORD length = GetPrivateProfileString(c.section, c.key, c.defaultValue, buffer, c.size, "TEST.INI");
    EXPECT_EQ(length, c.expectedLength);
    EXPECT_STREQ(buffer, c.expected);
  }
}

TEST_F(ProfileRead, ZeroSizeLeavesTheBufferAlone) {
  Holds("[s]\nk=v\n");
  char buffer[4] = {'#', '#', '#', '\0'};
  EXPECT_EQ(GetPrivateProfileString("s", "k", "d", buffer, 0, "TEST.INI"), 0u);
  EXPECT_STREQ(buffer, "###");
}

struct ListCase {
  const char* name;
  const char* file;
  const char* section;  // nullptr: the section names
  DWORD size;
  DWORD expectedLength;
  std::string expected;  // including the zeros, up to the final one
};

const ListCase kListCases[] = {
    {"section names once each", "[a]\nk=1\n[b]\n[A]\n", nullptr, 64, 4, std::string("a\0b\0\0", 5)},
    {"key names of the first section", "[s]\nx=1\n;y=2\ny=2\nX=3\n[s]\nz=4\n", "S", 64, 4, std::string("x\0y\0\0", 5)},
    {"no sections", "k=v\n", nullptr, 64, 0, std::string("\0", 1)},
    {"missing section lists nothing", "[t]\nk=1\n", "s", 64, 0, std::string("\0", 1)},
    {"list that does not fit", "[abc]\n[def]\n", nullptr, 6, 4, std::string("abc\0\0\0", 6)},
    {"exact fit", "[abc]\n[def]\n", nullptr, 9, 8, std::string("abc\0def\0\0", 9)},
    {"one byte short", "[abc]\n[def]\n", nullptr, 8, 6, std::string("abc\0de\0\0", 8)},
};

TEST_F(ProfileRead, NameLists) {
  for (const ListCase& c : kListCases) {
    SCOPED_TRACE(c.name);
    Holds(c.file);
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const DWORD length = GetPrivateProfileString(c.section, c.section ? nullptr : "ignored", "d", buffer, c.size,
                                                 "TEST.INI");
    EXPECT_EQ(length, c.expectedLength);
    EXPECT_EQ(std::string(buffer, c.expected.size()), c.expected);
  }
}

struct IntCase {
  const char* name;
  const char* file;
  int defaultValue;
  int expected;
};

const IntCase kIntCases[] = {
    {"plain number", "[s]\nk=148\n", 7, 148},
    {"blanks, sign, trailing text", "[s]\nk=  -12px\n", 7, -12},
    {"plus sign", "[s]\nk=+5\n", 7, 5},
    {"not a number", "[s]\nk=abc\n", 7, 0},
    {"blank between sign and digits", "[s]\nk=- 5\n", 7, 0},
    {"quoted number", "[s]\nk=\"42\"\n", 7, 42},
    {"missing key", "[s]\nj=1\n", 7, 7},
    {"empty value counts as missing", "[s]\nk=\n", 7, 7},
    {"too large stops at the top of the range", "[s]\nk=99999999999\n", 7, INT_MAX},
    {"too small stops at the bottom", "[s]\nk=-99999999999\n", 7, INT_MIN},
};

TEST_F(ProfileRead, IntValues) {
  for (const IntCase& c : kIntCases) {
    SCOPED_TRACE(c.name);
    Holds(c.file);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileInt("s", "k", c.defaultValue, "TEST.INI")), c.expected);
  }
}

TEST_F(ProfileRead, EveryReadSeesTheFileAsItIsNow) {
  char buffer[16];
  Holds("[s]\nk=1\n");
  GetPrivateProfileString("s", "k", "", buffer, sizeof buffer, "TEST.INI");
  EXPECT_STREQ(buffer, "1");
  Holds("[s]\nk=2\n");
  GetPrivateProfileString("s", "k", "", buffer, sizeof buffer, "TEST.INI");
  EXPECT_STREQ(buffer, "2");
}

TEST_F(ProfileRead, ANameWithAFolderIsAPath) {
  TempFolder elsewhere;
  WriteTextFile(elsewhere / "other.ini", "[s]\nk=there\n");
  char buffer[16];
  GetPrivateProfileString("s", "k", "", buffer, sizeof buffer, (elsewhere / "other.ini").c_str());
  EXPECT_STREQ(buffer, "there");
}

}  // namespace
