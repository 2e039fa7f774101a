// The program's API on Windows: the system's own, with the clock's meaning
// where the two differ (included by win32.h; nothing else includes it).
//
// The program asks for its dialogs, strings and icons by name from tables
// compiled into it, for "the Windows folder" meaning the folder its settings
// live in, and for help at a section of its help document. Windows' calls of
// those names mean something else, so each name is mapped to the clock's own
// call here; every other call is Windows' own.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// The file chooser, which the lean headers leave out.
#include <commdlg.h>

// The settings folder: %APPDATA%\Horatick, or the folder named on the
// command line. Same contract as GetWindowsDirectory.
UINT GetSettingsDirectory(LPSTR buffer, UINT size);
#undef GetWindowsDirectory
#define GetWindowsDirectory GetSettingsDirectory

// The profile calls find a file named without a folder in the Windows folder,
// which is the settings folder above.
DWORD GetProfileStringInFolder(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName);
UINT GetProfileIntInFolder(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
BOOL WriteProfileStringInFolder(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
#undef GetPrivateProfileString
#define GetPrivateProfileString GetProfileStringInFolder
#undef GetPrivateProfileInt
#define GetPrivateProfileInt GetProfileIntInFolder
#undef WritePrivateProfileString
#define WritePrivateProfileString WriteProfileStringInFolder

// Dialog templates, strings and icons of the registered resource module,
// found by name; anything else (a system icon, another module) goes to
// Windows' own call.
INT_PTR DialogBoxParamByName(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
HWND CreateDialogParamByName(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
int LoadStringFromModule(HINSTANCE instance, UINT id, LPSTR buffer, int size);
HICON LoadIconFromModule(HINSTANCE instance, LPCSTR name);
#undef DialogBoxParam
#define DialogBoxParam DialogBoxParamByName
#undef CreateDialogParam
#define CreateDialogParam CreateDialogParamByName
#undef LoadString
#define LoadString LoadStringFromModule
#undef LoadIcon
#define LoadIcon LoadIconFromModule

// Help: the document beside the executable in the browser, at the section
// that the context number names.
BOOL OpenHelpDocument(HWND hwnd, LPCSTR helpFile, UINT command, ULONG_PTR data);
#undef WinHelp
#define WinHelp OpenHelpDocument

// Setting the clock with the right to do so switched on, where the user has it.
BOOL SetLocalTimeWithRight(const SYSTEMTIME* time);
#define SetLocalTime SetLocalTimeWithRight

// Our layer's result of CheckMenuItem for a missing item, which Windows
// gives as (DWORD)-1 too.
constexpr DWORD MENU_FAILED = 0xFFFFFFFF;
