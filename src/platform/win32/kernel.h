// Files, time, the profile and processes: Win32's kernel side of the
// program's API (see win32.h).
#pragma once

#include <cstdint>

#include "platform/win32/types.h"

// ---------------------------------------------------------------------------
// Files
// ---------------------------------------------------------------------------
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;

constexpr UINT OF_READ = 0x0000;
constexpr UINT OF_EXIST = 0x4000;
constexpr HFILE HFILE_ERROR = -1;

constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

// ---------------------------------------------------------------------------
// Functions
// ---------------------------------------------------------------------------

// Time
void GetLocalTime(SYSTEMTIME* time);   // the machine's local time (TZ)
DWORD GetTickCount();                  // the timer clock, wrapping
std::uint64_t GetTickCount64();        // the timer clock: monotonic, includes time suspended
// Sets the machine's clock to a local time (the first of a repeated hour).
// FALSE with ERROR_INVALID_PARAMETER for a time that does not exist (a date
// out of the calendar, a time inside a spring-forward gap), ERROR_NOT_SUPPORTED
// where the clock cannot be set, else the service's refusal. The desktop may
// ask the user for authorisation meanwhile: every window goes on getting its
// messages until the answer comes.
BOOL SetLocalTime(const SYSTEMTIME* time);
// The UTC time of a local time in the machine's time zone (timeZone must be
// nullptr): the first of a repeated hour; FALSE with ERROR_INVALID_PARAMETER
// for a local time that does not exist.
BOOL TzSpecificLocalTimeToSystemTime(const void* timeZone, const SYSTEMTIME* local, SYSTEMTIME* utc);

// System parameters: only SPI_GETSCREENSAVERRUNNING (pvParam: a BOOL).
constexpr UINT SPI_GETSCREENSAVERRUNNING = 0x0072;
BOOL SystemParametersInfo(UINT action, UINT param, LPVOID value, UINT winIni);

// The text of an error code (FORMAT_MESSAGE_FROM_SYSTEM): the reason the last
// failing call gave in plain words when the code is its, else a general one.
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;
DWORD FormatMessage(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                    void* arguments);

// Sound and programs
BOOL Beep(DWORD frequencyHz, DWORD durationMs);
UINT WinExec(LPCSTR commandLine, UINT cmdShow);  // above 31 when started
HFILE OpenFile(LPCSTR fileName, OFSTRUCT* info, UINT style);
BOOL GetOpenFileName(OPENFILENAME* ofn);

// Folders and files
UINT GetWindowsDirectory(LPSTR buffer, UINT size);  // the settings folder
DWORD GetModuleFileName(HMODULE module, LPSTR buffer, DWORD size);
// The value of an environment variable: its length when it fits (with its
// ending zero) in size bytes, the size it needs (zero included) when it does
// not (buffer untouched), 0 with ERROR_ENVVAR_NOT_FOUND when it is not set.
DWORD GetEnvironmentVariable(LPCSTR name, LPSTR buffer, DWORD size);
DWORD GetCurrentProcessId();
BOOL DeleteFile(LPCSTR fileName);
HANDLE CreateFile(LPCSTR fileName, DWORD access, DWORD shareMode, void* security, DWORD creation,
                  DWORD flags, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, void* overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, void* overlapped);
BOOL FlushFileBuffers(HANDLE file);
DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh);
BOOL CloseHandle(HANDLE handle);
// With MOVEFILE_REPLACE_EXISTING: newName, when it is the user's own link, is
// replaced at its target; temporary files ".NAME.tmp-PID-N" that ended
// processes left beside it are removed once it is replaced.
BOOL MoveFileEx(LPCSTR existing, LPCSTR newName, DWORD flags);
DWORD GetLastError();
void SetLastError(DWORD error);

// Strings: at most maxLength - 1 bytes of source and a zero, cut as every
// "A" function of this layer cuts text, never inside a UTF-8 character.
// Returns destination; nullptr when there is no room even for the zero.
LPSTR lstrcpyn(LPSTR destination, LPCSTR source, int maxLength);

// Private profile files
DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                              LPCSTR fileName);
UINT GetPrivateProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
