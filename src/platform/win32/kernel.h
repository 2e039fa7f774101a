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

// Error codes that GetLastError reports.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_ENVVAR_NOT_FOUND = 203;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// ---------------------------------------------------------------------------
// Functions
// ---------------------------------------------------------------------------

// Time
void GetLocalTime(SYSTEMTIME* time);   // the machine's local time (TZ)
DWORD GetTickCount();                  // the timer clock, wrapping
std::uint64_t GetTickCount64();        // the timer clock: monotonic, includes time suspended

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
BOOL DeleteFile(LPCSTR fileName);
HANDLE CreateFile(LPCSTR fileName, DWORD access, DWORD shareMode, void* security, DWORD creation,
                  DWORD flags, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, void* overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, void* overlapped);
BOOL FlushFileBuffers(HANDLE file);
DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh);
BOOL CloseHandle(HANDLE handle);
BOOL MoveFileEx(LPCSTR existing, LPCSTR newName, DWORD flags);
DWORD GetLastError();
void SetLastError(DWORD error);

// Private profile files
DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                              LPCSTR fileName);
UINT GetPrivateProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
