#pragma once
// The executable file a process runs, and finding a process by that file.
//
// Two ways to read a process's executable path: the first module of a module
// snapshot, which is the Win32 path the process was started from; or, when that
// snapshot cannot be taken (a process of the other bitness, or one we may not
// read), the image name the system keeps for the process. That name is a Win32
// path from QueryFullProcessImageNameW (Windows 6.0 and later); before 6.0 only
// GetProcessImageFileNameW exists, which gives a device path
// ("\Device\HarddiskVolume1\Programs\HueSnap.exe") that is turned back into a
// drive path so both ways can be compared with a path of our own. All three
// functions are looked up at run time (GetProcessImageFileNameW in kernel32 as
// K32GetProcessImageFileNameW from 6.1, else in psapi.dll).
#include <windows.h>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::process::win {

// The executable path of process `processId` into `path` (replacing its text): the
// module snapshot, else imagePathFromProcess. False, with `path` empty, when
// neither answers.
bool imagePath(DWORD processId, str::strbuffer::StrBuffer& path);

// The first module of a module snapshot of the process. False, `path` empty, when
// the snapshot cannot be taken or holds no module.
bool imagePathFromSnapshot(DWORD processId, str::strbuffer::StrBuffer& path);

// The image name the system keeps for the process, as a drive path: through
// QueryFullProcessImageNameW where the system has it, else imagePathFromDeviceName.
bool imagePathFromProcess(DWORD processId, str::strbuffer::StrBuffer& path);

// GetProcessImageFileNameW turned into a drive path (devicePathToDrivePath). False,
// `path` empty, when the function is missing, the process cannot be opened, or no
// drive holds the device.
bool imagePathFromDeviceName(DWORD processId, str::strbuffer::StrBuffer& path);

// Rewrites a device path as a drive path: "\??\C:\x" and "\\?\C:\x" lose their
// prefix; "\Device\HarddiskVolume1\x" becomes "C:\x" when QueryDosDeviceW names that
// device for drive C:. A drive path stays as it is. False, `path` unchanged, when
// no drive holds the device.
bool devicePathToDrivePath(str::strbuffer::StrBuffer& path);

// The id of a process other than this one (and the idle process 0) whose executable
// path (imagePath) equals `executablePath` ignoring letter case; the first such
// process of a process snapshot, or 0 when there is none.
DWORD findProcessRunning(const wchar_t* executablePath);

}  // namespace s::process::win
