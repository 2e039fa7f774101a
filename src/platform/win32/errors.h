// The error codes that GetLastError reports, by their Win32 names and numbers.
// Every code the clock and its platform set or compare is named here, so no
// code is ever written as a bare number.
//
// Built for Windows, the system's headers name the codes (included by
// win32.h before this file); only the ones those headers may lack are named
// here then.
#pragma once

#ifndef _WIN32
#include "platform/win32/types.h"

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_GEN_FAILURE = 31;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_ENVVAR_NOT_FOUND = 203;
constexpr DWORD ERROR_BAD_FILE_TYPE = 222;  // a pipe, a device or a socket where a file was wanted
constexpr DWORD ERROR_FILE_TOO_LARGE = 223;
constexpr DWORD ERROR_CANCELLED = 1223;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;
constexpr DWORD ERROR_CLASS_ALREADY_EXISTS = 1410;
constexpr DWORD ERROR_INVALID_INDEX = 1413;
constexpr DWORD ERROR_CONTROL_ID_NOT_FOUND = 1421;
constexpr DWORD ERROR_TIMEOUT = 1460;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;
#endif

// A folder where a file was wanted.
#ifndef ERROR_DIRECTORY_NOT_SUPPORTED
constexpr DWORD ERROR_DIRECTORY_NOT_SUPPORTED = 336;
#endif
// A write refused by the user's disk quota.
#ifndef ERROR_DISK_QUOTA_EXCEEDED
constexpr DWORD ERROR_DISK_QUOTA_EXCEEDED = 1295;
#endif
