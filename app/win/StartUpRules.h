#pragma once
// The decisions of the program's start that need no window: which systems it
// runs on and whether the command line asks for a start in the notification area.
#include <windows.h>

namespace s::process::commandline {
class ICommandLine;
}

namespace s::app::win {

// Windows 5.1 and 5.2 of the NT family, and every system from 6.0 on.
bool isSupportedSystem(DWORD major, DWORD minor, DWORD platformId);
// The running system, read with GetVersionExW; false when it cannot be read.
bool isRunningOnSupportedSystem();
// A start at logon: any argument is the switch "startup" ('-' or '/', any letter case).
bool wantsIconizedStart(const process::commandline::ICommandLine* commandLine);
// Waits until `done(context)` answers true or `timeoutMs` passes (INFINITE: no
// limit), handling this thread's messages meanwhile: a thread that owns windows or
// an OLE apartment must keep answering while it waits. A quit request ends the
// wait and is left for the thread's own loop. True when done.
bool pumpUntil(bool (*done)(void* context), void* context, DWORD timeoutMs);

}  // namespace s::app::win
